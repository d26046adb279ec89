#pragma once

#include "dialogs/FormDialog.h"
#include "persistence/History.h"
#include "persistence/ScoreStatistics.h"

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kwintor {

class CostChart;
class ScoreHistogram;
class ScoreList;

// The statistics of the score list: per name the games, the best and worst score and the mean,
// the highest mean first; a click on a column header sorts by that column. Below, the scores of
// the chosen name as a histogram, or of every name while none is chosen (a click below the
// last row lets go of the name). Beside it, from the history of finished games, the chosen
// name's average cost per game over his last games, so that he sees whether he gets better.
class StatistiekForm : public FormDialog {
    Q_OBJECT
public:
    // The games of the history that the line chart shows, at most.
    static constexpr int TrendGames = 20;
    // Each point of the line is the average over this many games up to it.
    static constexpr int TrendWindow = 5;

    StatistiekForm(const ScoreList& scores, const std::vector<HistoryEntry>& history = {}, QWidget* parent = nullptr);

    enum Column { Naam, Spellen, Beste, Slechtste, Gemiddeld, ColumnCount };

    // Orders the rows by a column; the header's sort indicator follows.
    void sortBy(int column, Qt::SortOrder order);

private:
    void Form_Load();
    void fillRows(int column, Qt::SortOrder order);
    void List1_SelectionChanged();

    ScoreStatistics m_statistics;
    QTreeWidget* m_list1 = nullptr;
    std::vector<HistoryEntry> m_history;
    ScoreHistogram* m_chart = nullptr;
    CostChart* m_verloop = nullptr;
    QLabel* m_leegLabel = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
