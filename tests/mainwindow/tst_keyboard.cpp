#include "mainwindow/ScoreSheet.h"
#include "support/MainFixture.h"

#include <QAccessible>

using namespace kwintor;
using test::MainFixture;
using test::OneColumn;
using Answer = Platform::Answer;

// The main window played by keys alone, its undo item, the score preview and what a screen
// reader reads of its controls.
class TestKeyboard : public QObject {
    Q_OBJECT
    std::unique_ptr<MainFixture> f;

private slots:
    void init() {
        f = std::make_unique<MainFixture>();
        f->open();
        f->byKeys = true;
    }
    void cleanup() { f.reset(); }

    void aWholeGameByKeysAlone() {
        f->platform.answers << Answer::No; // the score question at the end
        for (const test::Turn& turn : OneColumn) {
            f->play(turn);
            QCOMPARE(f->cell(1, turn.row)->text(), QString::number(turn.points));
            QCOMPARE(f->main->sheet().cursorPlayer(), 0); // the cell is scored: the cursor goes
        }
        QCOMPARE(f->cell(1, RowGrandTotal)->text(), QString::number(test::OneColumnTotal));
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].title, " Score");
    }

    void theCursorVisitsOnlyOpenCellsOfThePlayerOnTurn() {
        f->setPlayers({"Anna", "Bert"});
        f->play(OneColumn[1]); // Anna's twos
        f->throwDice({6, 6, 6, 6, 6});
        QStringList visited;
        for (int i = 0; i < 14; ++i) {
            f->key(Qt::Key_Up);
            visited << QStringLiteral("%1/%2").arg(f->main->sheet().cursorPlayer()).arg(f->main->sheet().cursorRow());
        }
        // Bert's thirteen open categories from the bottom up, then round again; never a total.
        QCOMPARE(visited.join(u' '), "2/14 2/13 2/12 2/11 2/10 2/9 2/8 2/5 2/4 2/3 2/2 2/1 2/0 2/14");
        QVERIFY(f->widget("CellCursor")->isVisible());
        f->key(Qt::Key_Escape);
        QVERIFY(f->widget("CellCursor")->isHidden());
        f->platform.faces << 1 << 1 << 1 << 1 << 1;
        f->key(Qt::Key_Enter); // without a cursor Enter throws
        QCOMPARE(f->state().WorpTeller, 2);
    }

    void undoTakesBackOnlyTheLastPlacementBeforeTheNextThrow_data() {
        QTest::addColumn<int>("turns");
        QTest::addColumn<bool>("throwAfter");
        QTest::addColumn<bool>("offered");
        QTest::newRow("after a placement") << 2 << false << true;
        QTest::newRow("after the next throw") << 1 << true << false;
    }
    void undoTakesBackOnlyTheLastPlacementBeforeTheNextThrow() {
        QFETCH(int, turns);
        QFETCH(bool, throwAfter);
        QFETCH(bool, offered);
        f->platform.answers << Answer::No;
        f->play(OneColumn.mid(0, turns));
        if (throwAfter)
            f->throwDice({2, 2, 2, 2, 2});
        QCOMPARE(f->main->actions().ongedaan->isEnabled(), offered);
        const test::Turn& last = OneColumn[std::max(0, turns - 1)];
        const QString before = f->cell(1, last.row)->text();
        const int total = f->state().TotaalAB[1];
        f->key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->cell(1, last.row)->text(), offered ? "0" : before);
        if (!offered)
            return;
        // The dice and the throws are back: another cell takes them.
        QCOMPARE(f->state().TotaalAB[1], total - last.points);
        QVERIFY(!f->main->actions().ongedaan->isEnabled());
        QCOMPARE(f->state().WorpTeller, 2);
        f->place(1, RowKans);
        QCOMPARE(f->cell(1, RowKans)->text(), "10");
    }

    void previewAndTooltipsShowWhatACellWouldScore_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::newRow("threes") << int(RowDrieen) << 9;
        QTest::newRow("four of a kind") << int(RowVierGelijke) << 0;
        QTest::newRow("full house") << int(RowFullHouse) << 25;
    }
    void previewAndTooltipsShowWhatACellWouldScore() {
        QFETCH(int, row);
        QFETCH(int, value);
        QCOMPARE(f->cell(1, RowBonus)->toolTip(), "Nog 63 punten tot de bonus");
        QCOMPARE(f->cell(1, row)->toolTip(), QString()); // nothing thrown yet
        f->throwDice({2, 2, 3, 3, 3});
        QCOMPARE(f->cell(1, row)->toolTip(), QStringLiteral("Nu %1 punten").arg(value));
        QCOMPARE(f->cell(1, row)->text(), "0"); // no preview while the item is off
        f->run("Tools/Toon mogelijke score");
        QCOMPARE(f->cell(1, row)->text(), QString::number(value));
        QVERIFY(f->cell(1, row)->palette().color(QPalette::WindowText).alpha() < 255); // faint
        QCOMPARE(f->cell(1, RowTotalA)->text(), "0");
        f->place(1, row);
        QCOMPARE(f->cell(1, row)->palette().color(QPalette::WindowText).alpha(), 255);
        QCOMPARE(f->cell(1, RowEnen)->text(), "0"); // nothing thrown in the new turn
        QCOMPARE(f->cell(1, RowBonus)->toolTip(),
                 row == RowDrieen ? "Nog 54 punten tot de bonus" : "Nog 63 punten tot de bonus");
    }

    void aScreenReaderReadsTheControls_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        for (auto [tag, control, text] : {
                 std::array{"held die", "DobbelsteenPic(3)", "Dobbelsteen 3: vijf, vastgezet"},
                 {"die", "DobbelsteenPic(1)", "Dobbelsteen 1: vier"},
                 {"scored cell", "SP1(4)", "Anna, Totaal vijven: 25"},
                 {"open cell", "SP1(12)", "Anna, Full house: open, nu 0 waard"},
                 {"open cell of the player not on turn", "SP2(12)", "Bert, Full house: open"},
                 {"upper total of the other", "SP2(6)", "Bert, Totaal A: 5, nog 58 punten tot de bonus"},
                 {"name on turn", "SpelersLabel(1)", "Anna, aan de beurt"},
                 {"name not in play", "SpelersLabel(3)", "Speler 3, speelt niet mee"},
                 {"throw button", "SchudKnop", "Gooien, worp 3 van 3"},
                 {"announcement", "DiceTray", "Worp 2 van 3: vier, vijf, vijf, vijf, vijf. Som 24."},
             })
            QTest::newRow(tag) << QString(control) << QString::fromUtf8(text);
    }
    void aScreenReaderReadsTheControls() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        f->setPlayers({"Anna", "Bert"});
        f->play(OneColumn[RowVijven], 1);
        f->play(OneColumn[RowEnen], 2);
        f->throwDice({4, 4, 5, 5, 5});
        f->hold(3);
        f->throwDice({4, 5, 5, 5}); // die 3 stays a five
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(f->widget(control));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), text);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
