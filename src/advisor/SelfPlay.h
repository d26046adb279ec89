#pragma once

#include "advisor/Action.h"
#include "advisor/Position.h"

#include <functional>
#include <random>
#include <string>

namespace kwintor {

class Strategy;

// One player's game played by a strategy through the engine's Game, so that every move obeys the
// real rules: the holds through toggleHold, each throw through beginThrow, settleDie and endThrow,
// each placement through place.
struct PlayedGame {
    int score = 0;     // the grand total
    int throws = 0;    // in the whole game
    std::string fault; // empty, or the first rule the strategy broke; the game stops there
};

// `dice` draws the faces; `choices` is the strategy's own chance. `observe`, when given, sees each
// position and the move chosen in it.
PlayedGame playGame(const Strategy& strategy, std::mt19937_64& dice, std::mt19937_64& choices,
                    const std::function<void(const Position&, const Action&)>& observe = {});

} // namespace kwintor
