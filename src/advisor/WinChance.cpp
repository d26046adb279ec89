#include "advisor/WinChance.h"

#include "advisor/Advisor.h"
#include "advisor/Categories.h"
#include "advisor/ShareOut.h"
#include "advisor/SterkTurn.h"
#include "advisor/ValueTable.h"

#include <algorithm>
#include <bit>
#include <map>
#include <unordered_map>

namespace kwintor {

namespace {

int openCount(unsigned used) { return CategoryCount - std::popcount(used & AllCategories); }

// A column state as far as the rest of the game goes: the used categories and the upper total,
// 63 standing for every total whose bonus is settled (given, or out of reach), since from those
// totals play goes on alike.
std::uint32_t keyOf(unsigned used, int upper) {
    return (used & AllCategories) << 6 | static_cast<std::uint32_t>(settledUpper(used, upper));
}
unsigned usedOf(std::uint32_t key) { return key >> 6; }
int upperOf(std::uint32_t key) { return static_cast<int>(key & 63); }

// Adds `weight` times `part`, moved up by `shift` points, to `into`.
void addShifted(std::vector<double>& into, const std::vector<double>& part, int shift, double weight) {
    if (into.size() < shift + part.size())
        into.resize(shift + part.size(), 0.0);
    for (std::size_t i = 0; i < part.size(); ++i)
        into[shift + i] += weight * part[i];
}

// The ways a turn ends, by the state it leads to and the points it adds.
std::map<std::pair<std::uint32_t, int>, double> turnResults(const SterkTurn& turn, unsigned used, int throwMade,
                                                            int outcome) {
    std::map<std::pair<std::uint32_t, int>, double> results;
    for (const SterkTurn::Ending& e : turn.endings(throwMade, outcome))
        results[{keyOf(used | 1u << e.category, turn.upperAfter(e.category, e.outcome)),
                 turn.gain(e.category, e.outcome)}] += e.chance;
    return results;
}

// The distribution of the points still to come from the start of a turn, state by state, each
// worked out once from the states one category further on.
class Remainders {
public:
    explicit Remainders(const ValueTable& table) : m_table(table) {}

    const std::vector<double>& of(std::uint32_t key) {
        if (auto found = m_known.find(key); found != m_known.end())
            return found->second;
        std::vector<double> rest;
        const unsigned used = usedOf(key);
        if (used == AllCategories) {
            rest = {1.0};
        } else {
            const SterkTurn turn(m_table, used, upperOf(key));
            for (const auto& [next, chance] : turnResults(turn, used, 0, 0))
                addShifted(rest, of(next.first), next.second, chance);
        }
        // Node-based: references handed out earlier stay valid.
        return m_known.emplace(key, std::move(rest)).first->second;
    }

    TotalDistribution exact(const ColumnState& c) {
        TotalDistribution total;
        if (c.throwNumber == 0 || openCount(c.used) == 0) {
            addShifted(total, of(keyOf(c.used, c.upper)), c.total, 1.0);
            return total;
        }
        const std::uint32_t key = keyOf(c.used, c.upper);
        const SterkTurn turn(m_table, usedOf(key), upperOf(key));
        for (const auto& [next, chance] : turnResults(turn, c.used, c.throwNumber, outcomeOf(c.dice)))
            addShifted(total, of(next.first), c.total + next.second, chance);
        return total;
    }

private:
    const ValueTable& m_table;
    std::unordered_map<std::uint32_t, std::vector<double>> m_known;
};

QuickDice seeded(std::uint64_t seed, std::uint32_t round, std::uint32_t key) {
    QuickDice mix(seed ^ (std::uint64_t(round) << 32 | key));
    return QuickDice(mix());
}

bool cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

// One simulated game of one column, from where it stands now.
struct Sample {
    std::uint32_t key;
    int score;
    int column;
};

} // namespace

WinChance::WinChance(const ValueTable& table, WinChanceSettings settings) : m_table(table), m_settings(settings) {}

ColumnState WinChance::columnOf(const GameState& state, int player) {
    ColumnState c;
    if (player < 1 || player > MaxPlayers)
        return c;
    for (int cat = 0; cat < CategoryCount; ++cat)
        if (state.cells[player][categoryRow(cat)].scored)
            c.used |= 1u << cat;
    c.upper = state.TotaalA[player];
    c.total = state.TotaalAB[player];
    if (player == state.AanDeBeurt && !state.throwing && c.used != AllCategories) {
        for (int i = 0; i < DiceCount; ++i)
            c.dice[i] = state.DobbelWaarde[i + 1];
        if (state.WorpTeller > 0 && outcomeOf(c.dice) >= 0)
            c.throwNumber = std::min<int>(state.WorpTeller, 3);
    }
    return c;
}

namespace {

// The distributions of several columns at once: exact for columns with few categories open,
// simulated for the others, whose samples share the work wherever their states meet.
std::vector<TotalDistribution> distributions(const ValueTable& table, const WinChanceSettings& s,
                                             const std::vector<ColumnState>& columns, const std::atomic<bool>* cancel) {
    std::vector<TotalDistribution> out(columns.size());
    Remainders remainders(table);
    const int exactOpen = std::max(s.exactOpen, s.tailOpen);
    std::vector<Sample> samples;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnState& c = columns[i];
        if (openCount(c.used) <= exactOpen) {
            out[i] = remainders.exact(c);
            continue;
        }
        const std::uint32_t key = keyOf(c.used, c.upper);
        const std::size_t first = samples.size();
        samples.resize(first + s.samples, Sample{key, c.total, static_cast<int>(i)});
        if (c.throwNumber == 0)
            continue;
        // The turn under way goes on from the dice on the table.
        const SterkTurn turn(table, usedOf(key), upperOf(key));
        QuickDice rng = seeded(s.seed, 0, key);
        const int outcome = outcomeOf(c.dice);
        for (std::size_t j = first; j < samples.size(); ++j) {
            const int placed = turn.play(c.throwNumber, outcome, rng);
            const int cat = turn.category(placed);
            samples[j].score += turn.gain(cat, placed);
            samples[j].key = keyOf(c.used | 1u << cat, turn.upperAfter(cat, placed));
        }
    }

