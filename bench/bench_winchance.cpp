// Figures of the chance to win for six players on two threads: the time of the update after each
// placement of a whole game, the time of a first computation (the window opened) at every stage,
// the largest error against the exact computation where that can be made, and the memory taken.
#include "Benchmarks.h"
#include "Timing.h"

#include "advisor/Categories.h"
#include "advisor/SterkTurn.h"
#include "advisor/ValueTable.h"
#include "advisor/WinChance.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

using kwintor::bench::Clock;
using kwintor::bench::secondsSince;

// One turn of the column as Sterk plays it.
void playTurn(const kwintor::ValueTable& table, kwintor::ColumnState& c, kwintor::QuickDice& rng) {
    const kwintor::SterkTurn turn(table, c.used, c.upper);
    const int placed = turn.play(0, 0, rng);
    const int cat = turn.category(placed);
    c.total += turn.gain(cat, placed);
    c.upper = turn.upperAfter(cat, placed);
    c.used |= 1u << cat;
}

kwintor::GameState gameOf(const std::vector<kwintor::ColumnState>& columns) {
    kwintor::GameState s;
    s.AantalSpelers = static_cast<std::uint8_t>(columns.size());
    for (int p = 1; p <= int(columns.size()); ++p) {
        const kwintor::ColumnState& c = columns[p - 1];
        for (int cat = 0; cat < kwintor::CategoryCount; ++cat)
            s.cells[p][kwintor::categoryRow(cat)].scored = c.used >> cat & 1;
        s.TotaalA[p] = c.upper;
        s.TotaalAB[p] = c.total;
    }
    return s;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

kwintor::WinChanceSettings settings() {
    kwintor::WinChanceSettings s;
    if (const char* v = std::getenv("KWINTOR_SAMPLES"))
        s.samples = std::atoi(v);
    if (const char* v = std::getenv("KWINTOR_TAIL"))
        s.tailOpen = std::atoi(v);
    if (const char* v = std::getenv("KWINTOR_EXACT"))
        s.exactOpen = std::atoi(v);
    return s;
}

} // namespace

void benchWinChance(const kwintor::ValueTable& table) {
    using namespace kwintor;
    const long before = peakKilobytes();
    const WinChanceSettings s = settings();
    std::printf("\nChance to win, six players, on 2 threads (%d games per column, the last %d categories "
                "exactly, exact from %d open):\n",
                s.samples, s.tailOpen, s.exactOpen);

    // A whole game, placement by placement, as the window follows it.
    QuickDice rng(2607);
    std::vector<ColumnState> columns(6);
    const WinChance live(table, s);
    std::vector<double> updates;
    for (int turn = 0; turn < CategoryCount; ++turn)
        for (int p = 0; p < 6; ++p) {
            playTurn(table, columns[p], rng);
            const auto start = Clock::now();
            live.chances(gameOf(columns));
            updates.push_back(secondsSince(start));
        }
    std::vector<double> sorted = updates;
    std::sort(sorted.begin(), sorted.end());
    int slowestAt = static_cast<int>(std::max_element(updates.begin(), updates.end()) - updates.begin());
    std::printf("  update after each of 78 placements: median %.0f ms, slowest %.0f ms (placement %d)\n",
                sorted[sorted.size() / 2] * 1000, sorted.back() * 1000, slowestAt + 1);

    // The window opened (or a game taken up) at each stage: every column worked out.
    double slowest = 0;
    for (int turns = 0; turns <= CategoryCount; ++turns) {
        std::vector<ColumnState> stage(6);
        for (int p = 0; p < 6; ++p)
            for (int t = 0; t < std::max(0, turns - (p == 5)); ++t)
                playTurn(table, stage[p], rng);
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        const std::vector<double> estimate = WinChance(table, s).chances(gameOf(stage));
        const double seconds = secondsSince(start);
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        slowest = std::max(slowest, seconds);
        std::printf("  first computation after %2d turns (the sixth one behind): %5.0f ms, processor time %5.0f ms",
                    turns, seconds * 1000, cpu * 1000);
        // The exact distributions cost 2^open states each: up to eight open they are quick enough.
        if (CategoryCount - turns <= 8 && turns < CategoryCount) {
            WinChanceSettings exactly;
            exactly.exactOpen = CategoryCount;
            std::vector<TotalDistribution> totals;
            for (const ColumnState& c : stage)
                totals.push_back(WinChance(table, exactly).finalTotal(c));
            const std::vector<double> truth = shareOfWin(totals);
            double worst = 0;
            for (int p = 0; p < 6; ++p)
                worst = std::max(worst, std::abs(truth[p] - estimate[p + 1]));
            std::printf(", largest error against exact %.2f percentage points", worst * 100);
        }
        std::printf("\n");
    }
    std::printf("  slowest first computation %.0f ms; peak memory grew by %.1f MiB\n", slowest * 1000,
                (peakKilobytes() - before) / 1024.0);

    // Early on no exact figure can be had: the spread of the simulated figure over other seeds
    // shows its error there (a standard deviation of 0.3 points keeps 99.9 % of them within 1).
    for (int turns : {1, 3}) {
        std::vector<ColumnState> stage(6);
        for (int p = 0; p < 6; ++p)
            for (int t = 0; t < turns; ++t)
                playTurn(table, stage[p], rng);
        constexpr int Seeds = 8;
        std::vector<std::vector<double>> runs;
        for (int seed = 0; seed < Seeds; ++seed) {
            WinChanceSettings other = s;
            other.seed = s.seed + 1 + static_cast<std::uint64_t>(seed);
            runs.push_back(WinChance(table, other).chances(gameOf(stage)));
        }
        double worstSd = 0;
        for (int p = 1; p <= 6; ++p) {
            double mean = 0, squares = 0;
            for (const auto& r : runs)
                mean += r[p] / Seeds;
            for (const auto& r : runs)
                squares += (r[p] - mean) * (r[p] - mean);
            worstSd = std::max(worstSd, std::sqrt(squares / (Seeds - 1)));
        }
        std::printf("  after %d turns, %d seeds: largest standard deviation of a player's chance %.2f percentage "
                    "points\n",
                    turns, Seeds, worstSd * 100);
    }
}
