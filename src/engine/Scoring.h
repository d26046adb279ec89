#pragma once

#include "engine/GameState.h"

namespace kwintor {

// The dice contain four consecutive values (doubles do not matter).
bool KleineStraat(const Dice& dice);
// The dice contain five consecutive values.
bool GroteStraat(const Dice& dice);
// One value shows exactly three times and another exactly twice; five equal dice are not a full house.
bool FullHouse(const Dice& dice);

// The value of category `row` (0..5, 8..14) for these dice; `sum` is DobbelSom.
// Total rows and rows out of range score 0. A die of value 0 matches nothing.
int categoryValue(int row, const Dice& dice, int sum);
int categoryValue(int row, const Dice& dice);

} // namespace kwintor