    // Turn by turn: the samples of one state share that state's solved turn.
    // Each sample to play on as its state and its number in one word, so that sorting groups them.
    std::vector<std::uint64_t> order;
    auto sampleAt = [&](std::size_t j) -> Sample& { return samples[order[j] & 0xffffffffu]; };
    for (std::uint32_t round = 1;; ++round) {
        order.clear();
        for (std::uint32_t j = 0; j < samples.size(); ++j)
            if (openCount(usedOf(samples[j].key)) > s.tailOpen)
                order.push_back(std::uint64_t(samples[j].key) << 32 | j);
        if (order.empty())
            break;
        std::sort(order.begin(), order.end());
        std::vector<std::size_t> groupStart;
        for (std::size_t j = 0; j < order.size(); ++j)
            if (j == 0 || order[j] >> 32 != order[j - 1] >> 32)
                groupStart.push_back(j);
        groupStart.push_back(order.size());
        shareOut(groupStart.size() - 1, s.threads, [&] {
            return [&](std::size_t g) {
                if (cancelled(cancel))
                    return;
                const auto key = static_cast<std::uint32_t>(order[groupStart[g]] >> 32);
                const unsigned used = usedOf(key);
                const SterkTurn turn(table, used, upperOf(key));
                QuickDice rng = seeded(s.seed, round, key);
                for (std::size_t j = groupStart[g]; j < groupStart[g + 1]; ++j) {
                    Sample& sample = sampleAt(j);
                    const int placed = turn.play(0, 0, rng);
                    const int cat = turn.category(placed);
                    sample.score += turn.gain(cat, placed);
                    sample.key = keyOf(used | 1u << cat, turn.upperAfter(cat, placed));
                }
            };
        });
        if (cancelled(cancel))
            return {};
    }

    // The last few categories of every sample exactly.
    std::map<std::tuple<int, std::uint32_t, int>, int> ends;
    for (const Sample& sample : samples)
        ++ends[{sample.column, sample.key, sample.score}];
    for (const auto& [end, count] : ends) {
        const auto& [column, key, score] = end;
        addShifted(out[column], remainders.of(key), score, double(count) / s.samples);
    }
    return out;
}

} // namespace

bool ColumnState::sameFuture(const ColumnState& o) const {
    return used == o.used && keyOf(used, upper) == keyOf(o.used, o.upper) && total == o.total &&
           throwNumber == o.throwNumber && (throwNumber == 0 || outcomeOf(dice) == outcomeOf(o.dice));
}

TotalDistribution WinChance::finalTotal(const ColumnState& column, const std::atomic<bool>* cancel) const {
    std::vector<TotalDistribution> d = finalTotals({column}, cancel);
    return d.empty() ? TotalDistribution{} : d.front();
}

