#pragma once

#include "advisor/WinChance.h"
#include "engine/Decision.h"

#include <vector>

namespace kwintor {

// Every player's column through a game, rebuilt from its decisions: [0] before the first
// placement, [k] after the k-th; each holds the columns of players 1..players at [0..players-1].
// A placement starts from the column its decision saw, so a log that begins late still fits.
std::vector<std::vector<ColumnState>> columnsThroughGame(const std::vector<Decision>& decisions, int players);

// Where each round ends in that list: [r] is the first index at which every player has placed r
// times ([0] = 0, the start), for every round that has ended.
std::vector<std::size_t> roundEnds(const std::vector<std::vector<ColumnState>>& steps);

// The player who placed to reach step k (1..), 0 for the start.
int placerAt(const std::vector<Decision>& decisions, std::size_t step);

} // namespace kwintor
