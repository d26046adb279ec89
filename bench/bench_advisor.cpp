// Figures of the advisor: the game value, the time and memory of its table, the cache, the time of
// one piece of advice, and 10^5 games played by it. Also the batch mode `kwintor_bench advise`.
#include "Benchmarks.h"
#include "Timing.h"

#include "advisor/Advisor.h"
#include "advisor/BatchAdvice.h"
#include "advisor/Simulation.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using kwintor::bench::Clock;
using kwintor::bench::secondsSince;
using kwintor::bench::threadMicros;

// Decimals that do not follow the locale, which QApplication has set from the environment.
std::string fixed(double value, int decimals) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Best and median of several runs: other processes on a busy machine only ever add to a run.
struct Runs {
    double best;
    double median;
};

template <typename F>
Runs timeRuns(int count, F&& run) {
    std::vector<double> seconds;
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        run();
        seconds.push_back(secondsSince(start));
    }
    std::sort(seconds.begin(), seconds.end());
    return {seconds.front(), seconds[seconds.size() / 2]};
}

// A position that play can reach: a column that is not full, an upper total its used upper
// categories can make, a throw and its dice.
kwintor::Position randomPosition(std::mt19937_64& rng) {
    kwintor::Position p;
    p.used = static_cast<unsigned>(rng() % kwintor::AllCategories);
    do
        p.upper = static_cast<int>(rng() % 106);
    while (!kwintor::ValueTable::canOccur(p.used, p.upper));
    p.throwNumber = 1 + static_cast<int>(rng() % 3);
    for (int& d : p.dice)
        d = 1 + static_cast<int>(rng() % 6);
    return p;
}

constexpr int SimulatedGames = 100000;
constexpr std::uint64_t AdvisorSeed = 20240612;

} // namespace

int adviseFromInput() {
    kwintor::ValueTable table;
    table.compute(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())),
                  kwintor::ValueTable::Coverage::EveryTotal);
    std::ios::sync_with_stdio(false);
    kwintor::adviseStream(table, std::cin, std::cout);
    return 0;
}

void benchAdvisor() {
    kwintor::ValueTable table;
    const Runs one = timeRuns(3, [&] { table.compute(1); });
    const Runs two = timeRuns(5, [&] { table.compute(2); });
    const std::clock_t cpuStart = std::clock();
    table.compute(2);
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("advisor: expected score %s; table %s s with 2 threads (median %s, processor time of both %s s), "
                "%s s with 1 (median %s); target <= 0.5 s\n",
                fixed(table.gameValue(), 6).c_str(), fixed(two.best, 3).c_str(), fixed(two.median, 3).c_str(),
                fixed(cpu, 3).c_str(), fixed(one.best, 3).c_str(), fixed(one.median, 3).c_str());
    const Runs every = timeRuns(3, [&] { table.compute(2, kwintor::ValueTable::Coverage::EveryTotal); });
    std::printf("advisor: table with every upper total (for the batch mode) %s s with 2 threads (median %s)\n",
                fixed(every.best, 3).c_str(), fixed(every.median, 3).c_str());
    table.compute(2);

    const std::string cache = (std::filesystem::temp_directory_path() / "kwintor_bench_advisor.cache").string();
    const bool saved = table.save(cache);
    kwintor::ValueTable loaded;
    bool ok = saved;
    const Runs load = timeRuns(11, [&] { ok = loaded.load(cache) && ok; });
    std::printf("advisor: cache of %s MB, %s; load and check %s ms (median %s)\n",
                fixed(std::filesystem::file_size(cache) / 1048576.0, 1).c_str(),
                ok ? "read back whole" : "NOT READ BACK", fixed(load.best * 1000, 1).c_str(),
                fixed(load.median * 1000, 1).c_str());
    std::filesystem::remove(cache);

    std::mt19937_64 rng(7);
    std::vector<double> micros, cpuMicros;
    double sink = 0;
    for (int i = 0; i < 10000; ++i) {
        const kwintor::Position p = randomPosition(rng);
        const double cpuStart = threadMicros();
        const auto start = Clock::now();
        const kwintor::Advice advice = kwintor::advise(table, p);
        micros.push_back(secondsSince(start) * 1e6);
        cpuMicros.push_back(threadMicros() - cpuStart);
        sink += advice.expected;
    }
    std::sort(micros.begin(), micros.end());
    std::printf("advisor: one piece of advice over 10000 random positions: median %s us, 99th percentile %s us, "
                "worst %s us (processor time: worst %s us); target < 5 ms%s\n",
                fixed(micros[micros.size() / 2], 1).c_str(), fixed(micros[micros.size() * 99 / 100], 1).c_str(),
                fixed(micros.back(), 1).c_str(),
                fixed(*std::max_element(cpuMicros.begin(), cpuMicros.end()), 1).c_str(),
                sink > 0 ? "" : " (no advice?)");
    std::printf("advisor: table memory %s MB (target <= 8 MB)\n", fixed(table.memoryBytes() / 1048576.0, 1).c_str());

    const auto strong = kwintor::makeStrategy(kwintor::PlayerKind::Sterk, table);
    const kwintor::Simulation games = kwintor::simulate(*strong, SimulatedGames, AdvisorSeed, 2);
    const double off = std::abs(games.mean - table.gameValue()) / games.standardError;
    std::printf("advisor: %d games played by the advisor (seed %llu): mean %s, standard error %s; %s SE from %s (%s); "
                "%d rule faults; %s s\n",
                games.games, static_cast<unsigned long long>(AdvisorSeed), fixed(games.mean, 3).c_str(),
                fixed(games.standardError, 3).c_str(), fixed(off, 2).c_str(), fixed(table.gameValue(), 3).c_str(),
                off <= 3 ? "within 3 SE" : "NOT within 3 SE", games.faults, fixed(games.seconds, 1).c_str());
    benchPlayers(table, games);
    benchWinChance(table);
}
