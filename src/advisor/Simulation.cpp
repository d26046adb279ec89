#include "advisor/Simulation.h"

#include "advisor/SelfPlay.h"
#include "advisor/ShareOut.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <vector>

namespace kwintor {

namespace {

std::mt19937_64 seeded(std::uint64_t seed, int game, int stream) {
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                      static_cast<std::uint32_t>(game), static_cast<std::uint32_t>(stream)};
    return std::mt19937_64(seq);
}

} // namespace

Simulation simulate(const Strategy& strategy, int games, std::uint64_t seed, int threads) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<int> scores(std::max(games, 0));
    std::atomic<int> faults{0};
    shareOut(scores.size(), threads, [&] {
        return [&](std::size_t g) {
            std::mt19937_64 dice = seeded(seed, static_cast<int>(g), 0);
            std::mt19937_64 choices = seeded(seed, static_cast<int>(g), 1);
            const PlayedGame played = playGame(strategy, dice, choices);
            scores[g] = played.score;
            if (!played.fault.empty())
                faults.fetch_add(1, std::memory_order_relaxed);
        };
    });

    Simulation s;
    s.games = games;
    s.faults = faults;
    double sum = 0, squares = 0;
    for (int score : scores)
        sum += score;
    s.mean = games > 0 ? sum / games : 0;
    for (int score : scores)
        squares += (score - s.mean) * (score - s.mean);
    s.standardError = games > 1 ? std::sqrt(squares / (games - 1) / games) : 0;
    s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return s;
}

} // namespace kwintor
