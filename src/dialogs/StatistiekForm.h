#pragma once

#include "dialogs/FormDialog.h"
#include "persistence/ScoreStatistics.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kwintor {

class ScoreHistogram;
class ScoreList;

// The statistics of the score list: per name the games, the best and worst score and the mean,
// the highest mean first; a click on a column header sorts by that column. Below, the scores of
// the chosen name as a histogram, or of every name while none is chosen (a click below the
// last row lets go of the name).
class StatistiekForm : public FormDialog {
    Q_OBJECT
public:
    StatistiekForm(const ScoreList& scores, QWidget* parent = nullptr);

    enum Column { Naam, Spellen, Beste, Slechtste, Gemiddeld, ColumnCount };

    // Orders the rows by a column; the header's sort indicator follows.
    void sortBy(int column, Qt::SortOrder order);

private:
    void Form_Load();
    void fillRows(int column, Qt::SortOrder order);
    void List1_SelectionChanged();

    ScoreStatistics m_statistics;
    QTreeWidget* m_list1 = nullptr;
    ScoreHistogram* m_chart = nullptr;
    QLabel* m_leegLabel = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
