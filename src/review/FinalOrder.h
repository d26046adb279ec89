#pragma once

#include "engine/GameState.h"

#include <vector>

namespace kwintor {

// A player's place when every column is full.
struct Standing {
    int player = 0;
    int place = 0; // 1 for the highest grand total; equal totals share a place (1, 1, 3)
};

// The players in play by grand total, highest first; equal totals in player order.
std::vector<Standing> finalOrder(const GameState& state);

} // namespace kwintor
