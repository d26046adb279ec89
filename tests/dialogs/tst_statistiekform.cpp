#include "dialogs/CostChart.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/ScoreHistogram.h"
#include "dialogs/StatistiekForm.h"
#include "persistence/History.h"
#include "persistence/ScoreList.h"
#include "support/DialogTestHelpers.h"
#include "support/ScriptedPlatform.h"

#include <QAccessible>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

using namespace kwintor;
using test::child;
using Answer = Platform::Answer;

// The two windows on the score list: the list itself, where entries are deleted, and the
// statistics per name.

class TestStatistiekForm : public QObject {
    Q_OBJECT

    test::ScriptedPlatform m_platform;

    static ScoreList listOf(const QStringList& entries) {
        ScoreList list;
        for (const QString& entry : entries)
            list.insert(entry.toStdString());
        return list;
    }
    // Émile's three spellings are one player, shown as the list meets him first; the scores
    // 99, 140 and 375 order differently as numbers and as text.
    static ScoreList fixedList() {
        return listOf({"0201 - Émile", "0250 - emile", "0300 - EMILE", "0375 - Cor", "0030 - Cor", "0121 - Ann",
                       "0130 - Ann", "0140 - Ann", "0099 - Bob"});
    }

    static QStringList shown(StatistiekForm& dialog, int column = -1) {
        auto* list = child<QTreeWidget>(&dialog, "List1");
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->topLevelItem(i)->text(c);
            rows << (column < 0 ? cells.join('|') : cells[column]);
        }
        return rows;
    }

    static QStringList shown(ScoreForm& dialog) {
        QStringList texts;
        auto* list = child<QListWidget>(&dialog, "List1");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

private slots:
    void init() { m_platform.messages.clear(); }

    void openingShowsOneRowPerNameHighestMeanFirst() {
        StatistiekForm dialog(fixedList());
        test::checkWindow(dialog, " Statistieken", QSize(454, 402), {"List1", "Chart", "OkKnop", "List1"});
        QCOMPARE(shown(dialog), (QStringList{"Émile|3|300|201|250,3", "Cor|2|375|30|202,5", "Ann|3|140|121|130,3",
                                             "Bob|1|99|99|99,0"}));
        QVERIFY(child<QWidget>(&dialog, "Chart")->isVisible());
        QVERIFY(!child<QLabel>(&dialog, "LeegLabel")->isVisible());
        test::click(&dialog, "OkKnop");
        QVERIFY(!dialog.isVisible());
    }

    void aHeaderClickSortsByNumber_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Beste") << 2 << QStringList{"Cor", "Émile", "Ann", "Bob"};
        QTest::newRow("Gemiddeld, lowest first") << 4 << QStringList{"Bob", "Ann", "Cor", "Émile"};
    }
    void aHeaderClickSortsByNumber() {
        QFETCH(int, column);
        QFETCH(QStringList, names);
        StatistiekForm dialog(fixedList());
        dialog.show();
        QHeaderView* header = child<QTreeWidget>(&dialog, "List1")->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, 5});
        QCOMPARE(shown(dialog, 0), names);
    }

    void theChartFollowsTheChosenName_data() {
        QTest::addColumn<int>("row"); // -1: none chosen
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<int>>("bins");
        QTest::newRow("none") << -1 << 4 << "Scores van alle namen"
                              << QList<int>{0, 1, 0, 1, 1, 2, 0, 0, 1, 0, 1, 0, 1, 0, 1};
        // Chosen, then the rows sorted by name: Ann stays chosen at her new place.
        QTest::newRow("Ann, then by name")
            << 2 << 0 << "Scores van Ann" << QList<int>{0, 0, 0, 0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Cor, then let go")
            << 1 << -1 << "Scores van alle namen" << QList<int>{0, 1, 0, 1, 1, 2, 0, 0, 1, 0, 1, 0, 1, 0, 1};
    }
    void theChartFollowsTheChosenName() {
        QFETCH(int, row);
        QFETCH(int, sortColumn);
        QFETCH(QString, caption);
        QFETCH(QList<int>, bins);
        StatistiekForm dialog(fixedList());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = child<QTreeWidget>(&dialog, "List1");
        if (row >= 0)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->topLevelItem(row)).center());
        if (sortColumn >= 0)
            dialog.sortBy(sortColumn, Qt::AscendingOrder);
        else // below the last row lets go of the name
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, {10, list->viewport()->height() - 5});

        auto* chart = child<ScoreHistogram>(&dialog, "Chart");
        QCOMPARE(chart->caption(), caption);
        const QList<QTreeWidgetItem*> chosen = list->selectedItems(); // the list shows the same choice
        QCOMPARE("Scores van " + (chosen.isEmpty() ? "alle namen" : chosen.first()->text(0)), caption);
        QCOMPARE(QList<int>(chart->counts().begin(), chart->counts().end()), bins);
        // A screen reader reads the bars in words; the list's numbers come with their column.
        if (caption == "Scores van Ann") {
            QCOMPARE(QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Name),
                     "Scores van Ann. 100 tot 124 punten: 1 spel. 125 tot 149 punten: 2 spellen.");
            QTreeWidgetItem* ann = list->selectedItems().first();
            QCOMPARE(ann->data(2, Qt::AccessibleTextRole).toString(), "Beste " + ann->text(2));
        }
        // The highest bar is painted in the text colour; beside it, an empty bin shows the background.
        const int highest = int(std::max_element(bins.begin(), bins.end()) - bins.begin());
        const int empty = int(bins.indexOf(0, highest));
        const QImage picture = chart->grab().toImage();
        const QRect bar = chart->barRect(highest);
        QVERIFY(bar.height() > 20);
        QCOMPARE(picture.pixelColor(bar.center()), QColor(0, 0, 64));
        QCOMPARE(picture.pixelColor(chart->barRect(empty).center().x(), bar.center().y()), QColor(150, 190, 180));
    }

    // Beside the histogram, the chosen name's average cost per game from the history: each point
    // the mean of up to five games ending at that game, over his last twenty games at most.
    void theLineShowsTheAverageCostOfTheChosenName() {
        std::vector<HistoryEntry> history;
        for (int game = 1; game <= 26; ++game) // Ann loses 1, 2, .., 26 points; Bob 100 in between
            history.push_back({"2026-12-07 20:00", game % 2 ? "ann" : "Ann", 200, double(game), 37});
        history.insert(history.begin() + 3, {"2026-12-07 20:00", "Bob", 150, 100, 30});
        StatistiekForm dialog(fixedList(), history);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* chart = child<CostChart>(&dialog, "Verloop");
        QVERIFY(chart->values().empty()); // no name chosen
        auto* list = child<QTreeWidget>(&dialog, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(2)).center());
        QCOMPARE(list->selectedItems().first()->text(0), "Ann");
        const std::vector<double>& means = chart->values();
        QCOMPARE(int(means.size()), StatistiekForm::TrendGames);
        QCOMPARE(means.front(), 5.0); // games 3..7
        QCOMPARE(means.back(), 24.0); // games 22..26
        QVERIFY(chart->accessibleDescription().endsWith("Spel 19: 23,00; Spel 20: 24,00."));
    }

    void anEmptyListShowsATextAndNoChart() {
        StatistiekForm dialog{ScoreList()};
        dialog.show();
        QCOMPARE(child<QTreeWidget>(&dialog, "List1")->topLevelItemCount(), 0);
        QVERIFY(!child<QWidget>(&dialog, "Chart")->isVisible());
        QVERIFY(child<QLabel>(&dialog, "LeegLabel")->isVisible());
        QCOMPARE(child<QLabel>(&dialog, "LeegLabel")->text(), "Nog geen scores op de lijst.");
    }

    void openingShowsTheBestScoreFirstAndTheCount() {
        ScoreForm dialog(listOf({"0245 - Bob", "0120 - Ann", "0300 - Cor"}), m_platform);
        test::checkWindow(dialog, " Scorelijst", QSize(214, 389),
                          {"List1", "OkKnop", "DeleteKnop", "DeleteAllKnop", "List1"});
        QCOMPARE(shown(dialog), (QStringList{"0300 - Cor", "0245 - Bob", "0120 - Ann"}));
        QCOMPARE(child<QLabel>(&dialog, "Label2")->text(), "3 namen in de lijst");
        QVERIFY(child<QListWidget>(&dialog, "List1")->selectedItems().isEmpty());
    }

    void deletingAsksFirstAndReportsWhatWasRemoved_data() {
        QTest::addColumn<QStringList>("list"); // the main list, ascending
        QTest::addColumn<int>("row");          // the row clicked in the dialog, -1 for none
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("asked"); // title|text of every message
        QTest::addColumn<QStringList>("left");  // the list afterwards
        const QStringList three{"0120 - Ann", "0245 - Bob", "0300 - Cor"};
        const QString askBob = " Delete|Wilt u Bob verwijderen uit de lijst?";
        const QString askNone = " Delete|Wilt u ... verwijderen uit de lijst?";
        const QString askAll = " Delete All|Wilt u alle 3 namen verwijderen?";
        QTest::newRow("Bob, yes") << three << 1 << "DeleteKnop" << Answer::Yes << QStringList{askBob}
                                  << QStringList{"0120 - Ann", "0300 - Cor"};
        QTest::newRow("Bob, no") << three << 1 << "DeleteKnop" << Answer::No << QStringList{askBob} << three;
        QTest::newRow("none, yes") << three << -1 << "DeleteKnop" << Answer::Yes
                                   << QStringList{askNone, " Foutje|Eerst een naam selecteren..."} << three;
        QTest::newRow("two equal entries") << three + QStringList{"0120 - Ann"} << 3 << "DeleteKnop" << Answer::Yes
                                           << QStringList{" Delete|Wilt u Ann verwijderen uit de lijst?"} << three;
        QTest::newRow("all, yes") << three << 1 << "DeleteAllKnop" << Answer::Yes << QStringList{askAll}
                                  << QStringList{};
        QTest::newRow("empty list, Delete")
            << QStringList{} << -1 << "DeleteKnop" << Answer::Yes << QStringList{} << QStringList{};
    }
    void deletingAsksFirstAndReportsWhatWasRemoved() {
        QFETCH(QStringList, list);
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, left);
        ScoreList scores = listOf(list);
        ScoreForm dialog(scores, m_platform);
        dialog.show();
        auto* view = child<QListWidget>(&dialog, "List1");
        if (row >= 0) // a real click, so the selection is the user's
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(row)).center());
        m_platform.answers.enqueue(answer);
        test::click(&dialog, button);

        // What the dialog reports removed, applied to the list as the main window applies it.
        for (const std::string& entry : dialog.removed())
            scores.removeFirstEqual(entry);
        if (dialog.removedAll())
            scores.clear();
        QStringList messages, mainList;
        for (const auto& message : m_platform.messages)
            messages << message.title + "|" + message.text;
        for (const std::string& entry : scores.entries())
            mainList.prepend(QString::fromStdString(entry));
        QCOMPARE(messages, asked);
        QCOMPARE(mainList, QStringList(left.rbegin(), left.rend()));
        QCOMPARE(shown(dialog), mainList); // best first, like the main list reversed
        test::click(&dialog, "OkKnop");
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestStatistiekForm)
#include "tst_statistiekform.moc"
