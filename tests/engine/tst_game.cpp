#include "../support/GameScript.h"
#include "engine/Scoring.h"

using namespace kwintor;
using namespace kwintor::test;

namespace {

constexpr int CategoryRows[CategoryCount] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};
const char* const ResultName[] = {"Ignored", "NotOnTurn", "Placed", "PlayerFinished"};

} // namespace

// The rules: what each category scores, and the game played by its calls.
class TestGame : public QObject {
    Q_OBJECT

private slots:
    void everyCategoryScoresByItsRule_data() {
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char* dice, const char* expected) {
            QTest::newRow(dice) << QString(dice) << QString(expected);
        };
        //                  ones ... sixes, three of a kind, four of a kind, small straight, large straight, full house,
        //                  chance, five of a kind
        add("3 3 3 3 3", "0 0 15 0 0 0   15 15 0 0 0 15 50");
        add("2 3 4 5 6", "0 2 3 4 5 6    0 0 30 40 0 20 0");
        add("1 2 3 4 6", "1 2 3 4 0 6    0 0 30 0 0 16 0");
        add("1 2 3 5 6", "1 2 3 0 5 6    0 0 0 0 0 17 0");
        add("1 2 2 3 4", "1 4 3 4 0 0    0 0 30 0 0 12 0");
        add("2 2 3 3 3", "0 4 9 0 0 0    13 0 0 0 25 13 0");
        add("4 4 4 4 2", "0 2 0 16 0 0   18 18 0 0 0 18 0");
        add("2 3 4 5 5", "0 2 3 4 10 0   0 0 30 0 0 19 0");
        add("5 4 3 2 1", "1 2 3 4 5 0    0 0 30 40 0 15 0");
        add("5 5 5 6 6", "0 0 0 0 15 12  27 0 0 0 25 27 0");
        add("4 4 4 1 2", "1 2 0 12 0 0   15 0 0 0 0 15 0");
        add("1 1 2 2 3", "2 4 3 0 0 0    0 0 0 0 0 9 0");
        // A die of value 0 (held before it was ever thrown) matches no face and no run, and adds nothing.
        add("0 3 3 3 3", "0 0 12 0 0 0   12 12 0 0 0 12 0");
        add("0 2 3 4 5", "0 2 3 4 5 0    0 0 30 0 0 14 0");
        add("6 0 6 6 0", "0 0 0 0 0 18   18 0 0 0 0 18 0");
    }

    void everyCategoryScoresByItsRule() {
        QFETCH(QString, dice);
        QFETCH(QString, expected);
        const QStringList faces = dice.split(u' '), want = expected.split(u' ', Qt::SkipEmptyParts);
        QVERIFY(faces.size() == DiceCount && want.size() == CategoryCount);
        Dice values{};
        int sum = 0;
        for (int i = 1; i <= DiceCount; ++i)
            sum += values[i] = std::uint8_t(faces[i - 1].toInt());
        QStringList got;
        for (int row : CategoryRows) {
            QCOMPARE(categoryValue(row, values), categoryValue(row, values, sum)); // it works out the same sum
            got << QString::number(categoryValue(row, values, sum));
        }
        QCOMPARE(got, want);
        // The named tests agree with what the straights and the full house score.
        QCOMPARE(KleineStraat(values), want[8] == "30");
        QCOMPARE(GroteStraat(values), want[9] == "40");
        QCOMPARE(FullHouse(values), want[10] == "25");
        for (int row : {-1, 6, 7, 15, 16, 17}) // total rows and rows off the sheet score nothing
            QCOMPARE(categoryValue(row, values, sum), 0);
    }

    void aClickPlacesOnlyAnOpenZeroCategoryOfThePlayerOnTurnAndTheTotalsFollow_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("row");
        // Ignored, NotOnTurn, or the text placed and the totals A/B/bonus/grand total.
        QTest::addColumn<QString>("outcome");

        QTest::newRow("no throw yet") << "" << 1 << 13 << "Ignored";
        QTest::newRow("second click after a placement") << "t12345 p0" << 1 << 1 << "Ignored";
        QTest::newRow("bonus cell 7") << "t22333" << 1 << 7 << "Ignored";
        QTest::newRow("a scored 0, column reopened") << "t12356 p10 n1 t12345" << 1 << 10 << "Ignored";
        QTest::newRow("holds before the first throw do nothing: every die rolls")
            << "h12345 t11111" << 1 << 13 << "5 0/5/0/5";
        QTest::newRow("column of a player not in play") << "t22333" << 2 << 0 << "Ignored";
        QTest::newRow("out of turn, 2 players, dice held") << "n2 t22233 h12 t66233 h4" << 2 << 0 << "NotOnTurn";
        QTest::newRow("count lowered below the player on turn")
            << "n4 t11111 p0 t11111 p0 n2 t44444" << 1 << 8 << "NotOnTurn";
        QTest::newRow("column closed when the count is lowered")
            << "n4 t11111 p0 t11111 p0 n2 t44444" << 4 << 8 << "Ignored";
        QTest::newRow("full house on the first throw") << "t22333" << 1 << 12 << "25 0/25/0/25";
        QTest::newRow("two throws, dice held") << "n2 t55123 h12 t55556" << 1 << 4 << "20 20/0/0/20";
        QTest::newRow("new game mid-turn, then player 1 throws")
            << "n2 t11111 p14 t33355 N t22333" << 1 << 12 << "25 0/25/0/25";
        QTest::newRow("upper section at 62: no bonus")
            << "t11666 p0 t22211 p1 t33311 p2 t44411 p3 t55511 p4 t66611" << 1 << 5 << "18 62/0/0/62";
        QTest::newRow("upper section at 63: bonus")
            << "t11166 p0 t22211 p1 t33311 p2 t44411 p3 t55511 p4 t66611" << 1 << 5 << "18 63/0/35/98";
        QTest::newRow("bonus given once")
            << "t66666 p5 t55555 p4 t44422 p3 t33311 p2 t66612 p8 t11111" << 1 << 0 << "5 81/21/35/137";
    }

    void aClickPlacesOnlyAnOpenZeroCategoryOfThePlayerOnTurnAndTheTotalsFollow() {
        QFETCH(QString, script);
        QFETCH(int, player);
        QFETCH(int, row);
        QFETCH(QString, outcome);
        Game game;
        play(game, script);
        const GameState before = game.state();
        const bool placed = outcome != "Ignored" && outcome != "NotOnTurn";
        QCOMPARE(ResultName[int(game.place(player, row))], placed ? "Placed" : qPrintable(outcome));
        const GameState& s = game.state();
        if (!placed) { // a refusal changes nothing at all
            QCOMPARE(dump(s), dump(before));
            return;
        }
        QCOMPARE(cellText(s, player, row) + u' ' + sheetTotals(s, player), outcome);
        QCOMPARE(keptTotals(s, player), sheetTotals(s, player));
        // The turn passes with a fresh throw counter and no holds; the dice stay on the table.
        QVERIFY(s.AanDeBeurt == player % before.AantalSpelers + 1 && s.WorpTeller == 0 &&
                s.Vastgezet == decltype(s.Vastgezet){});
        QVERIFY(s.ScoreGeplaatst && s.cells[player][row].scored);
        QVERIFY(s.DobbelWaarde == before.DobbelWaarde && s.DobbelSom == before.DobbelSom);
    }

    void aWholeGameTakesTurnsInOrderAndEndsEachColumnOnItsThirteenthPlacement_data() {
        QTest::addColumn<int>("players");
        for (int n = 1; n <= MaxPlayers; ++n)
            QTest::newRow(qPrintable(QStringLiteral("%1 player%2").arg(n).arg(n > 1 ? "s" : ""))) << n;
    }

    void aWholeGameTakesTurnsInOrderAndEndsEachColumnOnItsThirteenthPlacement() {
        QFETCH(int, players);
        // The dice each category (in CategoryRows order) is played with and what it scores:
        // upper 67 and the bonus, lower 191 with four of a kind missed, 293 in all.
        const QStringList plan{"11123", "22256", "33311", "44441", "55522", "66612", "55532",
                               "66633", "12346", "23456", "33322", "65465", "44444"};
        const int score[CategoryCount] = {3, 6, 9, 16, 15, 18, 20, 0, 30, 40, 25, 26, 50};
        Game game;
        play(game, QStringLiteral("n%1").arg(players));
        std::array<int, MaxPlayers + 1> placed{};
        for (int turn = 0; turn < CategoryCount * players; ++turn) {
            const int p = game.state().AanDeBeurt;
            QCOMPARE(p, turn % players + 1);
            // Each player fills his column in an order of his own, so each ends on another category.
            const int k = (placed[p] + 2 * (p - 1)) % CategoryCount, row = CategoryRows[k];
            // Half the turns take three throws; only the last one counts.
            play(game, (turn % 2 ? "t66666 t12356 t" : "t") + plan[k]);
            QCOMPARE(int(game.state().WorpTeller), turn % 2 ? 3 : 1);
            QCOMPARE(game.canThrow(), turn % 2 == 0); // never a fourth throw
            const bool last = ++placed[p] == CategoryCount;
            QCOMPARE(ResultName[int(game.place(p, row))], last ? "PlayerFinished" : "Placed");
            QCOMPARE(game.playerFinished(p), last);
            QCOMPARE(cellText(game.state(), p, row), QString::number(score[k]));
        }
        for (int p = 1; p <= players; ++p)
            QCOMPARE(sheetTotals(game.state(), p), QStringLiteral("67/191/35/293"));
        // The game stands still: a throw is possible, no click places anything.
        play(game, "t66666");
        for (int p = 0; p <= MaxPlayers + 1; ++p)
            for (int row = -1; row <= CellCount; ++row)
                QVERIFY(game.place(p, row) == PlaceResult::Ignored);
    }

    void aNewGameResetsTheSheetButLeavesTheDiceOnTheTable_data() {
        QTest::addColumn<QString>("script");
        QTest::newRow("three players, mid-turn, dice held") << "n3 t66666 p5 t12356 p10 t44213 h12 t44441 h5";
        QTest::newRow("right after a placement, bonus given") << "t66666 p5 t55555 p4 t44444 p3";
        QTest::newRow("refused during a throw") << "n2 t22222 p1 b s40000";
    }

    void aNewGameResetsTheSheetButLeavesTheDiceOnTheTable() {
        QFETCH(QString, script);
        Game game;
        play(game, script);
        const GameState before = game.state();
        QCOMPARE(game.newGame(), !before.throwing);
        // A fresh game, but the dice stay on the table with the right to place them; during a throw, no change.
        GameState expected = before.throwing ? before : Game().state();
        expected.DobbelWaarde = before.DobbelWaarde;
        expected.DobbelSom = before.DobbelSom;
        expected.ScoreGeplaatst = before.ScoreGeplaatst;
        QCOMPARE(dump(game.state()), dump(expected));
    }

    void theHoldsReadAtTheStartOfAThrowDecideWhichDiceRoll_data() {
        // A script that ends with a throw begun (holds may be toggled during it); then every die is
        // told to come to rest on a 6. Before and after that: "rolling/held/dice/throws/sum".
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("state");
        QTest::newRow("all five held still counts as a throw") << "t24613 h12345 b"
                                                               << "-----/HHHHH/24613/2/0 -----/HHHHH/24613/2/16";
        QTest::newRow("no hold into the next turn") << "t61234 p13 h1 b"
                                                    << "RRRRR/-----/00000/1/0 -----/-----/66666/1/30";
        QTest::newRow("held during the throw") << "t12345 b h24"
                                               << "RRRRR/-H-H-/00000/2/0 -----/-H-H-/66666/2/30";
        QTest::newRow("released during the throw") << "t12345 h15 b h15"
                                                   << "-RRR-/-----/10005/2/0 -----/-----/16665/2/24";
    }

    void theHoldsReadAtTheStartOfAThrowDecideWhichDiceRoll() {
        QFETCH(QString, script);
        QFETCH(QString, state);
        Game game;
        const GameState& s = game.state();
        const auto describe = [&] {
            QString rolling, held, dice;
            for (int i = 1; i <= DiceCount; ++i) {
                rolling += game.rolling()[i] ? u'R' : u'-';
                held += s.Vastgezet[i] ? u'H' : u'-';
                dice += QString::number(s.DobbelWaarde[i]);
            }
            return QStringList{rolling, held, dice, QString::number(s.WorpTeller), QString::number(s.DobbelSom)}.join(
                u'/');
        };
        play(game, script);
        const QString during = describe();
        play(game, "s66666 e");
        QCOMPARE(during + u' ' + describe(), state);
        QVERIFY(!s.ScoreGeplaatst);
    }

    void undoTakesBackOnlyTheLastPlacementUntilTheNextThrow_data() {
        // "before | after": undo should return to the state after `before`, once `after` is played.
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("undone");
        const QString twelve = "t11123 p0 t22256 p1 t33311 p2 t44441 p3 t55522 p4 t66612 p5 t55532 p8 "
                               "t66633 p9 t12346 p10 t23456 p11 t33322 p12 t65465 p13 t44444";
        QTest::newRow("plain placement: turn, holds and throw count go back") << "n2 t12345 h12 t12344 | p3" << true;
        QTest::newRow("the bonus it gave goes back too") << "t66666 p5 t55555 p4 t44442 | p3" << true;
        QTest::newRow("a player's last placement, before the question") << twelve + " | p14" << true;
        QTest::newRow("only the last of two placements") << "t12345 p13 t11111 | p0" << true;
        QTest::newRow("nothing placed yet") << "t12345 | " << false;
        QTest::newRow("refused after a throw") << "t12345 | p13 t11111" << false;
        QTest::newRow("refused once a throw has begun") << "t12345 | p13 b s11111" << false;
        QTest::newRow("refused after a new game") << "t12345 | p13 N" << false;
        QTest::newRow("refused after the players are chosen") << "n2 t12345 | p13 n2" << false;
        QTest::newRow("refused once the score list question is answered") << twelve + " | p14 F" << false;
    }

    void undoTakesBackOnlyTheLastPlacementUntilTheNextThrow() {
        QFETCH(QString, script);
        QFETCH(bool, undone);
        const QString after = script.section(u'|', 1).trimmed();
        Game game;
        play(game, script.section(u'|', 0, 0));
        const GameState start = game.state();
        play(game, after);
        const GameState end = game.state();
        QCOMPARE(game.canUndo(), undone);
        QCOMPARE(game.undo(), undone);
        QCOMPARE(dump(game.state()), dump(undone ? start : end));
        QCOMPARE(game.state().ScoreGeplaatst, undone ? start.ScoreGeplaatst : end.ScoreGeplaatst);
        // One step only: a second undo finds nothing.
        QVERIFY(!game.canUndo() && !game.undo());
        if (undone) // the cell is open again and takes the same dice
            QVERIFY(game.place(game.state().AanDeBeurt, after.mid(1).toInt()) >= PlaceResult::Placed);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
