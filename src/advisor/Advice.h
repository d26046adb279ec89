#pragma once

#include "advisor/Action.h"
#include "engine/GameState.h"

#include <array>
#include <limits>

namespace kwintor {

// The best move in a position and what the choices are worth. Every value is in expected points
// still to come this game, this turn's placement and bonus included: the expected final total is
// the points already on the sheet plus that.
struct Advice {
    static constexpr double None = std::numeric_limits<double>::quiet_NaN();

    bool valid = false; // false: no such position (bad dice, a full sheet) or none the table covers
    Action best;
    double expected = None;
    // After throw 1 or 2: the best set of dice to hold for another throw (never all five, which is
    // worth no more than placing) and its value; before the first throw: hold nothing, and the
    // value of the turn.
    unsigned bestKeep = 0;
    double keepExpected = None;
    // By row: the value of placing the dice there now; None for rows that are no open category,
    // and for every row before the first throw.
    std::array<double, CellCount> placeExpected{None, None, None, None, None, None, None, None, None,
                                                None, None, None, None, None, None, None, None};
};

} // namespace kwintor
