#pragma once

#include "engine/GameState.h"

namespace kwintor {

// The thirteen categories in sheet order, numbered 0..12 (rows 0..5, then rows 8..14). A "used
// mask" has bit i set when category i is scored.
constexpr int categoryRow(int category) { return category < 6 ? category : category + 2; }
constexpr int rowCategory(int row) { return isUpperRow(row) ? row : isLowerRow(row) ? row - 2 : -1; }
constexpr unsigned AllCategories = (1u << CategoryCount) - 1;
constexpr unsigned UpperCategories = (1u << 6) - 1;

// Upper totals of 63 and more lead to the same future: the bonus is given and nothing else
// depends on the total.
constexpr int UpperStates = BonusThreshold + 1;
constexpr int cappedUpper(int upper) { return upper < 0 ? 0 : upper > BonusThreshold ? BonusThreshold : upper; }

// The most points the open upper categories can still add.
constexpr int upperStillPossible(unsigned used) {
    int points = 0;
    for (int face = 1; face <= 6; ++face)
        if (!(used >> (face - 1) & 1))
            points += DiceCount * face;
    return points;
}

// An upper total whose bonus is settled (given, or out of reach) plays on as 63 does.
constexpr int settledUpper(unsigned used, int upper) {
    const int u = cappedUpper(upper);
    return u + upperStillPossible(used) < BonusThreshold ? BonusThreshold : u;
}

} // namespace kwintor
