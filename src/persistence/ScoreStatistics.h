#pragma once

#include "persistence/ScoreList.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kwintor {

// The results of one name on the score list. Names that differ only in case or accents are one
// player ("Émile" and "emile"); the name shown is the spelling met first in the list.
struct PlayerStatistics {
    std::string name;
    int games = 0;
    int best = 0;
    int worst = 0;
    double mean = 0;
};

// What the score list says of each player, built once when asked for: one row per name, the
// highest mean first, and the scores as a histogram. Entries that are not a result (they do not
// start with four digits and " - ", as a damaged file may leave) are left out.
class ScoreStatistics {
public:
    static constexpr int BinWidth = 25;
    // 0..24, 25..49, ..., 350..374; the last bin also takes 375, the highest grand total.
    static constexpr int BinCount = 15;
    using Histogram = std::array<int, BinCount>;

    explicit ScoreStatistics(const ScoreList& list);

    bool isEmpty() const { return m_rows.empty(); }
    // Highest mean first; equal means by name as the score list orders names.
    const std::vector<PlayerStatistics>& rows() const { return m_rows; }
    // The scores of every name together.
    const Histogram& histogram() const { return m_all; }
    // The scores of one name, in any case and with or without accents; all 0 for a name not on the list.
    Histogram histogram(std::string_view name) const;

    // The bin a score falls in.
    static int binOf(int score);

private:
    std::vector<PlayerStatistics> m_rows;
    std::vector<Histogram> m_histograms;                      // beside m_rows
    std::unordered_map<std::string, std::size_t> m_rowOfName; // folded name to row
    Histogram m_all{};
};

} // namespace kwintor
