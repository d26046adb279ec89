#include "advisor/MasterStrategy.h"

#include "advisor/Advisor.h"
#include "advisor/Categories.h"
#include "advisor/ShareOut.h"
#include "advisor/SterkTurn.h"
#include "advisor/ValueTable.h"
#include "advisor/WinChance.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <unordered_map>

namespace kwintor {

namespace {

double normalBelow(double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); }

// Columns with this many categories open or fewer have their final total worked out exactly.
constexpr int ExactOpen = 4;

int openCount(unsigned used) { return CategoryCount - std::popcount(used & AllCategories); }

// The exact distribution of the points still to come from the start of a turn, per state, each
// worked out once (per thread) from the states one category further on.
class Rest {
public:
    const std::vector<double>& of(const ValueTable& table, unsigned used, int upper) {
        upper = settledUpper(used, upper);
        const std::uint32_t key = (used & AllCategories) << 6 | static_cast<std::uint32_t>(upper);
        if (auto found = m_known.find(key); found != m_known.end())
            return found->second;
        std::vector<double> rest;
        if ((used & AllCategories) == AllCategories) {
            rest = {1.0};
        } else {
            const SterkTurn turn(table, used, upper);
            std::map<std::pair<std::uint32_t, int>, double> results;
            for (const SterkTurn::Ending& e : turn.endings(0, 0)) {
                const unsigned next = used | 1u << e.category;
                const std::uint32_t k =
                    next << 6 | static_cast<std::uint32_t>(settledUpper(next, turn.upperAfter(e.category, e.outcome)));
                results[{k, turn.gain(e.category, e.outcome)}] += e.chance;
            }
            for (const auto& [next, chance] : results) {
                const std::vector<double>& after = of(table, next.first >> 6, static_cast<int>(next.first & 63));
                if (rest.size() < next.second + after.size())
                    rest.resize(next.second + after.size(), 0.0);
                for (std::size_t i = 0; i < after.size(); ++i)
                    rest[next.second + i] += chance * after[i];
            }
        }
        return m_known.emplace(key, std::move(rest)).first->second;
    }

private:
    std::unordered_map<std::uint32_t, std::vector<double>> m_known;
};

// A final total: exact with few categories open, else normal with Sterk's mean and spread.
TotalDistribution finalTotalOf(const ValueTable& table, const SpreadTable& spread, unsigned used, int upper,
                               int total) {
    thread_local Rest rest;
    TotalDistribution d;
    if (openCount(used) <= ExactOpen) {
        const std::vector<double>& r = rest.of(table, used, upper);
        d.assign(total + r.size(), 0.0);
        for (std::size_t i = 0; i < r.size(); ++i)
            d[total + i] = r[i];
        return d;
    }
    const double mean = total + table.value(used, upper);
    const double sd = std::sqrt(spread.variance(table, used, upper) + 1e-9);
    const int top = static_cast<int>(mean + 6 * sd) + 2;
    d.assign(static_cast<std::size_t>(std::max(top, total + 1)), 0.0);
    for (int t = total; t < top; ++t)
        d[static_cast<std::size_t>(t)] = normalBelow((t + 0.5 - mean) / sd) - normalBelow((t - 0.5 - mean) / sd);
    return d;
}

} // namespace

void SpreadTable::compute(const ValueTable& table, int threads, const std::atomic<bool>* cancel) {
    std::vector<double> square(std::size_t(ValueTable::MaskCount) * UpperStates, 0.0);
    std::vector<std::vector<unsigned>> layers(CategoryCount + 1);
    for (unsigned used = 0; used < AllCategories; ++used)
        layers[std::popcount(used)].push_back(used);
    for (int layer = CategoryCount - 1; layer >= 0; --layer) {
        const std::vector<unsigned>& masks = layers[layer];
        shareOut(masks.size(), threads, [&] {
            return [&](std::size_t i) {
                if (cancel && cancel->load(std::memory_order_relaxed))
                    return;
                const unsigned used = masks[i];
                double* row = square.data() + std::size_t(used) * UpperStates;
                for (int u = UpperStates - 1; u >= 0; --u) {
                    if (settledUpper(used, u) != u) {
                        row[u] = row[BonusThreshold];
                        continue;
                    }
                    if (!table.covers(used, u))
                        continue;
                    const SterkTurn turn(table, used, u);
                    double sum = 0;
                    for (const SterkTurn::Ending& e : turn.endings(0, 0)) {
                        const unsigned next = used | 1u << e.category;
                        const int nextUpper = settledUpper(next, turn.upperAfter(e.category, e.outcome));
                        const double g = turn.gain(e.category, e.outcome);
                        const double rest = table.value(next, nextUpper);
                        const double restSquare = square[std::size_t(next) * UpperStates + nextUpper];
                        sum += e.chance * (g * g + 2 * g * rest + restSquare);
                    }
                    row[u] = sum;
                }
            };
        });
    }
    if (!(cancel && cancel->load()))
        m_square.swap(square);
}

