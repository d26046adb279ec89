#include "advisor/Categories.h"
#include "advisor/ValueTable.h"
#include "dialogs/AnalyseForm.h"
#include "dialogs/CostChart.h"
#include "support/DialogTestHelpers.h"
#include "support/ScriptedPlatform.h"

#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace kwintor;
using test::child;

namespace {

// Ann's last turn with only Kans open and 200 on her sheet: after the second throw she rethrew
// every die of 6 6 6 1 2 (worth 17.5 to come; keeping the sixes is worth 25), then placed 21.
// Bob's first decision: five sixes after his first throw, placed at once in Kwintor.
std::vector<Decision> decisions() {
    const unsigned allButKans = AllCategories & ~(1u << rowCategory(RowKans));
    Decision rethrow{1, 13, 2, {6, 6, 6, 1, 2}, Decision::Kind::Hold, 0, -1, allButKans, 63, 200};
    Decision place{1, 13, 3, {5, 6, 4, 6, 6}, Decision::Kind::Place, 0, RowKans, allButKans, 63, 200};
    Decision kwintor{2, 1, 1, {6, 6, 6, 6, 6}, Decision::Kind::Place, 0, RowKwintor, 0, 0, 0};
    return {rethrow, place, kwintor};
}

} // namespace

class TestAnalyseForm : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    // While the table is made the window says so; then it shows each player's review.
    void theReviewFillsInWhenTheTableIsThere() {
        test::ScriptedPlatform platform;
        AnalyseForm dialog(
            {{"", "Ann", "Bob"}, {PlayerKind::Person, PlayerKind::Person, PlayerKind::Sterk}, decisions()}, 0,
            platform);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), " Analyse");
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

    // "Opslaan..." writes the CSV where the save dialog points; cancelled, it writes nothing.
    void savingWritesOneRowPerDecision() {
        QTemporaryDir dir;
        test::ScriptedPlatform platform;
        AnalyseForm dialog({{"", "Ann", "Bob, \"de\" Bouwer"}, {}, decisions()}, 0, platform);
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

QTEST_MAIN(TestAnalyseForm)
#include "tst_analyseform.moc"
