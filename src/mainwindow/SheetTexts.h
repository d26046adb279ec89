#pragma once

#include <QDateTime>
#include <QString>

namespace kwintor {

// The caption of a category row as the sheet shows it ("Totaal enen", "Full house").
QString rowCaption(int row);
// The short explanation a lower row's caption shows as its tooltip (" 5 dezelfde ").
QString rowHint(int row);
// The thirteen lines of the help panel, each followed by a line end.
QString helpText();
// The caption of the menu bar's Info item at a moment: it changes every ten seconds.
QString infoCaption(const QDateTime& moment);

} // namespace kwintor
