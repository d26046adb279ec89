#pragma once

#include "engine/GameState.h"

#include <array>
#include <optional>
#include <string>

namespace kwintor {

// What a click on a score cell came to.
enum class PlaceResult {
    Ignored,        // silently refused: not a "0" category cell, no throw since the last placement, ...
    NotOnTurn,      // another player is on turn: "U bent nu niet aan de beurt!"
    Placed,         // score written, turn passed
    PlayerFinished, // as Placed, and that was the player's thirteenth category
};

// The game rules over a GameState. Every operation keeps the state's invariants,
// whatever order the calls come in; callers mirror the state into the window.
class Game {
public:
    // `defaultNames` are the names of players 1..6 before anyone chose names, in the player's
    // language; the rules do not care what they are.
    explicit Game(const PlayerNames& defaultNames = {});

    const GameState& state() const { return m_state; }

    // A throw in three steps. beginThrow() counts the throw, clears every die that
    // is not held and answers which dice roll (the holds are read once, here); it
    // refuses (false) while a throw is under way or after the third throw.
    bool beginThrow();
    // The dice that the current throw rolls (index 1..5).
    const std::array<bool, DiceCount + 1>& rolling() const { return m_rolling; }
    // Die `die` shows `value` (1..6) for now: each frame of the animation settles it anew, and
    // the face it shows when the throw ends is its value. Ignored for a die that does not roll.
    void settleDie(int die, int value);
    // Ends the throw: DobbelSom becomes the sum of the dice.
    void endThrow();

    // Holds or releases a die. Before the turn's first throw the dice on the table belong to
    // the turn before, so there is nothing to hold and the click does nothing.
    void toggleHold(int die);

    // A click on cell `row` of player `player`'s column. It takes a placement only after a
    // throw of the current turn: a turn never places dice it did not throw.
    PlaceResult place(int player, int row);

    // Back to one player, a clean sheet and player 1 on turn; the dice stay on the table.
    // Refused (false) while a throw is under way.
    bool newGame();

    // The players dialog's OK: the number of players and the names of players 1..count.
    // Opens the unscored categories and the totals of the columns in play, closes the others.
    // Neither the scores, the totals nor the turn change.
    void choosePlayers(int count, const PlayerNames& names);

    // The player whose turn follows `player`'s.
    int nextPlayer(int player) const;
    // All 13 categories of `player` are scored.
    bool playerFinished(int player) const;
    // Every player in play has scored all 13 categories.
    bool over() const;
    // The throw button may be pressed.
    bool canThrow() const;

    // Puts back a state read from a kept game; no throw is under way in it.
    void restore(const GameState& state);

    // The last placement can be taken back until the next throw begins, a new game starts or
    // the players are chosen: the game keeps the state from just before it, and nothing older.
    bool canUndo() const { return m_undo.has_value(); }
    // Puts that state back (cells, totals, bonus, turn, dice, holds, throw count); false when
    // there is nothing to take back.
    bool undo();
    // A finished player's score has gone to the score list: his last placement stays.
    void forgetUndo() { m_undo.reset(); }

private:
    void resetSheet();

    PlayerNames m_defaultNames;
    GameState m_state;
    std::array<bool, DiceCount + 1> m_rolling{};
    std::optional<GameState> m_undo;
};

// The same three rules over a bare state, for those that hold a state and no game.
// All 13 categories of `player` (1..6) are scored.
bool playerFinished(const GameState& state, int player);
// Every player in play has scored all 13 categories: the game is over.
bool gameOver(const GameState& state);
// No throw is under way and the turn has a throw left.
bool canThrow(const GameState& state);

// The sum the window shows beside the dice: the dice's sum once the turn has thrown, else 0.
inline int tableSum(const GameState& state) { return state.WorpTeller > 0 ? state.DobbelSom : 0; }

} // namespace kwintor
