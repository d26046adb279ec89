#include "dialogs/StatistiekForm.h"
#include "platform/Language.h"

#include "dialogs/CostChart.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ScoreHistogram.h"
#include "persistence/ScoreList.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>

namespace kwintor {

namespace {

constexpr int RowRole = Qt::UserRole; // the item's index in ScoreStatistics::rows()

// One decimal as the player's language writes it ("287,5" in Dutch), without thousands separators.
QString meanText(double mean) {
    QLocale numbers = language::numbers();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers.toString(mean, 'f', 1);
}

double valueOf(const PlayerStatistics& row, int column) {
    switch (column) {
    case StatistiekForm::Spellen: return row.games;
    case StatistiekForm::Beste: return row.best;
    case StatistiekForm::Slechtste: return row.worst;
    default: return row.mean;
    }
}

} // namespace

StatistiekForm::StatistiekForm(const ScoreList& scores, const std::vector<HistoryEntry>& history, QWidget* parent)
    : FormDialog(parent, tr(" Statistieken"), twips(6900) - 6, twips(6495) - 31), m_statistics(scores),
      m_history(history) {
    Form_Load();
}

void StatistiekForm::Form_Load() {
    QFrame* frame1 = addFrame1(*this, 6705, 6000);

    m_list1 = new QTreeWidget(frame1);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(tr("Statistieken per naam"));
    m_list1->setGeometry(twipsRect(105, 195, 6495, 2520));
    m_list1->setRootIsDecorated(false);
    m_list1->setItemsExpandable(false);
    m_list1->setUniformRowHeights(true);
    styleScoreView(m_list1);

    // Numbers read best from the highest down; a first click on a number column shows that.
    QTreeWidgetItem* header = m_list1->headerItem();
    const QStringList titles{tr("Naam"), tr("Spellen"), tr("Beste"), tr("Slechtste"), tr("Gemiddeld")};
    for (int column = 0; column < ColumnCount; ++column) {
        header->setText(column, titles[column]);
        header->setFont(column, sansFont(8.25, true));
        header->setData(column, Qt::InitialSortOrderRole, column == Naam ? Qt::AscendingOrder : Qt::DescendingOrder);
        if (column != Naam)
            header->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list1->header()->setSectionsClickable(true);
    m_list1->header()->setSectionsMovable(false);
    m_list1->header()->setSortIndicatorShown(true);
    m_list1->header()->resizeSection(Naam, 150);
    for (int column = Spellen; column < ColumnCount; ++column)
        m_list1->header()->resizeSection(column, 68);
    connect(m_list1->header(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) { fillRows(column, order); });

    m_chart = new ScoreHistogram(frame1);
    m_chart->setObjectName(QStringLiteral("Chart"));
    m_chart->setGeometry(twipsRect(105, 2820, 3900, 2580));

    m_verloop = new CostChart(CostChart::Kind::Line, frame1);
    m_verloop->setObjectName(QStringLiteral("Verloop"));
    m_verloop->setGeometry(twipsRect(4080, 2820, 2520, 2580));

    m_leegLabel = new QLabel(tr("Nog geen scores op de lijst."), frame1);
    m_leegLabel->setObjectName(QStringLiteral("LeegLabel"));
    m_leegLabel->setFont(sansFont(9.75));
    m_leegLabel->setAlignment(Qt::AlignCenter);
    m_leegLabel->setGeometry(twipsRect(105, 2820, 6495, 2580));

    addBackdrop(frame1, QStringLiteral("BackKnoppen"), twipsRect(5850, 5520, 750, 360), backdropDark);
    m_okKnop = addButton(frame1, QStringLiteral("OkKnop"), tr("Ok"), twipsRect(5880, 5550, 690, 300));
    connectButtons(m_okKnop, nullptr);

    m_chart->setVisible(!m_statistics.isEmpty());
    m_verloop->setVisible(!m_statistics.isEmpty());
    m_leegLabel->setVisible(m_statistics.isEmpty());
    connect(m_list1, &QTreeWidget::itemSelectionChanged, this, &StatistiekForm::List1_SelectionChanged);
    sortBy(Gemiddeld, Qt::DescendingOrder);
    List1_SelectionChanged();

    setTabOrder(m_list1, m_chart);
    setTabOrder(m_chart, m_okKnop);
    m_list1->setFocus();
}

void StatistiekForm::sortBy(int column, Qt::SortOrder order) {
    if (m_list1->header()->sortIndicatorSection() == column && m_list1->header()->sortIndicatorOrder() == order)
        fillRows(column, order);
    else
        m_list1->header()->setSortIndicator(column, order); // fills the rows through the signal
}

void StatistiekForm::fillRows(int column, Qt::SortOrder order) {
    const std::vector<PlayerStatistics>& rows = m_statistics.rows();
    // Stable over the rows' own order (highest mean, then name), so equal values keep that order.
    std::vector<int> shown(rows.size());
    std::iota(shown.begin(), shown.end(), 0);
    std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) {
        const PlayerStatistics& x = rows[static_cast<std::size_t>(order == Qt::AscendingOrder ? a : b)];
        const PlayerStatistics& y = rows[static_cast<std::size_t>(order == Qt::AscendingOrder ? b : a)];
        return column == Naam ? ScoreList::lessThan(x.name, y.name) : valueOf(x, column) < valueOf(y, column);
    });

    const QList<QTreeWidgetItem*> selected = m_list1->selectedItems();
    const int chosen = selected.isEmpty() ? -1 : selected.first()->data(Naam, RowRole).toInt();
    const QSignalBlocker blocker(m_list1); // the choice stays what it was
    m_list1->clear();
    for (int index : shown) {
        const PlayerStatistics& row = rows[static_cast<std::size_t>(index)];
        auto* item =
            new QTreeWidgetItem(m_list1, {QString::fromStdString(row.name), QString::number(row.games),
                                          QString::number(row.best), QString::number(row.worst), meanText(row.mean)});
        item->setData(Naam, RowRole, index);
        for (int c = Spellen; c < ColumnCount; ++c) {
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            // A screen reader reads each number with the name of its column.
            item->setData(c, Qt::AccessibleTextRole, m_list1->headerItem()->text(c) + u' ' + item->text(c));
        }
        if (index == chosen)
            item->setSelected(true);
    }
}

void StatistiekForm::List1_SelectionChanged() {
    const QList<QTreeWidgetItem*> selected = m_list1->selectedItems();
    if (selected.isEmpty()) {
        m_chart->setHistogram(m_statistics.histogram(), tr("Scores van alle namen"));
        m_verloop->setValues({}, tr("Kies een naam"), QString());
        return;
    }
    const PlayerStatistics& row = m_statistics.rows()[selected.first()->data(Naam, RowRole).toUInt()];
    m_chart->setHistogram(m_statistics.histogram(row.name), tr("Scores van %1").arg(QString::fromStdString(row.name)));

    // Each point: the mean cost of up to TrendWindow games ending at that game.
    const std::vector<double> costs = recentCosts(m_history, row.name, TrendGames + TrendWindow - 1);
    std::vector<double> means;
    for (std::size_t i = 0; i < costs.size(); ++i) {
        const std::size_t first = i + 1 >= TrendWindow ? i + 1 - TrendWindow : 0;
        if (costs.size() - i > TrendGames)
            continue; // only the window of an earlier point
        double sum = 0;
        for (std::size_t k = first; k <= i; ++k)
            sum += costs[k];
        means.push_back(sum / static_cast<double>(i + 1 - first));
    }
    m_verloop->setValues(means, tr("Gemiddeld verlies per spel"), tr("Spel"));
}

} // namespace kwintor
