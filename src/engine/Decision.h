#pragma once

#include "engine/GameState.h"

#include <array>

namespace kwintor {

// One choice a player made after a throw: the dice he held for the next throw, or the row he
// placed in (after the third throw he can only place). It keeps the part of his column that the
// worth of the choice depends on, so that it can be weighed after the game.
struct Decision {
    enum class Kind { Hold, Place };

    int player = 1;                    // 1..6
    int turn = 1;                      // his turn in this game, 1..13
    int throwNumber = 1;               // throws made this turn before the choice, 1..3
    std::array<int, DiceCount> dice{}; // dice 1..5 at [0..4], each 1..6
    Kind kind = Kind::Hold;
    unsigned holds = 0; // Hold: bit i set = die i + 1 held for the next throw
    int row = -1;       // Place: the sheet row, 0..5 or 8..14
    // His column before the choice: the categories scored (bit i = the i-th category row from
    // the top, rows 0..5 then 8..14), the upper total and the grand total.
    unsigned used = 0;
    int upper = 0;
    int total = 0;

    bool operator==(const Decision&) const = default;
};

} // namespace kwintor
