#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kwintor {

// Every multiset of at most five dice, numbered once: the dice a player keeps, and (with exactly
// five) the outcomes of a throw. Which die shows what does not matter to any category, so the
// solver works on these 462 sets instead of 7776 ordered throws. Built once, then read only.
class DiceSets {
public:
    static constexpr int KeepCount = 462;
    static constexpr int OutcomeCount = 252;
    // Keeps are numbered by size; the five-dice outcomes come last.
    static constexpr int FirstOutcome = KeepCount - OutcomeCount;
    static constexpr int FirstOfSize[7] = {0, 1, 7, 28, 84, 210, 462};

    using Counts = std::array<std::uint8_t, 7>; // [face 1..6]; element 0 unused

    static const DiceSets& instance();

    const Counts& counts(int keep) const { return m_counts[keep]; }
    int size(int keep) const;
    // The keep with these counts (at most five dice in all), or -1.
    int index(const Counts& counts) const;
    // `keep` with one more die showing `face`; only for keeps of fewer than five dice.
    int withDie(int keep, int face) const { return m_withDie[keep][face - 1]; }
    // The keeps one die smaller than `keep`, one for each face it shows.
    const std::uint16_t* smallerBegin(int keep) const { return m_smaller.data() + m_smallerStart[keep]; }
    const std::uint16_t* smallerEnd(int keep) const { return m_smaller.data() + m_smallerStart[keep + 1]; }
    // Keeps numbered first..last-1 show `distinct` different faces each, so each has exactly that
    // many smaller keeps; the runs come in numbering order and cover every keep.
    struct Run {
        int first;
        int last;
        int distinct;
    };
    const std::vector<Run>& runs() const { return m_runs; }
    // The chance that five fresh dice show this outcome.
    double probability(int outcome) const { return m_probability[outcome - FirstOutcome]; }
    // The points of category 0..12 for each outcome, from the engine's scoring, indexed by
    // outcome - FirstOutcome.
    const double* scores(int category) const { return m_score[category].data(); }
    double score(int category, int outcome) const { return m_score[category][outcome - FirstOutcome]; }
    // How many dice of each outcome show `face`, indexed by outcome - FirstOutcome.
    const std::uint16_t* faceCounts(int face) const { return m_faceCount[face].data(); }

private:
    DiceSets();

    std::array<Counts, KeepCount> m_counts{};
    std::vector<std::int16_t> m_indexOfCode; // counts as a base-6 number -> keep
    std::array<std::array<std::uint16_t, 6>, KeepCount> m_withDie{};
    std::vector<std::uint16_t> m_smaller;
    std::array<std::uint16_t, KeepCount + 1> m_smallerStart{};
    std::vector<Run> m_runs;
    std::array<double, OutcomeCount> m_probability{};
    std::array<std::array<double, OutcomeCount>, 13> m_score{};
    std::array<std::array<std::uint16_t, OutcomeCount>, 7> m_faceCount{};
};

} // namespace kwintor
