#include "advisor/Simulation.h"

#include "advisor/SelfPlay.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
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
    std::atomic<int> next{0}, faults{0};
    auto work = [&] {
        for (int g; (g = next.fetch_add(1, std::memory_order_relaxed)) < games;) {
            std::mt19937_64 dice = seeded(seed, g, 0);
            std::mt19937_64 choices = seeded(seed, g, 1);
            const PlayedGame played = playGame(strategy, dice, choices);
            scores[g] = played.score;
            if (!played.fault.empty())
                faults.fetch_add(1, std::memory_order_relaxed);
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();

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
