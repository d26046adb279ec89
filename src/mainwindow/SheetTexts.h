#pragma once

#include "engine/GameState.h"
#include "widgets/RowWords.h"

#include <QDateTime>
#include <QString>

namespace kwintor {

// The name of player 1..6 until names are chosen: "Speler 3".
QString defaultPlayerName(int player);
PlayerNames defaultPlayerNames();
// The thirteen lines of the help panel, each followed by a line end.
QString helpText();
// The caption of the menu bar's Info item at a moment: it changes every ten seconds.
QString infoCaption(const QDateTime& moment);

} // namespace kwintor
