#include "advisor/SterkTurn.h"

#include "advisor/Categories.h"
#include "advisor/TurnSolver.h"
#include "advisor/ValueTable.h"

#include <algorithm>

namespace kwintor {

namespace {

// Values closer than this are equal, as the advisor counts them.
constexpr double Tie = 1e-9;

// For each outcome the smaller keeps it contains (never all five dice), each once; and for each
// keep the outcomes that throwing the other dice can give.
struct Tables {
    // The smaller keeps of outcome o are subKeeps[subStart[o - FirstOutcome] .. subStart[o - FirstOutcome + 1]).
    std::vector<std::uint16_t> subKeeps;
    std::array<std::uint32_t, DiceSets::OutcomeCount + 1> subStart{};
    std::vector<std::vector<SterkTurn::Roll>> rolls; // [keep]

    Tables() : rolls(DiceSets::FirstOutcome) {
        const DiceSets& sets = DiceSets::instance();
        for (int o = DiceSets::FirstOutcome; o < DiceSets::KeepCount; ++o) {
            const DiceSets::Counts& c = sets.counts(o);
            subStart[o - DiceSets::FirstOutcome] = static_cast<std::uint32_t>(subKeeps.size());
            DiceSets::Counts part{};
            // Every count vector at or below c, as an odometer.
            for (;;) {
                const int k = sets.index(part);
                if (k < DiceSets::FirstOutcome)
                    subKeeps.push_back(static_cast<std::uint16_t>(k));
                int face = 1;
                while (face <= 6 && part[face] == c[face])
                    part[face++] = 0;
                if (face > 6)
                    break;
                ++part[face];
            }
        }
        subStart[DiceSets::OutcomeCount] = static_cast<std::uint32_t>(subKeeps.size());
        constexpr double factorial[6] = {1, 1, 2, 6, 24, 120};
        for (int keep = 0; keep < DiceSets::FirstOutcome; ++keep) {
            const int thrown = DiceCount - sets.size(keep);
            double ways = 1;
            for (int n = 0; n < thrown; ++n)
                ways *= 6;
            for (int j = DiceSets::FirstOfSize[thrown]; j < DiceSets::FirstOfSize[thrown + 1]; ++j) {
                DiceSets::Counts sum = sets.counts(keep);
                double orderings = factorial[thrown];
                for (int face = 1; face <= 6; ++face) {
                    sum[face] = static_cast<std::uint8_t>(sum[face] + sets.counts(j)[face]);
                    orderings /= factorial[sets.counts(j)[face]];
                }
                rolls[keep].push_back({sets.index(sum), orderings / ways});
            }
        }
    }