std::vector<TotalDistribution> WinChance::finalTotals(const std::vector<ColumnState>& columns,
                                                      const std::atomic<bool>* cancel) const {
    std::vector<TotalDistribution> out(columns.size());
    std::vector<ColumnState> missing;
    std::vector<std::size_t> where;
    {
        const std::lock_guard lock(m_keptMutex);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const auto kept = std::find_if(m_kept.begin(), m_kept.end(),
                                           [&](const auto& k) { return k.first.sameFuture(columns[i]); });
            if (kept != m_kept.end()) {
                out[i] = kept->second;
            } else {
                missing.push_back(columns[i]);
                where.push_back(i);
            }
        }
    }
    if (missing.empty())
        return out;
    std::vector<TotalDistribution> made = distributions(m_table, m_settings, missing, cancel);
    if (made.empty())
        return {};
    const std::lock_guard lock(m_keptMutex);
    for (std::size_t j = 0; j < made.size(); ++j) {
        out[where[j]] = made[j];
        if (missing[j].throwNumber == 0) {
            m_kept.emplace_back(missing[j], std::move(made[j]));
            if (m_kept.size() > KeptColumns)
                m_kept.pop_front();
        }
    }
    return out;
}

std::vector<double> WinChance::chances(const GameState& state, const std::atomic<bool>* cancel) const {
    std::vector<ColumnState> columns;
    for (int p = 1; p <= std::clamp<int>(state.AantalSpelers, 1, MaxPlayers); ++p)
        columns.push_back(columnOf(state, p));
    return chances(columns, cancel);
}

std::vector<double> WinChance::chances(const std::vector<ColumnState>& columns, const std::atomic<bool>* cancel) const {
    const int players = static_cast<int>(columns.size());
    if (players == 0)
        return {0.0};
    // Players who stand alike have one distribution, so that they get equal chances.
    std::vector<ColumnState> distinct;
    std::vector<int> which(players + 1, 0);
    for (int p = 1; p <= players; ++p) {
        const ColumnState& c = columns[p - 1];
        const auto same =
            std::find_if(distinct.begin(), distinct.end(), [&](const ColumnState& d) { return d.sameFuture(c); });
        which[p] = static_cast<int>(same - distinct.begin());
        if (same == distinct.end())
            distinct.push_back(c);
    }
    if (distinct.size() == 1) { // everyone alike, as before the first throw
        std::vector<double> equal(players + 1, 1.0 / players);
        equal[0] = 0;
        return equal;
    }
    const std::vector<TotalDistribution> totals = finalTotals(distinct, cancel);
    if (totals.empty())
        return {};
    std::vector<TotalDistribution> byPlayer;
    for (int p = 1; p <= players; ++p)
        byPlayer.push_back(totals[which[p]]);
    std::vector<double> share = shareOfWin(byPlayer);
    share.insert(share.begin(), 0.0);
    return share;
}

std::vector<double> shareOfWin(const std::vector<TotalDistribution>& totals) {
    const std::size_t n = totals.size();
    std::size_t length = 0;
    for (const TotalDistribution& t : totals)
        length = std::max(length, t.size());
    auto at = [&](std::size_t p, std::size_t t) { return t < totals[p].size() ? totals[p][t] : 0.0; };
    // below[p][t]: the chance that p ends under t points.
    std::vector<std::vector<double>> below(n, std::vector<double>(length + 1, 0.0));
    for (std::size_t p = 0; p < n; ++p)
        for (std::size_t t = 0; t < length; ++t)
            below[p][t + 1] = below[p][t] + at(p, t);
    std::vector<double> win(n, 0.0);
    std::vector<double> ways;
    for (std::size_t p = 0; p < n; ++p)
        for (std::size_t t = 0; t < length; ++t) {
            if (at(p, t) == 0)
                continue;
            // ways[m]: the chance that every other player ends at or under t, m of them on t.
            ways.assign(1, 1.0);
            for (std::size_t q = 0; q < n; ++q) {
                if (q == p)
                    continue;
                ways.push_back(0.0);
                for (std::size_t m = ways.size() - 1; m > 0; --m)
                    ways[m] = ways[m] * below[q][t] + ways[m - 1] * at(q, t);
                ways[0] *= below[q][t];
            }
            double share = 0;
            for (std::size_t m = 0; m < ways.size(); ++m)
                share += ways[m] / double(m + 1);
            win[p] += at(p, t) * share;
        }
    return win;
}

} // namespace kwintor
