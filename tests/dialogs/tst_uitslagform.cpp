#include "dialogs/UitslagForm.h"
#include "support/DialogTestHelpers.h"

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

} // namespace

class TestUitslagForm : public QObject {
    Q_OBJECT
private slots:
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
        QTest::newRow("Nieuw spel") << "List1"
                                    << "NieuwKnop" << int(UitslagForm::Choice::NieuwSpel);
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
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.choice()), choice);
    }
};

QTEST_MAIN(TestUitslagForm)
#include "tst_uitslagform.moc"