    static const Tables& instance() {
        static const Tables tables;
        return tables;
    }
};

// The dice not kept thrown: each face from 32 random bits, two faces to a draw.
int draw(int keep, QuickDice& rng) {
    const DiceSets& sets = DiceSets::instance();
    DiceSets::Counts counts = sets.counts(keep);
    std::uint64_t bits = 0;
    const int thrown = DiceCount - sets.size(keep);
    for (int die = 0; die < thrown; ++die) {
        if (die % 2 == 0)
            bits = rng();
        ++counts[1 + (((bits & 0xffffffffu) * 6) >> 32)];
        bits >>= 32;
    }
    return sets.index(counts);
}

} // namespace

const std::vector<SterkTurn::Roll>& SterkTurn::rolls(int keep) { return Tables::instance().rolls[keep]; }

SterkTurn::SterkTurn(const ValueTable& table, unsigned used, int upper) : m_used(used), m_upper(upper), m_table(table) {
    TurnSolver solver;
    table.fillPlacements(used, upper, solver.placement);
    solver.solve(1);
    for (int o = 0; o < DiceSets::OutcomeCount; ++o)
        m_place[o] = solver.placement[DiceSets::FirstOutcome + o];
    for (int k = 0; k < DiceSets::FirstOutcome; ++k) {
        m_keep1[k] = solver.keepValue(1, k);
        m_keep2[k] = solver.keepValue(2, k);
    }
    m_choice1.fill(-2);
    m_choice2.fill(-2);
    m_category.fill(-1);
}

int SterkTurn::choice(int throwMade, int outcome) const {
    if (throwMade >= 3)
        return -1;
    const int o = outcome - DiceSets::FirstOutcome;
    std::int16_t& known = (throwMade == 1 ? m_choice1 : m_choice2)[o];
    if (known != -2)
        return known;
    const auto& keepValue = throwMade == 1 ? m_keep1 : m_keep2;
    int best = -1;
    double bestValue = m_place[o] + Tie;
    const Tables& t = Tables::instance();
    for (std::uint32_t i = t.subStart[o]; i < t.subStart[o + 1]; ++i)
        if (const int k = t.subKeeps[i]; keepValue[k] > bestValue) {
            best = k;
            bestValue = keepValue[k] + Tie;
        }
    known = static_cast<std::int16_t>(best);
    return best;
}

int SterkTurn::category(int outcome) const {
    std::int8_t& known = m_category[outcome - DiceSets::FirstOutcome];
    if (known >= 0)
        return known;
    int best = -1;
    double bestValue = 0;
    for (int c = 0; c < CategoryCount; ++c) {
        if (m_used >> c & 1)
            continue;
        const double v = m_table.placementValue(m_used, m_upper, c, outcome);
        if (best < 0 || v > bestValue + Tie) {
            best = c;
            bestValue = v;
        }
    }
    known = static_cast<std::int8_t>(best);
    return best;
}

int SterkTurn::gain(int category, int outcome) const {
    const int points = static_cast<int>(DiceSets::instance().score(category, outcome));
    if (category >= 6)
        return points;
    const bool bonus = m_upper < BonusThreshold && m_upper + points >= BonusThreshold;
    return points + (bonus ? BonusPoints : 0);
}

int SterkTurn::upperAfter(int category, int outcome) const {
    return category < 6 ? m_upper + static_cast<int>(DiceSets::instance().score(category, outcome)) : m_upper;
}

std::vector<SterkTurn::Ending> SterkTurn::endings(int throwMade, int outcome) const {
    const DiceSets& sets = DiceSets::instance();
    std::array<double, DiceSets::OutcomeCount> now{}, ended{};
    if (throwMade == 0) {
        for (int o = 0; o < DiceSets::OutcomeCount; ++o)
            now[o] = sets.probability(DiceSets::FirstOutcome + o);
        throwMade = 1;
    } else {
        now[outcome - DiceSets::FirstOutcome] = 1;
    }
    for (; throwMade < 3; ++throwMade) {
        std::array<double, DiceSets::FirstOutcome> kept{};
        for (int o = 0; o < DiceSets::OutcomeCount; ++o) {
            if (now[o] == 0)
                continue;
            const int k = choice(throwMade, DiceSets::FirstOutcome + o);
            (k < 0 ? ended[o] : kept[k]) += now[o];
        }
        now.fill(0);
        for (int k = 0; k < DiceSets::FirstOutcome; ++k)
            if (kept[k] > 0)
                for (const Roll& r : rolls(k))
                    now[r.outcome - DiceSets::FirstOutcome] += kept[k] * r.chance;
    }
    std::vector<Ending> out;
    for (int o = 0; o < DiceSets::OutcomeCount; ++o) {
        const double chance = ended[o] + now[o];
        if (chance > 0)
            out.push_back({chance, category(DiceSets::FirstOutcome + o), DiceSets::FirstOutcome + o});
    }
    return out;
}

int SterkTurn::play(int throwMade, int outcome, QuickDice& rng) const {
    if (throwMade == 0) {
        outcome = draw(0, rng);
        throwMade = 1;
    }
    for (; throwMade < 3; ++throwMade) {
        const int k = choice(throwMade, outcome);
        if (k < 0)
            break;
        outcome = draw(k, rng);
    }
    return outcome;
}

} // namespace kwintor
