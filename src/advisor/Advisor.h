#pragma once

#include "advisor/Advice.h"
#include "advisor/Categories.h"
#include "advisor/DiceSets.h"
#include "advisor/Position.h"

#include <array>

namespace kwintor {

class ValueTable;

// The exact best move for the player whose column `position` shows; the other columns do not
// change it. Ties go to placing now, then to the hold that changes fewest of the current holds.
Advice advise(const ValueTable& table, const Position& position);

// What ending the turn is worth: [category 0..12][outcome - DiceSets::FirstOutcome]. Rows of used
// categories are not read.
using PlacementValues = std::array<std::array<double, DiceSets::OutcomeCount>, CategoryCount>;

// The best move within this turn when the end of the turn is valued by `values` instead of the
// table: how a player who looks no further than this turn plays.
Advice adviseWithin(const Position& position, const PlacementValues& values);

// The DiceSets outcome that five dice show, or -1 when a die is not 1..6.
int outcomeOf(const std::array<int, DiceCount>& dice);

} // namespace kwintor
