#pragma once

#include "advisor/Categories.h"
#include "advisor/TurnSolver.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kwintor {

// The expected points still to come from the start of a turn, for every state of one player's
// column: the categories used (a 13-bit mask, bit i = category i in sheet order) and the upper
// total so far, capped at 63. Play that maximises the expected final score is worked out
// backwards from the full sheet. Once computed or loaded the table is read only, so any number of
// threads may read it at once.
class ValueTable {
public:
    static constexpr int MaskCount = 1 << CategoryCount;
    // Bump when the file layout changes; a file of any other version is recomputed.
    static constexpr std::uint32_t FormatVersion = 1;
    // States of one mask solved side by side while computing.
    static constexpr int Lanes = 4;

    // Which upper totals get a value. Play only meets totals that the used upper categories can
    // make (with only "Totaal zessen" used, 0, 6, .., 30); every other total is needed only to
    // answer positions typed in by hand, and costs two thirds more time.
    enum class Coverage : std::uint32_t { Reachable = 0, EveryTotal = 1 };

    ValueTable() = default;
    // A copy holds the values; a cancel of the original does not reach it.
    ValueTable(const ValueTable& other) : m_values(other.m_values), m_coverage(other.m_coverage) {}
    ValueTable& operator=(const ValueTable& other) {
        m_values = other.m_values;
        m_coverage = other.m_coverage;
        return *this;
    }

    // Fills the table; `threads` (at least 1) share each layer of states.
    void compute(int threads, Coverage coverage = Coverage::Reachable);
    Coverage coverage() const { return m_coverage; }
    // The table has a value for this state (always, for a state that play can reach).
    bool covers(unsigned used, int upper) const;
    // The used upper categories can add up to this total (capped at 63).
    static bool canOccur(unsigned used, int upper);

    // Replaces the table by the file's, and answers true, only when the file is whole, is a table
    // of this version for these rules and passes its checksum; otherwise nothing changes.
    bool load(const std::string& path);
    // Writes the table atomically: the old file stays whole when this fails.
    bool save(const std::string& path) const;

    enum class Origin { Loaded, Computed, ComputedNotSaved };
    // Loads the cache, or computes the table and writes the cache.
    Origin loadOrCompute(const std::string& path, int threads, Coverage coverage = Coverage::Reachable);

    // The file's bytes: a header (magic, version, dimensions, coverage, a fingerprint of the
    // scoring rules, an FNV-1a checksum of the payload) and the values as little-endian doubles,
    // NaN where the table has none.
    std::string toBytes() const;
    bool fromBytes(std::string_view bytes);

    bool ready() const { return !m_values.empty(); }
    // Expected points still to come at the start of a turn; `upper` is capped here. NaN for a
    // state that the table does not cover, and for every state before compute() or load().
    double value(unsigned used, int upper) const;
    double gameValue() const { return value(0, 0); }
    // Placing `outcome` in the open `category` now: its points, the bonus it brings and the value
    // of the state it leads to.
    double placementValue(unsigned used, int upper, int category, int outcome) const;
    // The best placement of every outcome, into the solver's placement slots.
    void fillPlacements(unsigned used, int upper, TurnSolver::Values& placement) const;

    // Ends a computation under way on another thread at its next state: the table stays empty
    // and no cache is written. A program that closes does not wait for the whole table.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }

    std::size_t memoryBytes() const { return m_values.capacity() * sizeof(double); }

private:
    double* at(unsigned used) { return m_values.data() + std::size_t(used) * UpperStates; }
    const double* at(unsigned used) const { return m_values.data() + std::size_t(used) * UpperStates; }
    void computeMask(unsigned used, BasicTurnSolver<Lanes>& solver, Coverage coverage);
    template <int L>
    void fillLanes(unsigned used, const int* uppers, typename BasicTurnSolver<L>::Values& placement) const;

    std::vector<double> m_values; // [used][upper]
    Coverage m_coverage = Coverage::Reachable;
    std::atomic<bool> m_cancelled{false};
};

} // namespace kwintor
