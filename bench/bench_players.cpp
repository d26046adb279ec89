// Figures of the computer players: 10^5 seeded games per level (mean, standard error, time) and
// the time each level takes to choose a move.
#include "Benchmarks.h"
#include "Timing.h"

#include "advisor/Simulation.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

using kwintor::bench::Clock;
using kwintor::bench::secondsSince;
using kwintor::bench::threadMicros;

std::string fixed(double value, int decimals) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Times every choice made after a throw (before the first throw there is nothing to choose).
class TimedStrategy : public kwintor::Strategy {
public:
    explicit TimedStrategy(const kwintor::Strategy& inner) : m_inner(inner) {}
    kwintor::Action decide(const kwintor::Position& position, std::mt19937_64& rng) const override {
        const double cpuStart = threadMicros();
        const auto start = Clock::now();
        const kwintor::Action action = m_inner.decide(position, rng);
        if (position.throwNumber > 0) {
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            cpuMicros.push_back(threadMicros() - cpuStart);
        }
        return action;
    }
    mutable std::vector<double> micros, cpuMicros;

private:
    const kwintor::Strategy& m_inner;
};

constexpr int Games = 100000;
constexpr std::uint64_t Seed = 20240613;

const char* const LevelName[] = {"", "Makkelijk", "Gemiddeld", "Sterk"};

} // namespace

void benchPlayers(const kwintor::ValueTable& table, const kwintor::Simulation& strongGames) {
    for (kwintor::PlayerKind level :
         {kwintor::PlayerKind::Makkelijk, kwintor::PlayerKind::Gemiddeld, kwintor::PlayerKind::Sterk}) {
        const auto strategy = kwintor::makeStrategy(level, table);
        const bool strong = level == kwintor::PlayerKind::Sterk;
        const kwintor::Simulation s = strong ? strongGames : kwintor::simulate(*strategy, Games, Seed, 2);
        TimedStrategy timed(*strategy);
        kwintor::simulate(timed, 1000, Seed + 1, 1);
        std::sort(timed.micros.begin(), timed.micros.end());
        std::printf("players: %s: %d games%s: mean %s, standard error %s, %d rule faults, %s s on 2 threads; "
                    "a move takes %s us (median of %zu), worst %s us (processor time: worst %s us)\n",
                    LevelName[static_cast<int>(level)], s.games, strong ? " (the advisor's above)" : "",
                    fixed(s.mean, 2).c_str(), fixed(s.standardError, 2).c_str(), s.faults, fixed(s.seconds, 1).c_str(),
                    fixed(timed.micros[timed.micros.size() / 2], 1).c_str(), timed.micros.size(),
                    fixed(timed.micros.back(), 1).c_str(),
                    fixed(*std::max_element(timed.cpuMicros.begin(), timed.cpuMicros.end()), 1).c_str());
    }
}
