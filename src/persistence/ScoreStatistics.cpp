#include "persistence/ScoreStatistics.h"

#include "persistence/TextFolding.h"

#include <algorithm>
#include <numeric>

namespace kwintor {

namespace {

// The score of an entry "0087 - Jan", and where the name starts; -1 when it is not one.
int scoreOf(std::string_view entry) {
    if (entry.size() < 7 || entry.substr(4, 3) != " - ")
        return -1;
    int score = 0;
    for (char c : entry.substr(0, 4)) {
        if (c < '0' || c > '9')
            return -1;
        score = score * 10 + (c - '0');
    }
    return score;
}

} // namespace

int ScoreStatistics::binOf(int score) { return std::clamp(score / BinWidth, 0, BinCount - 1); }

ScoreStatistics::ScoreStatistics(const ScoreList& list) {
    std::vector<long long> sums;
    for (const std::string& entry : list.entries()) {
        const int score = scoreOf(entry);
        if (score < 0)
            continue;
        const std::string_view name = std::string_view(entry).substr(7);
        const auto [place, added] = m_rowOfName.try_emplace(foldedForSorting(name), m_rows.size());
        if (added) {
            m_rows.push_back({std::string(name), 0, score, score, 0});
            m_histograms.push_back({});
            sums.push_back(0);
        }
        const std::size_t row = place->second;
        PlayerStatistics& stats = m_rows[row];
        ++stats.games;
        stats.best = std::max(stats.best, score);
        stats.worst = std::min(stats.worst, score);
        sums[row] += score;
        ++m_histograms[row][static_cast<std::size_t>(binOf(score))];
        ++m_all[static_cast<std::size_t>(binOf(score))];
    }
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row].mean = static_cast<double>(sums[row]) / m_rows[row].games;

    std::vector<std::size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        if (m_rows[a].mean != m_rows[b].mean)
            return m_rows[a].mean > m_rows[b].mean;
        return ScoreList::lessThan(m_rows[a].name, m_rows[b].name);
    });
    std::vector<PlayerStatistics> rows;
    std::vector<Histogram> histograms;
    rows.reserve(order.size());
    histograms.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        rows.push_back(std::move(m_rows[order[i]]));
        histograms.push_back(m_histograms[order[i]]);
        m_rowOfName[foldedForSorting(rows.back().name)] = i;
    }
    m_rows = std::move(rows);
    m_histograms = std::move(histograms);
}

ScoreStatistics::Histogram ScoreStatistics::histogram(std::string_view name) const {
    const auto found = m_rowOfName.find(foldedForSorting(name));
    return found == m_rowOfName.end() ? Histogram{} : m_histograms[found->second];
}

} // namespace kwintor
