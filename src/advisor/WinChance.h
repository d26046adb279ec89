#pragma once

#include "engine/GameState.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

namespace kwintor {

class ValueTable;

// A player's distribution of his final grand total: [t] = the chance of ending on t points.
using TotalDistribution = std::vector<double>;

// One player's column as far as his future goes, and, for the player on turn, the dice on the
// table. `throwNumber` 0 is the start of a turn; 1..3 continue from `dice`.
struct ColumnState {
    unsigned used = 0; // bit i: category i is scored
    int upper = 0;     // the upper total so far
    int total = 0;     // the grand total so far, bonus included
    int throwNumber = 0;
    std::array<int, DiceCount> dice{};

    // The same future: equal totals, and columns that differ only where play no longer looks.
    bool sameFuture(const ColumnState& other) const;
};

// How hard the computation works. Players with at most `exactOpen` open categories get their
// distribution exactly; the others get `samples` simulated games each, played turn by turn
// until `tailOpen` categories are left, whose distribution is then added exactly.
struct WinChanceSettings {
    int exactOpen = 5;
    int tailOpen = 3;
    int samples = 24000;
    int threads = 2;
    std::uint64_t seed = 0x5eed'c0de'2607ull;
};

// Each player's chance to win, if from now on every player plays as "Sterk" (the exact advisor's
// best move for his own column). One player's dice never change another's, so each player's
// final total is worked out on its own and the distributions combined.
class WinChance {
public:
    explicit WinChance(const ValueTable& table, WinChanceSettings settings = {});

    // The distribution of the final grand total of a player in this state.
    TotalDistribution finalTotal(const ColumnState& column, const std::atomic<bool>* cancel = nullptr) const;

    // The chance of each player 1..AantalSpelers to end with the highest grand total ([0] unused,
    // players out of play 0); k players with the same highest total each win 1/k. Empty when
    // `cancel` became true first.
    std::vector<double> chances(const GameState& state, const std::atomic<bool>* cancel = nullptr) const;
    // The same for these columns, of players 1..n at [0..n-1].
    std::vector<double> chances(const std::vector<ColumnState>& columns,
                                const std::atomic<bool>* cancel = nullptr) const;

    // The state of player `player` (1..6) as the game shows it; the dice count only for the
    // player on turn.
    static ColumnState columnOf(const GameState& state, int player);

    // Distributions are kept for the last few columns that stood at the start of a turn: after a
    // placement only the column that changed is worked out anew.
    static constexpr std::size_t KeptColumns = 2 * MaxPlayers;

private:
    // Several at once; kept columns are not worked out again. Empty when cancelled.
    std::vector<TotalDistribution> finalTotals(const std::vector<ColumnState>& columns,
                                               const std::atomic<bool>* cancel) const;

    const ValueTable& m_table;
    WinChanceSettings m_settings;
    mutable std::mutex m_keptMutex;
    mutable std::deque<std::pair<ColumnState, TotalDistribution>> m_kept;
};

// The share of the win of each player whose final total has these distributions: [p] = the chance
// that p ends highest, equal highest totals sharing the win. The shares add up to 1.
std::vector<double> shareOfWin(const std::vector<TotalDistribution>& totals);

} // namespace kwintor
