#pragma once

#include <cstdint>

namespace kwintor {

class Strategy;

// Many seeded games of one strategy: the mean score and its standard error.
struct Simulation {
    int games = 0;
    double mean = 0;
    double standardError = 0;
    int faults = 0; // games in which the strategy broke a rule
    double seconds = 0;
};

// Game g draws its dice and the strategy's chances from generators seeded by (seed, g), so the
// result does not depend on how many threads share the games.
Simulation simulate(const Strategy& strategy, int games, std::uint64_t seed, int threads);

} // namespace kwintor
