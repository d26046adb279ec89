#include "advisor/Categories.h"
#include "advisor/ValueTable.h"
#include "dialogs/AnalyseForm.h"
#include "dialogs/CostChart.h"
#include "dialogs/UitslagForm.h"
#include "support/DialogTestHelpers.h"
#include "support/ScriptedPlatform.h"

#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace kwintor;
using test::child;

namespace {

// A game whose columns are full: per player "name total-A total-B" (Totaal A without the bonus,
// which comes at 63).
GameState finished(const QStringList& players) {
    GameState s;
    s.AantalSpelers = static_cast<std::uint8_t>(players.size());
    for (int p = 1; p <= players.size(); ++p) {
        const QStringList f = players[p - 1].split(' ');
        s.SpelerNaam[p] = f[0].toStdString();
        s.TotaalA[p] = f[1].toInt();
        s.TotaalB[p] = f[2].toInt();
        s.BonusGegeven[p] = s.TotaalA[p] >= BonusThreshold;
        s.TotaalAB[p] = s.TotaalA[p] + s.TotaalB[p] + (s.BonusGegeven[p] ? BonusPoints : 0);
    }
    return s;
}

// Ann's last turn with only Kans open and 200 on her sheet: after the second throw she rethrew
// every die of 6 6 6 1 2 (worth 17.5 to come; keeping the sixes is worth 25), then placed 21.
// Bob's first decision: five sixes after his first throw, placed at once in Kwintor.
std::vector<Decision> decisions();

// The game of those decisions, played by `names`.
PlayedGame playedBy(const PlayerNames& names, const PlayerKinds& kinds = {}) {
    PlayedGame game{{}, kinds, decisions()};
    game.state.SpelerNaam = names;
    return game;
}

std::vector<Decision> decisions() {
    const unsigned allButKans = AllCategories & ~(1u << rowCategory(RowKans));
    Decision rethrow{1, 13, 2, {6, 6, 6, 1, 2}, Decision::Kind::Hold, 0, -1, allButKans, 63, 200};
    Decision place{1, 13, 3, {5, 6, 4, 6, 6}, Decision::Kind::Place, 0, RowKans, allButKans, 63, 200};
    Decision kwintor{2, 1, 1, {6, 6, 6, 6, 6}, Decision::Kind::Place, 0, RowKwintor, 0, 0, 0};
    return {rethrow, place, kwintor};
}

} // namespace

// The two windows at the end of a game: the final order and the review of every decision.
class TestUitslagForm : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    void playersStandInOrderOfTheirGrandTotal_data() {
        QTest::addColumn<QStringList>("players");
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("rows"); // place|name|Totaal A|Totaal B|Totaal

