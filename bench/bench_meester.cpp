// Meester against Sterk: games in groups with the same dice for each seat and the seats turned,
// Meester's share of the wins (a shared win counting as its share) and its 95 % interval.
#include "Benchmarks.h"
#include "Timing.h"

#include "advisor/Advisor.h"
#include "advisor/Categories.h"
#include "advisor/MasterStrategy.h"
#include "advisor/ShareOut.h"
#include "advisor/SterkTurn.h"
#include "advisor/ValueTable.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using kwintor::bench::Clock;
using kwintor::bench::secondsSince;

struct Seat {
    kwintor::Position column; // used, upper; the turn's dice while it plays
    int total = 0;
};

// One turn of `seat`, its dice from `dice`; false when the move broke a rule.
bool playTurn(const kwintor::ValueTable& table, const kwintor::SpreadTable& spread, bool master,
              std::vector<Seat>& seats, int me, kwintor::QuickDice& dice) {
    using namespace kwintor;
    Seat& s = seats[static_cast<std::size_t>(me)];
    Position p = s.column;
    p.throwNumber = 0;
    p.held = {};
    for (int step = 0; step < 4; ++step) {
        Action a;
        if (master) {
            std::vector<Rival> rivals;
            for (std::size_t o = 0; o < seats.size(); ++o)
                if (static_cast<int>(o) != me)
                    rivals.push_back({seats[o].column.used, seats[o].column.upper, seats[o].total});
            a = masterMove(table, spread, p, s.total, rivals);
        } else {
            a = advise(table, p).best;
        }
        if (a.kind == Action::Kind::Place) {
            const int c = rowCategory(a.row);
            if (p.throwNumber == 0 || c < 0 || (p.used >> c & 1))
                return false;
            const int points = static_cast<int>(DiceSets::instance().score(c, outcomeOf(p.dice)));
            const bool bonus = c < 6 && p.upper < BonusThreshold && p.upper + points >= BonusThreshold;
            s.total += points + (bonus ? BonusPoints : 0);
            s.column.used = p.used | 1u << c;
            s.column.upper = p.upper + (c < 6 ? points : 0);
            return true;
        }
        if (p.throwNumber >= 3 || (p.throwNumber == 0 && a.keep != 0) || a.keep >= 31)
            return false;
        for (int i = 0; i < DiceCount; ++i)
            if (!(a.keep >> i & 1))
                p.dice[i] = 1 + static_cast<int>(((dice() & 0xffffffffu) * 6) >> 32);
        ++p.throwNumber;
    }
    return false;
}

// Meester's share of the win in one game with Meester in seat `master`.
double playGame(const kwintor::ValueTable& table, const kwintor::SpreadTable& spread, int players, int master,
                std::uint64_t group, std::atomic<int>& faults) {
    std::vector<Seat> seats(static_cast<std::size_t>(players));
    std::vector<kwintor::QuickDice> dice;
    for (int s = 0; s < players; ++s)
        dice.emplace_back(group * 8 + static_cast<std::uint64_t>(s) + 0x9e37);
    for (int round = 0; round < kwintor::CategoryCount; ++round)
        for (int s = 0; s < players; ++s)
            if (!playTurn(table, spread, s == master, seats, s, dice[static_cast<std::size_t>(s)]))
                ++faults;
    int best = 0, sharing = 0;
    for (const Seat& s : seats)
        best = std::max(best, s.total);
    for (const Seat& s : seats)
        sharing += s.total == best;
    return seats[static_cast<std::size_t>(master)].total == best ? 1.0 / sharing : 0.0;
}

void measure(const kwintor::ValueTable& table, const kwintor::SpreadTable& spread, int players, int games) {
    const int groups = games / players;
    std::vector<double> shares(static_cast<std::size_t>(groups));
    std::atomic<int> faults{0};
    const auto start = Clock::now();
    kwintor::shareOut(shares.size(), 2, [&] {
        return [&](std::size_t g) {
            double sum = 0;
            for (int master = 0; master < players; ++master)
                sum += playGame(table, spread, players, master, g, faults);
            shares[g] = sum / players;
        };
    });
    double mean = 0, squares = 0;
    for (double s : shares)
        mean += s / groups;
    for (double s : shares)
        squares += (s - mean) * (s - mean);
    const double error = std::sqrt(squares / (groups - 1) / groups);
    std::printf("  %d players, %d games (%d groups, seats turned): Meester wins %.2f %% (95 %% interval %.2f .. %.2f), "
                "broken rules %d, %.0f s\n",
                players, groups * players, groups, mean * 100, (mean - 1.96 * error) * 100, (mean + 1.96 * error) * 100,
                faults.load(), secondsSince(start));
}

} // namespace

void benchMeester(const kwintor::ValueTable& table, int games) {
    kwintor::SpreadTable spread;
    const auto start = Clock::now();
    spread.compute(table, 2);
    std::printf("\nMeester against Sterk (its spread table %.1f s):\n", secondsSince(start));
    measure(table, spread, 2, games);
    measure(table, spread, 3, games);
}
