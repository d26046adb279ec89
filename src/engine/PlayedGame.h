#pragma once

#include "engine/Decision.h"
#include "engine/GameState.h"
#include "engine/PlayerKind.h"

#include <vector>

namespace kwintor {

// A game as played so far or to its end: the state it stands in, who plays each column (indexed
// by player, 1..6) and every hold and placement made, in order. The review reads it, and the game
// kept for the next start is one.
struct PlayedGame {
    GameState state;
    PlayerKinds kinds{};
    std::vector<Decision> decisions{};
};

} // namespace kwintor
