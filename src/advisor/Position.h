#pragma once

#include "engine/GameState.h"

#include <array>

namespace kwintor {

// What a player sees on the table when a move is due: his own column, the throw count, the dice
// and the holds. Never anything of the dice to come.
struct Position {
    unsigned used = 0;                  // bit i: category i (sheet order, see Categories.h) is scored
    int upper = 0;                      // the upper total so far, not capped
    int throwNumber = 0;                // throws made this turn, 0..3
    std::array<int, DiceCount> dice{};  // dice 1..5 at [0..4], each 1..6 after a throw
    std::array<bool, DiceCount> held{}; // the holds as they are now
};

// The position of `player` (1..6) as the state shows it; the throw count, dice and holds are those
// on the table, which belong to the player on turn.
Position positionOf(const GameState& state, int player);

} // namespace kwintor
