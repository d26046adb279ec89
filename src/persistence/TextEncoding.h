#pragma once

#include <string>
#include <string_view>

namespace kwintor {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The bytes read as Windows-1252, converted to UTF-8. The five bytes without a character in that
// code page (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, as
// Windows itself converts them.
std::string cp1252ToUtf8(std::string_view bytes);

// The text of a data file in UTF-8: a leading UTF-8 byte order mark is skipped, NUL bytes are
// dropped (a file cut short by a crash may hold them; `droppedNul` says whether there were any),
// and a file that is not valid UTF-8 was written by an older installation in Windows-1252.
std::string decodeFileText(std::string_view bytes, bool* droppedNul = nullptr);

} // namespace kwintor