        QTest::newRow("equal totals share a place")
            << QStringList{"Ann 50 150", "Bob 70 145", "Cor 60 140", "Dirk 50 100"} << QList<int>{0, 0, 0, 0}
            << "Bob wint met 250 punten."
            << QStringList{"1|Bob|105|145|250", "2|Ann|50|150|200", "2|Cor|60|140|200", "4|Dirk|50|100|150"};
        QTest::newRow("two first, a computer with its level")
            << QStringList{"Ann 50 150", "Bob 40 160", "Cor 10 20"} << QList<int>{0, 3, 1}
            << "Ann en Bob (computer, sterk) delen de eerste plaats met 200 punten."
            << QStringList{"1|Ann|50|150|200", "1|Bob (computer, sterk)|40|160|200",
                           "3|Cor (computer, makkelijk)|10|20|30"};
        QTest::newRow("one player alone")
            << QStringList{"Ann 63 120"} << QList<int>{0} << "Ann: 218 punten." << QStringList{"1|Ann|98|120|218"};
    }

    void playersStandInOrderOfTheirGrandTotal() {
        QFETCH(QStringList, players);
        QFETCH(QList<int>, kinds);
        QFETCH(QString, heading);
        QFETCH(QStringList, rows);

        PlayerKinds k{};
        for (int p = 1; p <= kinds.size(); ++p)
            k[p] = playerKindOf(kinds[p - 1]);
        UitslagForm dialog(finished(players), k);
        test::checkWindow(dialog, " Uitslag", QSize(454, 249),
                          {"List1", "AnalyseKnop", "NieuwKnop", "OkKnop", "List1"});
        QCOMPARE(child<QLabel>(&dialog, "Kop")->text(), heading);
        auto* list = child<QTreeWidget>(&dialog, "List1");
        QStringList shown;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < UitslagForm::ColumnCount; ++c)
                cells << list->topLevelItem(i)->text(c);
            shown << cells.join('|');
        }
        QCOMPARE(shown, rows);
        QCOMPARE(list->isColumnHidden(UitslagForm::Plaats), players.size() == 1); // one player has no place
        // A screen reader gets the whole result in one text: the heading and every row.
        QVERIFY(dialog.spokenText().startsWith(heading));
        for (const QString& row : rows)
            QVERIFY(dialog.spokenText().contains(row.section('|', 1, 1) + QStringLiteral(", Totaal A ") +
                                                 row.section('|', 2, 2)));
        QCOMPARE(list->accessibleDescription(), dialog.spokenText());
    }

    void eachButtonTellsItsChoiceAndReturnIsOk_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("click"); // empty: Return
        QTest::addColumn<int>("choice");
        QTest::newRow("Analyse") << "List1"
                                 << "AnalyseKnop" << int(UitslagForm::Choice::Analyse);
        QTest::newRow("Return on Nieuw spel") << "NieuwKnop"
                                              << "" << int(UitslagForm::Choice::Ok);
    }

    void eachButtonTellsItsChoiceAndReturnIsOk() {
        QFETCH(QString, focus);
        QFETCH(QString, click);
        QFETCH(int, choice);

        UitslagForm dialog(finished({"Ann 10 20", "Bob 30 40"}), {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        child<QWidget>(&dialog, focus)->setFocus();
        if (click.isEmpty())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            test::click(&dialog, click);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.choice()), choice);
    }

    // While the table is made the window says so; then it shows each player's review.
    void theReviewFillsInWhenTheTableIsThere() {
        test::ScriptedPlatform platform;
        AnalyseForm dialog(playedBy({"", "Ann", "Bob"}, {PlayerKind::Person, PlayerKind::Person, PlayerKind::Sterk}), 0,
                           platform);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(child<QLabel>(&dialog, "WachtLabel")->isVisible());
        QVERIFY(!child<QWidget>(&dialog, "Spelers")->isVisible());
        QVERIFY(!child<QWidget>(&dialog, "OpslaanKnop")->isEnabled());

        dialog.setTable(m_table);
        QVERIFY(!child<QLabel>(&dialog, "WachtLabel")->isVisible());
        QCOMPARE(child<QLabel>(&dialog, "Samenvatting")->text(),
                 "Ann: 7,50 punten verloren in 2 keuzes\nBob: 0,00 punten verloren in 1 keuzes");
        auto* tabs = child<QTabWidget>(&dialog, "Spelers");
        QCOMPARE(tabs->tabText(1), "Bob");
        QCOMPARE(test::child<QLabel>(tabs->widget(1), "Beste")->text(),
                 "Computer, sterk. 1 van de 1 keuzes waren de beste (100 %).");

        QWidget* ann = tabs->widget(0);
        QCOMPARE(child<QLabel>(ann, "Beste")->text(), "1 van de 2 keuzes waren de beste (50 %).");
        QCOMPARE(child<QLabel>(ann, "Duurste(1)Wanneer")->text(), "Beurt 13, worp 2");
        QCOMPARE(child<QLabel>(ann, "Duurste(1)")->text(),
                 "Gooide alles opnieuw (verwacht 217,50); beter was 6 6 6 vasthouden (225,00): 7,50 punten verloren.");
        QVERIFY(!ann->findChild<QLabel*>("Duurste(2)")); // the placement cost nothing
        QCOMPARE(child<QLabel>(ann, "Duurste(1)Steen(4)")->accessibleName(), "1");
        auto* list = child<QTreeWidget>(ann, "Keuzes");
        QCOMPARE(list->topLevelItem(1)->text(3), "Kans");
        QCOMPARE(list->topLevelItem(1)->text(4), "227,00");
        // The chart of the cost per turn and its text for a screen reader.
        auto* chart = child<CostChart>(ann, "Grafiek");
        QCOMPARE(chart->values()[12], 7.5);
        QVERIFY(chart->accessibleDescription().endsWith("Beurt 12: 0,00; Beurt 13: 7,50."));
        QVERIFY(chart->markRect(12).height() > chart->markRect(11).height());
    }

    // A player's page shows the three dearest of his decisions, dearest first, each as its line
    // in the list of all his decisions says; a decision that cost nothing is never among them.
    void theCostliestDecisionsAreTheDearestOfTheList() {
        const unsigned allButKans = AllCategories & ~(1u << rowCategory(RowKans));
        PlayedGame game;
        game.state.SpelerNaam = {"", "Ann"};
        // Rethrowing every die: dearer the more sixes were on the table; with 1 1 2 2 3 it costs nothing.
        const std::array<int, DiceCount> hands[] = {
            {6, 6, 5, 1, 2}, {1, 1, 2, 2, 3}, {6, 6, 6, 6, 2}, {6, 5, 1, 2, 3}, {6, 6, 6, 1, 2}};
        for (int t = 0; t < 5; ++t)
            game.decisions.push_back({1, 9 + t, 2, hands[t], Decision::Kind::Hold, 0, -1, allButKans, 63, 200});
        test::ScriptedPlatform platform;
        AnalyseForm dialog(game, 0, platform);
        dialog.setTable(m_table);
        QWidget* ann = child<QTabWidget>(&dialog, "Spelers")->widget(0);

        auto* list = child<QTreeWidget>(ann, "Keuzes");
        QCOMPARE(list->topLevelItemCount(), 5);
        QList<std::pair<double, QString>> costs; // cost, "Beurt t, worp n"
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            costs.append({QLocale(QLocale::Dutch).toDouble(item->text(7)),
                          QStringLiteral("Beurt %1, worp %2").arg(item->text(0), item->text(1))});
        }
        std::stable_sort(costs.begin(), costs.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        QVERIFY(costs[2].first > costs[3].first && costs[3].first > 0 && costs[4].first == 0);
        for (int k = 1; k <= 3; ++k) {
            const auto& [cost, when] = costs[k - 1];
            QCOMPARE(child<QLabel>(ann, QStringLiteral("Duurste(%1)Wanneer").arg(k))->text(), when);
            QVERIFY2(
                child<QLabel>(ann, QStringLiteral("Duurste(%1)").arg(k))
                    ->text()
                    .endsWith(
                        QStringLiteral(": %1 punten verloren.").arg(QLocale(QLocale::Dutch).toString(cost, 'f', 2))),
                qPrintable(when));
        }
        QVERIFY(!ann->findChild<QLabel*>("Duurste(4)"));
        QCOMPARE(child<QLabel>(ann, "Beste")->text(), "1 van de 5 keuzes waren de beste (20 %).");
    }

    // "Opslaan..." writes the CSV where the save dialog points; cancelled, it writes nothing.
    void savingWritesOneRowPerDecision() {
        QTemporaryDir dir;
        test::ScriptedPlatform platform;
        AnalyseForm dialog(playedBy({"", "Ann", "Bob, \"de\" Bouwer"}), 0, platform);
        dialog.setTable(m_table);
        test::click(&dialog, "OpslaanKnop");
        QCOMPARE(platform.saveQuestions.size(), 1);
        QVERIFY(platform.saveQuestions[0].endsWith("/Analyse.csv"));

        platform.savePath = dir.filePath("keuzes.csv");
        test::click(&dialog, "OpslaanKnop");
        QFile file(platform.savePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
        QCOMPARE(lines.size(), 5); // the header, three decisions, and the end of the last line
        QCOMPARE(lines[0], "speler,beurt,worp,steen 1,steen 2,steen 3,steen 4,steen 5,gekozen,beste keuze,"
                           "verwacht gekozen,verwacht beste,kosten");
        QCOMPARE(lines[1], "\"Ann\",13,2,6,6,6,1,2,\"vast: niets\",\"vast: 6 6 6\",217.5000,225.0000,7.5000");
        QCOMPARE(lines[2], "\"Ann\",13,3,5,6,4,6,6,\"Kans\",\"Kans\",227.0000,227.0000,0.0000");
        QVERIFY(lines[3].startsWith("\"Bob, \"\"de\"\" Bouwer\",1,1,6,6,6,6,6,\"Kwintor\",\"Kwintor\","));
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestUitslagForm)
#include "tst_uitslagform.moc"
