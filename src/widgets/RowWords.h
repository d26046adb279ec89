#pragma once

#include <QString>

namespace kwintor {

// The words of the sheet's rows, in one table for every window that names a row.

// The caption of a row as the sheet shows it ("Totaal enen", "Full house", "Totaal  A").
QString rowCaption(int row);
// The short explanation a lower row's caption shows as its tooltip (" 5 dezelfde ").
QString rowHint(int row);
// A category's name as the review uses it ("Enen", "Drie gelijke"); empty for a total row.
QString categoryName(int row);

} // namespace kwintor