double SpreadTable::variance(const ValueTable& table, unsigned used, int upper) const {
    const int u = settledUpper(used, upper);
    const double mean = table.value(used, u);
    return std::max(0.0, m_square[std::size_t(used & AllCategories) * UpperStates + u] - mean * mean);
}

namespace {

// What ending the turn is worth to Meester: its chance to win after each placement.
void winValues(const ValueTable& table, const SpreadTable& spread, const Position& own, int ownTotal,
               const std::vector<Rival>& rivals, PlacementValues& values) {
    std::vector<std::pair<double, double>> others; // mean and variance of each rival's final total
    for (const Rival& r : rivals)
        others.emplace_back(r.total + table.value(r.used, r.upper), spread.variance(table, r.used, r.upper));
    // Gauss-Hermite nodes for the own final total when there is more than one rival.
    static constexpr double Nodes[] = {-3.4361591188, -2.5327316742, -1.7566836493, -1.0366108298, -0.3429013272,
                                       0.3429013272,  1.0366108298,  1.7566836493,  2.5327316742,  3.4361591188};
    static constexpr double Weights[] = {7.640432855e-06, 0.001343645747, 0.0338743944, 0.2401386111,
                                         0.6108626337,    0.6108626337,   0.2401386111, 0.0338743944,
                                         0.001343645747,  7.640432855e-06};
    std::vector<TotalDistribution> exactly(1);
    bool anyExact = false;
    for (const Rival& r : rivals) {
        exactly.push_back(finalTotalOf(table, spread, r.used, r.upper, r.total));
        anyExact = anyExact || openCount(r.used) <= ExactOpen;
    }
    auto winChance = [&](double mean, double variance) {
        if (others.size() == 1) {
            const double spreadBoth = std::sqrt(variance + others[0].second + 1e-9);
            return normalBelow((mean - others[0].first) / spreadBoth);
        }
        double p = 0;
        for (int i = 0; i < 10; ++i) {
            const double x = mean + std::sqrt(2 * variance) * Nodes[i];
            double all = 1;
            for (const auto& [m, v] : others)
                all *= normalBelow((x - m) / std::sqrt(v + 1e-9));
            p += Weights[i] * all;
        }
        return p / std::sqrt(M_PI);
    };
    const DiceSets& sets = DiceSets::instance();
    for (int c = 0; c < CategoryCount; ++c) {
        if (own.used >> c & 1)
            continue;
        std::map<int, double> byPoints;
        for (int o = 0; o < DiceSets::OutcomeCount; ++o) {
            const int points = static_cast<int>(sets.score(c, DiceSets::FirstOutcome + o));
            auto found = byPoints.find(points);
            if (found == byPoints.end()) {
                const unsigned next = own.used | 1u << c;
                const int upperAfter = own.upper + (c < 6 ? points : 0);
                const bool bonus = c < 6 && own.upper < BonusThreshold && upperAfter >= BonusThreshold;
                const double total = ownTotal + points + (bonus ? BonusPoints : 0);
                const double mean = total + table.value(next, upperAfter);
                double chance;
                if (anyExact || openCount(next) <= ExactOpen) {
                    exactly[0] = finalTotalOf(table, spread, next, upperAfter, static_cast<int>(total));
                    chance = shareOfWin(exactly)[0];
                } else {
                    chance = winChance(mean, spread.variance(table, next, upperAfter));
                }
                found = byPoints.emplace(points, chance).first;
            }
            // The expected points break ties between moves equally sure to win or lose.
            values[c][o] =
                found->second + 1e-7 * table.placementValue(own.used, own.upper, c, DiceSets::FirstOutcome + o);
        }
    }
}

// The values stay the same all turn: they are worked out once per turn (and thread).
struct TurnKey {
    unsigned used = ~0u;
    int upper = -1;
    int total = -1;
    std::vector<Rival> rivals;
    bool operator==(const TurnKey& o) const {
        return used == o.used && upper == o.upper && total == o.total && rivals.size() == o.rivals.size() &&
               std::equal(rivals.begin(), rivals.end(), o.rivals.begin(), [](const Rival& a, const Rival& b) {
                   return a.used == b.used && a.upper == b.upper && a.total == b.total;
               });
    }
};

} // namespace

Action masterMove(const ValueTable& table, const SpreadTable& spread, const Position& own, int ownTotal,
                  const std::vector<Rival>& rivals) {
    thread_local TurnKey last;
    thread_local PlacementValues values{};
    const TurnKey key{own.used, own.upper, ownTotal, rivals};
    if (!(key == last)) {
        winValues(table, spread, own, ownTotal, rivals, values);
        last = key;
    }
    const Advice advice = adviseWithin(own, values);
    return advice.valid ? advice.best : Action::throwKeeping(0);
}

} // namespace kwintor
