#include "dialogs/SpelerForm.h"
#include "support/DialogTestHelpers.h"

#include <QLineEdit>

using namespace kwintor;
using test::child;

class TestSpelerForm : public QObject {
    Q_OBJECT
    test::MainOnScript m;

    static QLineEdit* box(SpelerForm& dialog, int i) { return child<QLineEdit>(&dialog, QStringLiteral("Tsp(%1)").arg(i)); }
    static QString count(SpelerForm& dialog) { return child<QLabel>(&dialog, "Label2")->text(); }
    // Widgets of the main window itself, not of the dialog that is its child.
    QWidget* sheet(const QString& name) { return child(m.main->centralWidget(), name); }
    void startWith(const QStringList& names) {
        std::array<std::string, MaxPlayers + 1> all = m.main->game().state().SpelerNaam;
        for (int i = 0; i < names.size(); ++i)
            all[i + 1] = names[i].toStdString();
        m.main->game().choosePlayers(int(names.size()), all);
        m.main->refreshSheet();
    }

private slots:
    void init() { m.open(); }
    void cleanup() { m.close(); }

    void theWindowIsFixedAndTabsFromCancelThroughTheBoxes() {
        startWith({"A", "B", "C", "D", "E", "F"});
        SpelerForm dialog(*m.main);
        test::checkWindow(dialog, " Spelers", QSize(334, 190),
                          {"CancelKnop", "OkKnop", "HScroll1", "Tsp(1)", "Tsp(2)", "Tsp(3)", "Tsp(4)", "Tsp(5)",
                           "Tsp(6)", "CancelKnop"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on the focused Cancel
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void theBarEnablesTheBoxesInPlayAndKeepsEveryName_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("moves"); // values the bar is set to after opening
        QTest::addColumn<QString>("countText");
        QTest::newRow("opened with one") << 1 << QList<int>{} << "1 Speler";
        QTest::newRow("opened with three") << 3 << QList<int>{} << "3 Spelers";
        QTest::newRow("four, bar to 2") << 4 << QList<int>{2} << "2 Spelers";
        QTest::newRow("four, bar to 2 and back") << 4 << QList<int>{2, 4} << "4 Spelers";
    }
    void theBarEnablesTheBoxesInPlayAndKeepsEveryName() {
        QFETCH(int, players);
        QFETCH(QList<int>, moves);
        QFETCH(QString, countText);
        const QStringList six{"Ann", "Bob", "Cor", "Dirk", "Eva", "Fien"};
        startWith(six);
        startWith(six.mid(0, players));
        SpelerForm dialog(*m.main);
        auto* bar = child<QScrollBar>(&dialog, "HScroll1");
        QCOMPARE(bar->value(), players);
        for (int value : moves)
            bar->setValue(value);
        QCOMPARE(count(dialog), countText);
        const int shown = moves.isEmpty() ? players : moves.last();
        for (int i = 1; i <= MaxPlayers; ++i) {
            QCOMPARE(box(dialog, i)->isEnabled(), i <= shown);
            QCOMPARE(box(dialog, i)->text(), six[i - 1]);
        }
        // A drag is reported only when the thumb is let go.
        bar->setSliderDown(true);
        bar->setSliderPosition(6);
        QCOMPARE(count(dialog), countText);
        bar->setSliderDown(false);
        QCOMPARE(count(dialog), "6 Spelers");
    }

    void closingWritesCountNamesAndHeadersOnlyOnOk_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("typedInto"); // double-clicked (which empties it), then typed; 0 for none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("players");       // AantalSpelers afterwards
        QTest::addColumn<QStringList>("names"); // SpelerNaam(1..4) afterwards
        const QStringList four{"Ann", "Bob", "Cor", "Dirk"};
        QTest::newRow("Ok, box 2 emptied") << "OkKnop" << 2 << "" << 4 << 4 << QStringList{"Ann", "", "Cor", "Dirk"};
        QTest::newRow("Ok, four down to two") << "OkKnop" << 0 << "" << 2 << 2 << four;
        QTest::newRow("Cancel after typing") << "CancelKnop" << 1 << "Zoe" << 5 << 4 << four;
    }
    void closingWritesCountNamesAndHeadersOnlyOnOk() {
        QFETCH(QString, button);
        QFETCH(int, typedInto);
        QFETCH(QString, typed);
        QFETCH(int, bar);
        QFETCH(int, players);
        QFETCH(QStringList, names);
        startWith({"Ann", "Bob", "Cor", "Dirk"});
        SpelerForm dialog(*m.main);
        dialog.show();
        if (typedInto) {
            QTest::mouseDClick(box(dialog, typedInto), Qt::LeftButton);
            QTest::keyClicks(box(dialog, typedInto), typed);
        }
        child<QScrollBar>(&dialog, "HScroll1")->setValue(bar);
        test::click(&dialog, button);
        QVERIFY(!dialog.isVisible());
        const GameState& state = m.main->game().state();
        QCOMPARE(int(state.AantalSpelers), players);
        QCOMPARE(qobject_cast<QLabel*>(sheet("Label1"))->text(), QStringLiteral("Aantal spelers : %1").arg(players));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(QString::fromStdString(state.SpelerNaam[i]), names[i - 1]);
            // A player out of play is headed by the number, a player in play by the name.
            auto* header = qobject_cast<QLabel*>(sheet(QStringLiteral("SpelersLabel(%1)").arg(i)));
            QCOMPARE(header->text(), i <= players ? names[i - 1] : QStringLiteral("Speler %1").arg(i));
            QCOMPARE(header->isEnabled(), i <= players);
        }
        for (int p = 1; p <= MaxPlayers; ++p)
            QCOMPARE(sheet(QStringLiteral("SP%1(0)").arg(p))->isEnabled(), p <= players);
    }

    void okInTheMiddleOfAGameKeepsAScoredCellClosed() {
        Game& game = m.main->game();
        QVERIFY(game.beginThrow());
        for (int die = 1; die <= DiceCount; ++die)
            game.settleDie(die, 1);
        game.endThrow();
        QCOMPARE(game.place(1, 0), PlaceResult::Placed);
        const GameState before = game.state();
        SpelerForm dialog(*m.main);
        dialog.show();
        child<QScrollBar>(&dialog, "HScroll1")->setValue(2);
        test::click(&dialog, "OkKnop");
        const GameState& after = game.state();
        QVERIFY(!after.cells[1][0].open);
        QCOMPARE(after.cells[1][0].text, "5");
        QVERIFY(!sheet("SP1(0)")->isEnabled());
        QVERIFY(sheet("SP1(1)")->isEnabled() && sheet("SP2(0)")->isEnabled());
        QCOMPARE(after.TotaalAB[1], before.TotaalAB[1]);
        QCOMPARE(after.AanDeBeurt, before.AanDeBeurt);
    }
};

QTEST_MAIN(TestSpelerForm)
#include "tst_spelerform.moc"
