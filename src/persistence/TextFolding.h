#pragma once

#include <string>
#include <string_view>

namespace kwintor {

// Names are ordered and grouped as a Dutch reader expects: letters compare without case and
// without accents (É as e, ö as o, ç as c), the ligatures and the sharp s as the letters they
// stand for (æ ae, œ oe, ĳ ij, ß ss, þ th). This covers ASCII, Latin-1 and Latin Extended-A;
// every other character, and every byte that is not well-formed UTF-8, stays as it is.
std::string foldedForSorting(std::string_view text);

// Compares foldedForSorting(a) with foldedForSorting(b) byte by byte (negative, 0, positive)
// without building either: this runs for every comparison while a list of thousands is sorted.
int compareFolded(std::string_view a, std::string_view b);

} // namespace kwintor
