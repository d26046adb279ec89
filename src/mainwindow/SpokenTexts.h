#pragma once

#include "engine/GameState.h"

#include <QString>

class QWidget;

namespace kwintor {

// What an open category cell of the player on turn would score with the dice on the table,
// or -1 while it would score nothing (not his cell, no throw yet this turn, a throw rolling).
int previewValue(const GameState& state, int player, int row);
// The tooltip of a cell: "Nu 25 punten" on a cell that may be scored now, how far the upper
// total is from the bonus on the bonus cell, else nothing.
QString cellToolTip(const GameState& state, int player, int row);

// The Dutch texts a screen reader reads for the controls of the window.
QString dieText(const GameState& state, int die);
QString cellText(const GameState& state, int player, int row);
QString nameText(const GameState& state, int player);
QString throwCounterText(const GameState& state);
QString sumText(const GameState& state);
QString throwButtonText(const GameState& state);
// What changed from `before` to `after` that is worth saying at once: the dice of a throw
// that ended, a hold or release, a placement (with the end of that player's game, and the
// final order once every player has finished), a placement taken back, the turn passing;
// empty when nothing did.
QString announcement(const GameState& before, const GameState& after);
// The totals of the player on turn and how far he is from the bonus.
QString totalsText(const GameState& state);
// Who is on turn, and what the throw so far shows.
QString turnText(const GameState& state);

// Gives `widget` the name a screen reader reads, and tells the reader only when it changed.
void setSpokenName(QWidget& widget, const QString& name);
// The columns of players who do not play stand on the sheet, greyed, but a screen reader's
// review of the window passes them over.
void setOutOfPlay(QWidget& widget, bool outOfPlay);

// Why a move was refused (GameFlow's Refusal), in words.
enum class Refusal;
QString refusalText(Refusal refusal);
// Space or Enter once every player has finished.
QString gameOverText();

} // namespace kwintor
