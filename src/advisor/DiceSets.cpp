#include "advisor/DiceSets.h"

#include "advisor/Categories.h"
#include "engine/Scoring.h"

namespace kwintor {

namespace {

int codeOf(const DiceSets::Counts& counts) {
    int code = 0;
    for (int face = 6; face >= 1; --face)
        code = code * 6 + counts[face];
    return code;
}

// Every count vector of exactly `left` more dice over faces face..6, in a fixed order.
template <typename Visit>
void eachCounts(DiceSets::Counts& counts, int face, int left, Visit&& visit) {
    if (face == 6) {
        counts[6] = static_cast<std::uint8_t>(left);
        visit(counts);
        counts[6] = 0;
        return;
    }
    for (int n = left; n >= 0; --n) {
        counts[face] = static_cast<std::uint8_t>(n);
        eachCounts(counts, face + 1, left - n, visit);
    }
    counts[face] = 0;
}

} // namespace

const DiceSets& DiceSets::instance() {
    static const DiceSets sets;
    return sets;
}

DiceSets::DiceSets() : m_indexOfCode(6 * 6 * 6 * 6 * 6 * 6, -1) {
    // Within one size, keeps with the same number of distinct faces stand together, so that the
    // solver's loops over "one die fewer" run the same length many times in a row.
    int next = 0;
    for (int size = 0; size <= DiceCount; ++size)
        for (int distinct = 0; distinct <= DiceCount; ++distinct) {
            Counts counts{};
            const int first = next;
            eachCounts(counts, 1, size, [&](const Counts& c) {
                int faces = 0;
                for (int face = 1; face <= 6; ++face)
                    faces += c[face] > 0;
                if (faces != distinct)
                    return;
                m_counts[next] = c;
                m_indexOfCode[codeOf(c)] = static_cast<std::int16_t>(next);
                ++next;
            });
            if (next > first)
                m_runs.push_back({first, next, distinct});
        }

    for (int keep = 0; keep < KeepCount; ++keep) {
        m_smallerStart[keep] = static_cast<std::uint16_t>(m_smaller.size());
        for (int face = 1; face <= 6; ++face) {
            Counts c = m_counts[keep];
            if (size(keep) < DiceCount) {
                ++c[face];
                m_withDie[keep][face - 1] = static_cast<std::uint16_t>(index(c));
                --c[face];
            }
            if (c[face] > 0) {
                --c[face];
                m_smaller.push_back(static_cast<std::uint16_t>(index(c)));
            }
        }
    }
    m_smallerStart[KeepCount] = static_cast<std::uint16_t>(m_smaller.size());

    // Multinomial chances: 5! / (n1! ... n6!) orderings out of 6^5.
    constexpr int factorial[6] = {1, 1, 2, 6, 24, 120};
    for (int outcome = FirstOutcome; outcome < KeepCount; ++outcome) {
        const Counts& c = m_counts[outcome];
        int orderings = factorial[5];
        Dice dice{};
        int die = 1;
        for (int face = 1; face <= 6; ++face) {
            m_faceCount[face][outcome - FirstOutcome] = c[face];
            orderings /= factorial[c[face]];
            for (int n = 0; n < c[face]; ++n)
                dice[die++] = static_cast<std::uint8_t>(face);
        }
        m_probability[outcome - FirstOutcome] = orderings / 7776.0;
        for (int category = 0; category < CategoryCount; ++category)
            m_score[category][outcome - FirstOutcome] = categoryValue(categoryRow(category), dice);
    }
}

int DiceSets::size(int keep) const {
    int n = 0;
    for (int face = 1; face <= 6; ++face)
        n += m_counts[keep][face];
    return n;
}

int DiceSets::index(const Counts& counts) const {
    int total = 0;
    for (int face = 1; face <= 6; ++face)
        total += counts[face];
    return total <= DiceCount ? m_indexOfCode[codeOf(counts)] : -1;
}

} // namespace kwintor
