#include "engine/Game.h"

#include <QStringList>
#include <QTest>

#include <functional>
#include <random>
#include <set>

using namespace kwintor;

using Faces = std::array<int, DiceCount>;
using Setup = std::function<void(Game&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

constexpr int CategoryRows[CategoryCount] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};

Faces facesFrom(const QString& text) {
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    Q_ASSERT(parts.size() == DiceCount);
    Faces faces{};
    for (int i = 0; i < DiceCount; ++i)
        faces[i] = parts[i].toInt();
    return faces;
}

// One throw: the dice that roll come to rest on `faces` (die i on faces[i - 1]).
bool throwDice(Game& game, const Faces& faces) {
    if (!game.beginThrow())
        return false;
    for (int i = 1; i <= DiceCount; ++i)
        if (game.rolling()[i])
            game.settleDie(i, faces[i - 1]);
    game.endThrow();
    return true;
}
bool throwDice(Game& game, const char* faces) { return throwDice(game, facesFrom(QString::fromLatin1(faces))); }

// The player on turn throws `faces` and places them in `row`.
PlaceResult throwAndPlace(Game& game, const char* faces, int row) {
    if (!throwDice(game, faces))
        return PlaceResult::Ignored;
    return game.place(game.state().AanDeBeurt, row);
}

std::array<std::string, MaxPlayers + 1> names(std::initializer_list<const char*> given) {
    std::array<std::string, MaxPlayers + 1> result{};
    int p = 1;
    for (const char* name : given)
        result[p++] = name;
    return result;
}

QString cellText(const Game& game, int player, int row) {
    return QString::fromStdString(game.state().cells[player][row].text);
}

// Empty when both states are the same in every field, else the first field that differs.
QString difference(const GameState& a, const GameState& b) {
    for (int i = 0; i <= DiceCount; ++i) {
        if (a.DobbelWaarde[i] != b.DobbelWaarde[i])
            return QStringLiteral("DobbelWaarde(%1): %2 / %3").arg(i).arg(a.DobbelWaarde[i]).arg(b.DobbelWaarde[i]);
        if (a.Vastgezet[i] != b.Vastgezet[i])
            return QStringLiteral("Vastgezet(%1)").arg(i);
    }
    if (a.DobbelSom != b.DobbelSom)
        return QStringLiteral("DobbelSom: %1 / %2").arg(a.DobbelSom).arg(b.DobbelSom);
    if (a.WorpTeller != b.WorpTeller)
        return QStringLiteral("WorpTeller: %1 / %2").arg(a.WorpTeller).arg(b.WorpTeller);
    if (a.ScoreGeplaatst != b.ScoreGeplaatst)
        return QStringLiteral("ScoreGeplaatst");
    if (a.AanDeBeurt != b.AanDeBeurt)
        return QStringLiteral("AanDeBeurt: %1 / %2").arg(a.AanDeBeurt).arg(b.AanDeBeurt);
    if (a.AantalSpelers != b.AantalSpelers)
        return QStringLiteral("AantalSpelers: %1 / %2").arg(a.AantalSpelers).arg(b.AantalSpelers);
    if (a.throwing != b.throwing)
        return QStringLiteral("throwing");
    for (int p = 0; p <= MaxPlayers; ++p) {
        if (a.SpelerNaam[p] != b.SpelerNaam[p])
            return QStringLiteral("SpelerNaam(%1)").arg(p);
        if (a.TotaalA[p] != b.TotaalA[p] || a.TotaalB[p] != b.TotaalB[p] || a.TotaalAB[p] != b.TotaalAB[p])
            return QStringLiteral("totals of player %1").arg(p);
        if (a.BonusGegeven[p] != b.BonusGegeven[p])
            return QStringLiteral("BonusGegeven(%1)").arg(p);
        for (int row = 0; row < CellCount; ++row) {
            const Cell& x = a.cells[p][row];
            const Cell& y = b.cells[p][row];
            if (x.text != y.text || x.open != y.open || x.scored != y.scored)
                return QStringLiteral("cell %1 of player %2: \"%3\" %4 %5 / \"%6\" %7 %8")
                    .arg(row)
                    .arg(p)
                    .arg(QString::fromStdString(x.text))
                    .arg(x.open ? "open" : "closed")
                    .arg(x.scored ? "scored" : "unscored")
                    .arg(QString::fromStdString(y.text))
                    .arg(y.open ? "open" : "closed")
                    .arg(y.scored ? "scored" : "unscored");
        }
    }
    return {};
}

// An independent reckoning of a category's value, for the random run.
int referenceValue(int row, const Dice& dice) {
    int count[7] = {};
    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i) {
        sum += dice[i];
        if (dice[i] >= 1 && dice[i] <= 6)
            ++count[dice[i]];
    }
    int most = 0;
    bool three = false, two = false;
    for (int v = 1; v <= 6; ++v) {
        most = std::max(most, count[v]);
        three = three || count[v] == 3;
        two = two || count[v] == 2;
    }
    auto run = [&](int from, int length) {
        for (int v = from; v < from + length; ++v)
            if (count[v] == 0)
                return false;
        return true;
    };
    if (row <= 5)
        return (row + 1) * count[row + 1];
    switch (row) {
    case 8: return most >= 3 ? sum : 0;
    case 9: return most >= 4 ? sum : 0;
    case 10: return run(1, 4) || run(2, 4) || run(3, 4) ? 30 : 0;
    case 11: return run(1, 5) || run(2, 5) ? 40 : 0;
    case 12: return three && two ? 25 : 0;
    case 13: return sum;
    case 14: return most == 5 ? 50 : 0;
    }
    return -1;
}

int textNumber(const std::string& text) { return QString::fromStdString(text).toInt(); }

// The invariants every state keeps; empty when all hold, else the first broken one.
QString brokenInvariant(const GameState& s) {
    if (s.AanDeBeurt < 1 || s.AanDeBeurt > MaxPlayers)
        return QStringLiteral("AanDeBeurt %1").arg(s.AanDeBeurt);
    if (s.AantalSpelers < 1 || s.AantalSpelers > MaxPlayers)
        return QStringLiteral("AantalSpelers %1").arg(s.AantalSpelers);
    if (s.WorpTeller > 3)
        return QStringLiteral("WorpTeller %1").arg(s.WorpTeller);
    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i) {
        if (s.DobbelWaarde[i] > 6)
            return QStringLiteral("DobbelWaarde(%1) %2").arg(i).arg(s.DobbelWaarde[i]);
        sum += s.DobbelWaarde[i];
    }
    if (s.throwing && s.DobbelSom != 0)
        return QStringLiteral("DobbelSom %1 during a throw").arg(s.DobbelSom);
    if (!s.throwing && s.DobbelSom != sum)
        return QStringLiteral("DobbelSom %1, dice add up to %2").arg(s.DobbelSom).arg(sum);
    for (int p = 1; p <= MaxPlayers; ++p) {
        const auto& c = s.cells[p];
        const bool inPlay = p <= s.AantalSpelers;
        int a = 0, b = 0;
        for (int row = 0; row < CellCount; ++row) {
            if (isCategoryRow(row)) {
                if (!c[row].scored && c[row].text != "0")
                    return QStringLiteral("unscored cell %1 of player %2 shows %3")
                        .arg(row)
                        .arg(p)
                        .arg(QString::fromStdString(c[row].text));
                if (c[row].open != (inPlay && !c[row].scored))
                    return QStringLiteral("cell %1 of player %2 is %3").arg(row).arg(p).arg(c[row].open ? "open" : "closed");
                (row <= 5 ? a : b) += textNumber(c[row].text);
            } else if (c[row].open != inPlay) {
                return QStringLiteral("total cell %1 of player %2 is %3").arg(row).arg(p).arg(c[row].open ? "open" : "closed");
            }
        }
        const int bonus = s.BonusGegeven[p] ? BonusPoints : 0;
        if (s.TotaalA[p] != a || textNumber(c[RowTotalA].text) != a)
            return QStringLiteral("TotaalA(%1) %2, cell 6 %3, cells add up to %4")
                .arg(p)
                .arg(s.TotaalA[p])
                .arg(QString::fromStdString(c[RowTotalA].text))
                .arg(a);
        if (s.TotaalB[p] != b || textNumber(c[RowTotalB].text) != b)
            return QStringLiteral("TotaalB(%1) %2, cells add up to %3").arg(p).arg(s.TotaalB[p]).arg(b);
        if (s.BonusGegeven[p] != (a >= BonusThreshold))
            return QStringLiteral("BonusGegeven(%1) with TotaalA %2").arg(p).arg(a);
        if (c[RowBonus].text != (s.BonusGegeven[p] ? "35" : "0"))
            return QStringLiteral("cell 7 of player %1 shows %2").arg(p).arg(QString::fromStdString(c[RowBonus].text));
        if (s.TotaalAB[p] != a + b + bonus || textNumber(c[RowGrandTotal].text) != a + b + bonus)
            return QStringLiteral("TotaalAB(%1) %2, want %3").arg(p).arg(s.TotaalAB[p]).arg(a + b + bonus);
    }
    return {};
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void aRefusedPlacementChangesNothingAndShowsNoMessage_data();
    void aRefusedPlacementChangesNothingAndShowsNoMessage();
    void aClickOutOfTurnChangesNothingAtAll_data();
    void aClickOutOfTurnChangesNothingAtAll();
    void theTurnPassesInOrderAndBackToPlayerOne_data();
    void theTurnPassesInOrderAndBackToPlayerOne();
    void aPlacementResetsTheTurnButLeavesTheDice();
    void totalsAndBonusFollowEveryPlacement_data();
    void totalsAndBonusFollowEveryPlacement();
    void aPlayersGameEndsOnHisThirteenthPlacementOnly_data();
    void aPlayersGameEndsOnHisThirteenthPlacementOnly();
    void aWholeGameOfThirteenTurnsEndsEveryColumnFull_data();
    void aWholeGameOfThirteenTurnsEndsEveryColumnFull();
    void aNewGameResetsSheetPlayersAndTurnButNotTheDice();
    void aNewGameMidTurnLetsPlayerOnePlaceTheDiceOnTheTable();
    void aNewGameRightAfterAPlacementNeedsAThrow();
    void aNewGameIsRefusedDuringAThrow();
    void allFiveHeldStillCountsAsAThrow();
    void aDieHeldBeforeItWasEverThrownStaysZero();
    void aHeldDieKeepsItsValueIntoTheNextTurn();
    void holdsToggledDuringAThrowDoNotChangeWhichDiceRoll_data();
    void holdsToggledDuringAThrowDoNotChangeWhichDiceRoll();
    void theThrowCounterStopsAtThree();
    void choosingPlayersReopensOnlyUnscoredCellsAndTotals();
    void aScoredZeroCellIsNotReopened();
    void loweringTheCountBelowThePlayerOnTurnBlocksEveryPlacement();
    void choosingACountOutsideOneToSixChangesNothing_data();
    void choosingACountOutsideOneToSixChangesNothing();
    void invariantsHoldThroughRandomPlay_data();
    void invariantsHoldThroughRandomPlay();
};

void TestGame::aRefusedPlacementChangesNothingAndShowsNoMessage_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("row");

    const Setup nothing = [](Game&) {};
    const Setup thrown = [](Game& g) { throwDice(g, "2 2 3 3 3"); };
    const Setup twoPlayersThrown = [](Game& g) {
        g.choosePlayers(2, names({"Anna", "Bert"}));
        throwDice(g, "2 2 3 3 3");
    };

    QTest::newRow("no throw since start-up") << nothing << 1 << 0;
    QTest::newRow("no throw, other player's open column") << Setup([](Game& g) {
        g.choosePlayers(2, names({"Anna", "Bert"}));
    }) << 2 << 0;
    QTest::newRow("second click after a placement") << Setup([](Game& g) {
        throwAndPlace(g, "1 2 3 4 5", 0);
    }) << 1 << 1;
    QTest::newRow("previous player after his placement") << Setup([](Game& g) {
        g.choosePlayers(2, names({"Anna", "Bert"}));
        throwAndPlace(g, "1 2 3 4 5", 0);
    }) << 1 << 1;
    QTest::newRow("throw under way, dice settled") << Setup([](Game& g) {
        throwDice(g, "1 2 3 4 5");
        g.beginThrow();
        for (int i = 1; i <= DiceCount; ++i)
            g.settleDie(i, 6);
    }) << 1 << 13;
    QTest::newRow("throw under way, dice blank") << Setup([](Game& g) {
        throwDice(g, "1 2 3 4 5");
        g.beginThrow();
    }) << 1 << 13;
    QTest::newRow("total cell 6, open") << twoPlayersThrown << 1 << 6;
    QTest::newRow("bonus cell 7, open, shows 0") << twoPlayersThrown << 1 << 7;
    QTest::newRow("total cell 15, open, shows 0") << twoPlayersThrown << 1 << 15;
    QTest::newRow("total cell 16, open, shows 0") << twoPlayersThrown << 1 << 16;
    QTest::newRow("total cell of the other player") << twoPlayersThrown << 2 << 6;
    QTest::newRow("total cell 6 showing a score, reopened") << Setup([](Game& g) {
        throwAndPlace(g, "6 6 6 1 1", 5);
        g.choosePlayers(1, names({"Anna"}));
        throwDice(g, "2 2 3 3 3");
    }) << 1 << 6;
    QTest::newRow("scored cell showing a number, reopened") << Setup([](Game& g) {
        throwAndPlace(g, "1 1 1 2 3", 0);
        g.choosePlayers(1, names({"Anna"}));
        throwDice(g, "1 1 1 1 1");
    }) << 1 << 0;
    QTest::newRow("dice sum 0: all held before ever thrown") << Setup([](Game& g) {
        for (int i = 1; i <= DiceCount; ++i)
            g.toggleHold(i);
        g.beginThrow();
        g.endThrow();
    }) << 1 << 13;
    QTest::newRow("closed column of a player not in play") << thrown << 2 << 0;
    QTest::newRow("player 0") << thrown << 0 << 0;
    QTest::newRow("player 7") << thrown << 7 << 0;
    QTest::newRow("row -1") << thrown << 1 << -1;
    QTest::newRow("row 17") << thrown << 1 << 17;
}

void TestGame::aRefusedPlacementChangesNothingAndShowsNoMessage() {
    QFETCH(Setup, setup);
    QFETCH(int, player);
    QFETCH(int, row);
    Game game;
    setup(game);
    const GameState before = game.state();
    QCOMPARE(game.place(player, row), PlaceResult::Ignored);
    QCOMPARE(difference(before, game.state()), QString());
}

void TestGame::aClickOutOfTurnChangesNothingAtAll_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("onTurn");
    QTest::addColumn<int>("clicker");
    QTest::addColumn<int>("row");
    QTest::newRow("2 players, 1 on turn, 2 clicks ones") << 2 << 1 << 2 << 0;
    QTest::newRow("2 players, 2 on turn, 1 clicks Kwintor") << 2 << 2 << 1 << 14;
    QTest::newRow("3 players, 2 on turn, 3 clicks sixes") << 3 << 2 << 3 << 5;
    QTest::newRow("4 players, 3 on turn, 4 clicks small straight") << 4 << 3 << 4 << 10;
    QTest::newRow("6 players, 6 on turn, 1 clicks three of a kind") << 6 << 6 << 1 << 8;
    QTest::newRow("6 players, 1 on turn, 6 clicks full house") << 6 << 1 << 6 << 12;
    QTest::newRow("6 players, 4 on turn, 2 clicks chance") << 6 << 4 << 2 << 13;
}

void TestGame::aClickOutOfTurnChangesNothingAtAll() {
    QFETCH(int, players);
    QFETCH(int, onTurn);
    QFETCH(int, clicker);
    QFETCH(int, row);
    Game game;
    game.choosePlayers(players, names({"A", "B", "C", "D", "E", "F"}));
    for (int p = 1; p < onTurn; ++p)
        QCOMPARE(throwAndPlace(game, "1 2 3 4 5", 9), PlaceResult::Placed);
    QCOMPARE(game.state().AanDeBeurt, onTurn);
    // Two throws with holds, so that the counter and the holds have something to lose.
    QVERIFY(throwDice(game, "2 2 2 3 3"));
    game.toggleHold(1);
    game.toggleHold(2);
    QVERIFY(throwDice(game, "6 6 2 3 3"));
    game.toggleHold(4);

    const GameState before = game.state();
    QCOMPARE(game.place(clicker, row), PlaceResult::NotOnTurn);
    QCOMPARE(difference(before, game.state()), QString());

    // The player on turn can still place this very throw.
    QCOMPARE(game.place(onTurn, row), PlaceResult::Placed);
}

void TestGame::theTurnPassesInOrderAndBackToPlayerOne_data() {
    QTest::addColumn<int>("players");
    for (int n = 1; n <= MaxPlayers; ++n)
        QTest::newRow(qPrintable(QStringLiteral("%1 players").arg(n))) << n;
}

void TestGame::theTurnPassesInOrderAndBackToPlayerOne() {
    QFETCH(int, players);
    Game game;
    game.choosePlayers(players, names({"A", "B", "C", "D", "E", "F"}));
    QList<int> seen;
    for (int turn = 0; turn < 2 * players + 1; ++turn) {
        const int p = game.state().AanDeBeurt;
        seen.append(p);
        QCOMPARE(throwAndPlace(game, "3 3 3 4 4", CategoryRows[turn / players]), PlaceResult::Placed);
    }
    seen.append(game.state().AanDeBeurt);
    QList<int> expected;
    for (int turn = 0; turn < 2 * players + 2; ++turn)
        expected.append(turn % players + 1);
    QCOMPARE(seen, expected);
}

void TestGame::aPlacementResetsTheTurnButLeavesTheDice() {
    Game game;
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QVERIFY(throwDice(game, "5 5 1 2 3"));
    game.toggleHold(1);
    game.toggleHold(2);
    QVERIFY(throwDice(game, "5 5 5 5 6"));
    const GameState before = game.state();
    QCOMPARE(game.place(1, 4), PlaceResult::Placed);
    const GameState& s = game.state();
    QCOMPARE(cellText(game, 1, 4), QStringLiteral("20"));
    QVERIFY(!s.cells[1][4].open);
    QCOMPARE(s.AanDeBeurt, 2);
    QCOMPARE(int(s.WorpTeller), 0);
    QVERIFY(s.ScoreGeplaatst);
    for (int i = 1; i <= DiceCount; ++i) {
        QVERIFY(!s.Vastgezet[i]);
        QCOMPARE(s.DobbelWaarde[i], before.DobbelWaarde[i]);
    }
    QCOMPARE(int(s.DobbelSom), 26);
    QVERIFY(game.canThrow());
}

void TestGame::totalsAndBonusFollowEveryPlacement_data() {
    // Placements "row: dice; row: dice; ..." by one player, and after each one the
    // totals "A/B/AB" as the sheet must show them.
    QTest::addColumn<QString>("placements");
    QTest::addColumn<QString>("totals");

    QTest::newRow("upper section at 62: no bonus")
        << "0: 1 1 6 6 6; 1: 2 2 2 1 1; 2: 3 3 3 1 1; 3: 4 4 4 1 1; 4: 5 5 5 1 1; 5: 6 6 6 1 1"
        << "2/0/2 8/0/8 17/0/17 29/0/29 44/0/44 62/0/62";
    QTest::newRow("upper section at 63: bonus")
        << "0: 1 1 1 6 6; 1: 2 2 2 1 1; 2: 3 3 3 1 1; 3: 4 4 4 1 1; 4: 5 5 5 1 1; 5: 6 6 6 1 1"
        << "3/0/3 9/0/9 18/0/18 30/0/30 45/0/45 63/0/98";
    QTest::newRow("bonus given once")
        << "5: 6 6 6 6 6; 4: 5 5 5 5 5; 3: 4 4 4 2 2; 2: 3 3 3 1 1; 8: 6 6 6 1 2; 0: 1 1 1 1 1"
        << "30/0/30 55/0/55 67/0/102 76/0/111 76/21/132 81/21/137";
    QTest::newRow("bonus passing 63 without touching it")
        << "5: 6 6 6 6 6; 4: 5 5 5 5 5; 0: 1 1 1 1 1; 1: 2 2 1 1 1"
        << "30/0/30 55/0/55 60/0/60 64/0/99";
    QTest::newRow("lower section only")
        << "8: 2 2 2 3 4; 13: 6 6 5 5 4; 14: 1 1 1 1 1; 10: 1 2 3 5 6; 9: 3 3 3 3 2"
        << "0/13/13 0/39/39 0/89/89 0/89/89 0/103/103";
    QTest::newRow("both sections")
        << "12: 3 3 3 2 2; 5: 6 6 6 6 2; 11: 1 2 3 4 5; 0: 1 1 2 3 4; 1: 6 6 6 6 6"
        << "0/25/25 24/25/49 24/65/89 26/65/91 26/65/91";
}

void TestGame::totalsAndBonusFollowEveryPlacement() {
    QFETCH(QString, placements);
    QFETCH(QString, totals);
    const QStringList steps = placements.split(u';');
    const QStringList expected = totals.split(u' ');
    QCOMPARE(steps.size(), expected.size());
    Game game;
    for (int k = 0; k < steps.size(); ++k) {
        const QStringList step = steps[k].split(u':');
        const int row = step[0].trimmed().toInt();
        QVERIFY(throwDice(game, facesFrom(step[1])));
        QCOMPARE(game.place(1, row), PlaceResult::Placed);

        const QStringList abc = expected[k].split(u'/');
        const int a = abc[0].toInt(), b = abc[1].toInt(), ab = abc[2].toInt();
        const int bonus = ab - a - b;
        QVERIFY(bonus == 0 || bonus == 35);
        const GameState& s = game.state();
        const QString where = QStringLiteral("after placement %1").arg(k + 1);
        QVERIFY2(s.TotaalA[1] == a, qPrintable(where));
        QVERIFY2(s.TotaalB[1] == b, qPrintable(where));
        QVERIFY2(s.TotaalAB[1] == ab, qPrintable(where));
        QVERIFY2(s.BonusGegeven[1] == (bonus == 35), qPrintable(where));
        QCOMPARE(cellText(game, 1, RowTotalA), QString::number(a));
        QCOMPARE(cellText(game, 1, RowBonus), QString::number(bonus));
        QCOMPARE(cellText(game, 1, RowTotalB), QString::number(b));
        QCOMPARE(cellText(game, 1, RowGrandTotal), QString::number(ab));
    }
}

void TestGame::aPlayersGameEndsOnHisThirteenthPlacementOnly_data() {
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QString>("lastDice");
    QTest::addColumn<QString>("lastText");
    QTest::newRow("ones last") << 0 << "1 1 4 5 6" << "2";
    QTest::newRow("sixes last") << 5 << "6 6 6 6 6" << "30";
    QTest::newRow("three of a kind last") << 8 << "2 2 2 5 6" << "17";
    QTest::newRow("Kwintor last") << 14 << "4 4 4 4 4" << "50";
    QTest::newRow("small straight last, scoring 0") << 10 << "1 2 3 5 6" << "0";
}

void TestGame::aPlayersGameEndsOnHisThirteenthPlacementOnly() {
    QFETCH(int, lastRow);
    QFETCH(QString, lastDice);
    QFETCH(QString, lastText);
    Game game;
    int placed = 0;
    for (int row : CategoryRows) {
        if (row == lastRow)
            continue;
        QCOMPARE(throwAndPlace(game, "1 2 3 5 6", row), PlaceResult::Placed); // several of these score 0
        ++placed;
        QVERIFY(!game.playerFinished(1));
    }
    QCOMPARE(placed, 12);
    QVERIFY(throwDice(game, facesFrom(lastDice)));
    QCOMPARE(game.place(1, lastRow), PlaceResult::PlayerFinished);
    QCOMPARE(cellText(game, 1, lastRow), lastText);
    QVERIFY(game.playerFinished(1));
    QCOMPARE(game.state().AanDeBeurt, 1);

    // The game stands still: throws are possible, no cell takes a placement.
    QVERIFY(throwDice(game, "5 5 5 5 5"));
    const GameState before = game.state();
    for (int row = 0; row < CellCount; ++row)
        QCOMPARE(game.place(1, row), PlaceResult::Ignored);
    QCOMPARE(difference(before, game.state()), QString());
}

void TestGame::aWholeGameOfThirteenTurnsEndsEveryColumnFull_data() {
    QTest::addColumn<int>("players");
    QTest::newRow("1 player") << 1;
    QTest::newRow("3 players") << 3;
    QTest::newRow("6 players") << 6;
}

void TestGame::aWholeGameOfThirteenTurnsEndsEveryColumnFull() {
    QFETCH(int, players);
    // The dice each category is played with, and what it scores:
    // upper 3 + 6 + 9 + 16 + 15 + 18 = 67 (bonus 35), lower 20 + 27 + 30 + 40 + 25 + 26 + 50 = 218.
    const std::map<int, std::pair<const char*, int>> plan = {
        {0, {"1 1 1 2 3", 3}},   {1, {"2 2 2 5 6", 6}},   {2, {"3 3 3 1 1", 9}},   {3, {"4 4 4 4 1", 16}},
        {4, {"5 5 5 2 2", 15}},  {5, {"6 6 6 1 2", 18}},  {8, {"5 5 5 3 2", 20}},  {9, {"6 6 6 6 3", 27}},
        {10, {"1 2 3 4 6", 30}}, {11, {"2 3 4 5 6", 40}}, {12, {"3 3 3 2 2", 25}}, {13, {"6 5 4 6 5", 26}},
        {14, {"4 4 4 4 4", 50}},
    };
    Game game;
    game.choosePlayers(players, names({"Anna", "Bert", "Cees", "Dirk", "Eva", "Fien"}));
    std::array<int, MaxPlayers + 1> turns{};
    for (int turn = 0; turn < CategoryCount * players; ++turn) {
        const int p = game.state().AanDeBeurt;
        QCOMPARE(p, turn % players + 1);
        // Each player fills the categories in an order of his own.
        const int row = CategoryRows[(turns[p] + 2 * (p - 1)) % CategoryCount];
        const Faces target = facesFrom(QString::fromLatin1(plan.at(row).first));
        Faces wrong{};
        for (int i = 0; i < DiceCount; ++i)
            wrong[i] = target[i] % 6 + 1;

        // First throw: dice 1 and 2 land right and are held; the rest land wrong.
        QVERIFY(throwDice(game, {target[0], target[1], wrong[2], wrong[3], wrong[4]}));
        game.toggleHold(1);
        game.toggleHold(2);
        QVERIFY(game.beginThrow());
        QCOMPARE(game.rolling(), (std::array<bool, DiceCount + 1>{false, false, false, true, true, true}));
        const bool third = turn % 2 == 1;
        for (int i = 3; i <= DiceCount; ++i)
            game.settleDie(i, third ? wrong[i - 1] : target[i - 1]);
        game.endThrow();
        if (third)
            QVERIFY(throwDice(game, target));
        QCOMPARE(int(game.state().WorpTeller), third ? 3 : 2);

        // A click in every other column is refused first.
        for (int other = 1; other <= MaxPlayers; ++other)
            if (other != p)
                QVERIFY(game.place(other, row) != PlaceResult::Placed);
        ++turns[p];
        const PlaceResult result = game.place(p, row);
        QCOMPARE(result, turns[p] == CategoryCount ? PlaceResult::PlayerFinished : PlaceResult::Placed);
        QCOMPARE(cellText(game, p, row), QString::number(plan.at(row).second));
    }
    const GameState& s = game.state();
    QCOMPARE(s.AanDeBeurt, 1);
    for (int p = 1; p <= players; ++p) {
        QCOMPARE(turns[p], CategoryCount);
        QVERIFY(game.playerFinished(p));
        QCOMPARE(s.TotaalA[p], 67.0);
        QCOMPARE(s.TotaalB[p], 218.0);
        QCOMPARE(s.TotaalAB[p], 320);
        QVERIFY(s.BonusGegeven[p]);
        QCOMPARE(cellText(game, p, RowGrandTotal), QStringLiteral("320"));
        for (int row : CategoryRows)
            QVERIFY(!s.cells[p][row].open);
    }
    // Standing still: a throw is possible, no click places anything.
    QVERIFY(throwDice(game, "6 6 6 6 6"));
    const GameState before = game.state();
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int row = 0; row < CellCount; ++row)
            QVERIFY(game.place(p, row) != PlaceResult::Placed && game.place(p, row) != PlaceResult::PlayerFinished);
    QCOMPARE(difference(before, game.state()), QString());
}

void TestGame::aNewGameResetsSheetPlayersAndTurnButNotTheDice() {
    Game game;
    game.choosePlayers(3, names({"Anna", "Bert", "Cees"}));
    QCOMPARE(throwAndPlace(game, "6 6 6 6 6", 5), PlaceResult::Placed);
    QCOMPARE(throwAndPlace(game, "1 2 3 5 6", 10), PlaceResult::Placed); // a scored "0"
    QVERIFY(throwDice(game, "4 4 2 1 3"));
    game.toggleHold(1);
    game.toggleHold(2);
    QVERIFY(throwDice(game, "4 4 4 4 1"));
    game.toggleHold(5);
    const GameState before = game.state();

    QVERIFY(game.newGame());
    const GameState& s = game.state();
    for (int p = 1; p <= MaxPlayers; ++p) {
        QCOMPARE(QString::fromStdString(s.SpelerNaam[p]), QStringLiteral("Speler %1").arg(p));
        QCOMPARE(s.TotaalA[p], 0.0);
        QCOMPARE(s.TotaalB[p], 0.0);
        QCOMPARE(s.TotaalAB[p], 0);
        QVERIFY(!s.BonusGegeven[p]);
        for (int row = 0; row < CellCount; ++row) {
            QCOMPARE(cellText(game, p, row), QStringLiteral("0"));
            QCOMPARE(s.cells[p][row].open, p == 1);
        }
    }
    QCOMPARE(s.AanDeBeurt, 1);
    QCOMPARE(int(s.AantalSpelers), 1);
    QCOMPARE(int(s.WorpTeller), 0);
    for (int i = 1; i <= DiceCount; ++i) {
        QVERIFY(!s.Vastgezet[i]);
        QCOMPARE(s.DobbelWaarde[i], before.DobbelWaarde[i]);
    }
    QCOMPARE(s.DobbelSom, before.DobbelSom);
    QCOMPARE(s.ScoreGeplaatst, before.ScoreGeplaatst);
    QVERIFY(game.canThrow());
    QCOMPARE(brokenInvariant(s), QString());

    // Only column 1 takes placements; the cells scored in the last game are open again.
    QCOMPARE(game.place(2, 0), PlaceResult::Ignored);
    QCOMPARE(game.place(3, 0), PlaceResult::Ignored);
    QCOMPARE(game.place(1, 10), PlaceResult::Placed);
    QCOMPARE(cellText(game, 1, 10), QStringLiteral("0"));
    QCOMPARE(throwAndPlace(game, "6 6 1 2 3", 5), PlaceResult::Placed);
    QCOMPARE(cellText(game, 1, 5), QStringLiteral("12"));
}

void TestGame::aNewGameMidTurnLetsPlayerOnePlaceTheDiceOnTheTable() {
    Game game;
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QCOMPARE(throwAndPlace(game, "1 1 1 1 1", 14), PlaceResult::Placed);
    QVERIFY(throwDice(game, "3 3 3 5 5")); // player 2 has thrown, not placed
    QVERIFY(game.newGame());
    QCOMPARE(game.place(1, 12), PlaceResult::Placed);
    QCOMPARE(cellText(game, 1, 12), QStringLiteral("25"));
    QCOMPARE(game.state().TotaalAB[1], 25);
}

void TestGame::aNewGameRightAfterAPlacementNeedsAThrow() {
    Game game;
    QCOMPARE(throwAndPlace(game, "3 3 3 5 5", 12), PlaceResult::Placed);
    QVERIFY(game.newGame());
    QVERIFY(game.state().ScoreGeplaatst);
    QCOMPARE(game.place(1, 12), PlaceResult::Ignored);
    QCOMPARE(throwAndPlace(game, "3 3 3 5 5", 12), PlaceResult::Placed);
}

void TestGame::aNewGameIsRefusedDuringAThrow() {
    Game game;
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QCOMPARE(throwAndPlace(game, "2 2 2 2 2", 1), PlaceResult::Placed);
    QVERIFY(game.beginThrow());
    game.settleDie(1, 4);
    const GameState before = game.state();
    QVERIFY(!game.newGame());
    QCOMPARE(difference(before, game.state()), QString());
    for (int i = 2; i <= DiceCount; ++i)
        game.settleDie(i, 4);
    game.endThrow();
    QVERIFY(game.newGame());
    QCOMPARE(int(game.state().AantalSpelers), 1);
}

void TestGame::allFiveHeldStillCountsAsAThrow() {
    Game game;
    QVERIFY(throwDice(game, "2 4 6 1 3"));
    for (int i = 1; i <= DiceCount; ++i)
        game.toggleHold(i);
    QVERIFY(game.beginThrow());
    QCOMPARE(game.rolling(), (std::array<bool, DiceCount + 1>{}));
    QCOMPARE(int(game.state().DobbelSom), 0);
    QCOMPARE(int(game.state().WorpTeller), 2);
    QVERIFY(!game.state().ScoreGeplaatst);
    game.settleDie(1, 6); // not rolling: no effect
    game.endThrow();
    QCOMPARE(int(game.state().DobbelSom), 16);
    QCOMPARE(game.state().DobbelWaarde, (Dice{0, 2, 4, 6, 1, 3}));
    QCOMPARE(game.place(1, 10), PlaceResult::Placed);
    QCOMPARE(cellText(game, 1, 10), QStringLiteral("30"));
}

void TestGame::aDieHeldBeforeItWasEverThrownStaysZero() {
    Game game;
    game.toggleHold(3);
    QVERIFY(game.beginThrow());
    QCOMPARE(game.rolling(), (std::array<bool, DiceCount + 1>{false, true, true, false, true, true}));
    for (int i = 1; i <= DiceCount; ++i)
        game.settleDie(i, 5);
    game.endThrow();
    QCOMPARE(game.state().DobbelWaarde, (Dice{0, 5, 5, 0, 5, 5}));
    QCOMPARE(int(game.state().DobbelSom), 20);
    QCOMPARE(game.place(1, 14), PlaceResult::Placed); // four fives and a blank: no Kwintor
    QCOMPARE(cellText(game, 1, 14), QStringLiteral("0"));
}

void TestGame::aHeldDieKeepsItsValueIntoTheNextTurn() {
    Game game;
    QCOMPARE(throwAndPlace(game, "6 1 2 3 4", 13), PlaceResult::Placed);
    game.toggleHold(1);
    QVERIFY(throwDice(game, "1 6 6 6 6"));
    QCOMPARE(game.state().DobbelWaarde, (Dice{0, 6, 6, 6, 6, 6}));
    QCOMPARE(game.place(1, 14), PlaceResult::Placed);
    QCOMPARE(cellText(game, 1, 14), QStringLiteral("50"));
}

void TestGame::holdsToggledDuringAThrowDoNotChangeWhichDiceRoll_data() {
    QTest::addColumn<QList<int>>("heldBefore");
    QTest::addColumn<QList<int>>("toggledDuring");
    QTest::newRow("roll all, hold 2 and 4 during") << QList<int>{} << QList<int>{2, 4};
    QTest::newRow("hold 1 and 5, release both during") << QList<int>{1, 5} << QList<int>{1, 5};
    QTest::newRow("hold 3, release it and hold 1 during") << QList<int>{3} << QList<int>{3, 1};
    QTest::newRow("toggle die 2 twice during") << QList<int>{} << QList<int>{2, 2};
}

void TestGame::holdsToggledDuringAThrowDoNotChangeWhichDiceRoll() {
    QFETCH(QList<int>, heldBefore);
    QFETCH(QList<int>, toggledDuring);
    Game game;
    QVERIFY(throwDice(game, "1 2 3 4 5"));
    for (int die : heldBefore)
        game.toggleHold(die);
    std::array<bool, DiceCount + 1> rolls{};
    for (int i = 1; i <= DiceCount; ++i)
        rolls[i] = !heldBefore.contains(i);

    QVERIFY(game.beginThrow());
    QCOMPARE(game.rolling(), rolls);
    auto holds = game.state().Vastgezet;
    for (int die : toggledDuring) {
        game.toggleHold(die);
        holds[die] = !holds[die];
        QCOMPARE(game.state().Vastgezet, holds);
        QCOMPARE(game.rolling(), rolls);
    }
    for (int i = 1; i <= DiceCount; ++i)
        game.settleDie(i, 6);
    game.endThrow();

    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i) {
        const int want = rolls[i] ? 6 : i; // a die that did not roll keeps its face
        QCOMPARE(int(game.state().DobbelWaarde[i]), want);
        sum += want;
    }
    QCOMPARE(int(game.state().DobbelSom), sum);
    QCOMPARE(game.state().Vastgezet, holds);
}

void TestGame::theThrowCounterStopsAtThree() {
    Game game;
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(game.canThrow());
        QVERIFY(game.beginThrow());
        QVERIFY(!game.canThrow());
        QVERIFY(!game.beginThrow()); // not while one is under way
        for (int i = 1; i <= DiceCount; ++i)
            game.settleDie(i, k);
        game.endThrow();
        QCOMPARE(int(game.state().WorpTeller), k);
    }
    QVERIFY(!game.canThrow());
    const GameState before = game.state();
    QVERIFY(!game.beginThrow());
    QCOMPARE(difference(before, game.state()), QString());
    game.toggleHold(2); // holds may still be toggled
    QVERIFY(game.state().Vastgezet[2]);
    QCOMPARE(game.place(1, 2), PlaceResult::Placed);
    QCOMPARE(cellText(game, 1, 2), QStringLiteral("15"));
    QCOMPARE(int(game.state().WorpTeller), 0);
    QVERIFY(!game.state().Vastgezet[2]);
    QVERIFY(game.beginThrow());
}

void TestGame::choosingPlayersReopensOnlyUnscoredCellsAndTotals() {
    Game game;
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QCOMPARE(throwAndPlace(game, "1 1 1 2 3", 0), PlaceResult::Placed);  // Anna: ones 3
    QCOMPARE(throwAndPlace(game, "1 2 3 5 6", 10), PlaceResult::Placed); // Bert: small straight 0
    QCOMPARE(throwAndPlace(game, "6 6 5 5 4", 13), PlaceResult::Placed); // Anna: chance 26
    QVERIFY(throwDice(game, "2 2 2 6 6"));                               // Bert has thrown
    game.toggleHold(3);
    const std::set<std::pair<int, int>> scored = {{1, 0}, {2, 10}, {1, 13}};

    GameState expected = game.state();
    game.choosePlayers(3, names({"Anna", "", "Cees"}));
    expected.AantalSpelers = 3;
    expected.SpelerNaam[2] = "";
    expected.SpelerNaam[3] = "Cees";
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int row = 0; row < CellCount; ++row)
            expected.cells[p][row].open = p <= 3 && !scored.count({p, row});
    QCOMPARE(difference(expected, game.state()), QString());
    QCOMPARE(QString::fromStdString(game.state().SpelerNaam[4]), QStringLiteral("Speler 4"));

    // Lowering the count closes the columns beyond it and keeps their names.
    game.choosePlayers(1, names({"Ann"}));
    for (int row = 0; row < CellCount; ++row) {
        QCOMPARE(game.state().cells[1][row].open, !scored.count({1, row}));
        QVERIFY(!game.state().cells[2][row].open);
        QVERIFY(!game.state().cells[3][row].open);
    }
    QCOMPARE(QString::fromStdString(game.state().SpelerNaam[3]), QStringLiteral("Cees"));
    QCOMPARE(game.state().AanDeBeurt, 2);
}

void TestGame::aScoredZeroCellIsNotReopened() {
    Game game;
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QCOMPARE(throwAndPlace(game, "1 2 3 5 6", 10), PlaceResult::Placed); // Anna: small straight "0"
    QCOMPARE(throwAndPlace(game, "1 2 3 5 6", 10), PlaceResult::Placed); // Bert: the same
    QCOMPARE(cellText(game, 1, 10), QStringLiteral("0"));
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QVERIFY(!game.state().cells[1][10].open);

    QVERIFY(throwDice(game, "1 2 3 4 5"));
    const GameState before = game.state();
    QCOMPARE(game.place(1, 10), PlaceResult::Ignored);
    QCOMPARE(game.place(2, 10), PlaceResult::Ignored);
    QCOMPARE(difference(before, game.state()), QString());
    QCOMPARE(game.place(1, 11), PlaceResult::Placed);
    QCOMPARE(game.state().TotaalB[1], 40.0);
}

void TestGame::loweringTheCountBelowThePlayerOnTurnBlocksEveryPlacement() {
    Game game;
    game.choosePlayers(4, names({"A", "B", "C", "D"}));
    QCOMPARE(throwAndPlace(game, "1 1 1 1 1", 0), PlaceResult::Placed);
    QCOMPARE(throwAndPlace(game, "1 1 1 1 1", 0), PlaceResult::Placed);
    QCOMPARE(game.state().AanDeBeurt, 3);
    game.choosePlayers(2, names({"A", "B"}));
    QCOMPARE(game.state().AanDeBeurt, 3);
    QVERIFY(throwDice(game, "4 4 4 4 4"));

    const GameState before = game.state();
    for (int p = 0; p <= MaxPlayers + 1; ++p) {
        for (int row = -1; row <= CellCount; ++row) {
            const PlaceResult result = game.place(p, row);
            const bool openZeroCategory = (p == 1 || p == 2) && isCategoryRow(row) && row != 0;
            QCOMPARE(result, openZeroCategory ? PlaceResult::NotOnTurn : PlaceResult::Ignored);
        }
    }
    QCOMPARE(difference(before, game.state()), QString());

    // Choosing the players again with player 3 in play lets him place.
    game.choosePlayers(3, names({"A", "B", "C"}));
    QCOMPARE(game.place(3, 14), PlaceResult::Placed);
    QCOMPARE(game.state().AanDeBeurt, 1);
}

void TestGame::choosingACountOutsideOneToSixChangesNothing_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("0") << 0;
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
}

void TestGame::choosingACountOutsideOneToSixChangesNothing() {
    QFETCH(int, count);
    Game game;
    game.choosePlayers(2, names({"Anna", "Bert"}));
    QCOMPARE(throwAndPlace(game, "3 3 3 3 3", 2), PlaceResult::Placed);
    const GameState before = game.state();
    game.choosePlayers(count, names({"X", "Y", "Z", "U", "V", "W"}));
    QCOMPARE(difference(before, game.state()), QString());
}

void TestGame::invariantsHoldThroughRandomPlay_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 20261206") << 20261206u;
    QTest::newRow("seed 77") << 77u;
}

void TestGame::invariantsHoldThroughRandomPlay() {
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Game game;
    std::set<std::pair<int, int>> scored; // (player, row) placed since the last new game
    int placements = 0, finishes = 0, refusals = 0, sinceLastPlacement = 0;

    enum class Op { Settle, Begin, End, Hold, Place, New, Choose };
    for (int op = 0; op < 8000; ++op) {
        const GameState before = game.state();
        const int r = pick(0, 999);
        // A game that stands still (every column full, or three throws of blank dice)
        // waits for a new game.
        const Op kind = sinceLastPlacement > 150 && !before.throwing ? Op::New
                      : before.throwing ? (r < 600   ? Op::Settle
                                           : r < 800 ? Op::End
                                           : r < 850 ? Op::Hold
                                           : r < 920 ? Op::Place
                                           : r < 950 ? Op::Begin
                                           : r < 980 ? Op::New
                                                     : Op::Choose)
                                        : (r < 300   ? Op::Begin
                                           : r < 400 ? Op::Hold
                                           : r < 950 ? Op::Place
                                           : r < 970 ? Op::End
                                           : r < 993 ? Op::Settle
                                           : r < 994 ? Op::New
                                                     : Op::Choose);
        QString what;
        switch (kind) {
        case Op::Settle: {
            int die = pick(0, 99) < 90 ? pick(1, 5) : pick(-1, 7);
            for (int i = 1; i <= DiceCount && pick(0, 99) < 80; ++i) // mostly a die that rolls
                if (before.throwing && game.rolling()[i] && before.DobbelWaarde[i] == 0)
                    die = i;
            const int value = pick(0, 99) < 90 ? pick(1, 6) : pick(-2, 9);
            const bool rolls = before.throwing && die >= 1 && die <= DiceCount && game.rolling()[die];
            game.settleDie(die, value);
            what = QStringLiteral("settleDie(%1, %2)").arg(die).arg(value);
            if (rolls && value >= 1 && value <= 6)
                QCOMPARE(int(game.state().DobbelWaarde[die]), value);
            else
                QCOMPARE(difference(before, game.state()), QString());
            break;
        }
        case Op::Begin: {
            const bool began = game.beginThrow();
            what = QStringLiteral("beginThrow");
            if (!began) {
                QVERIFY(before.throwing || before.WorpTeller == 3);
                QCOMPARE(difference(before, game.state()), QString());
            } else {
                QCOMPARE(int(game.state().WorpTeller), before.WorpTeller + 1);
                QVERIFY(!game.state().ScoreGeplaatst);
                for (int i = 1; i <= DiceCount; ++i) {
                    QCOMPARE(game.rolling()[i], !before.Vastgezet[i]);
                    QCOMPARE(int(game.state().DobbelWaarde[i]), before.Vastgezet[i] ? int(before.DobbelWaarde[i]) : 0);
                }
            }
            break;
        }
        case Op::End:
            if (before.throwing && pick(0, 99) < 90) { // the window settles every rolling die first
                for (int i = 1; i <= DiceCount; ++i)
                    if (game.rolling()[i] && game.state().DobbelWaarde[i] == 0)
                        game.settleDie(i, pick(1, 6));
            }
            game.endThrow();
            what = QStringLiteral("endThrow");
            if (!before.throwing)
                QCOMPARE(difference(before, game.state()), QString());
            break;
        case Op::Hold: {
            const int die = pick(0, 6);
            game.toggleHold(die);
            what = QStringLiteral("toggleHold(%1)").arg(die);
            break;
        }
        case Op::Place: {
            const bool onTurn = pick(0, 99) < 75;
            const int player = onTurn ? before.AanDeBeurt : pick(0, 7);
            int row = pick(0, 99) < 90 ? CategoryRows[pick(0, CategoryCount - 1)] : pick(-1, 17);
            if (onTurn && pick(0, 99) < 80) { // mostly a cell that is still free
                QList<int> free;
                for (int r2 : CategoryRows)
                    if (!scored.count({player, r2}))
                        free.append(r2);
                if (!free.isEmpty())
                    row = free[pick(0, int(free.size()) - 1)];
            }
            const PlaceResult result = game.place(player, row);
            what = QStringLiteral("place(%1, %2)").arg(player).arg(row);
            if (result == PlaceResult::Ignored || result == PlaceResult::NotOnTurn) {
                ++refusals;
                QCOMPARE(difference(before, game.state()), QString());
                if (result == PlaceResult::NotOnTurn)
                    QVERIFY(player != before.AanDeBeurt);
            } else {
                QVERIFY2(!before.throwing && before.DobbelSom != 0 && !before.ScoreGeplaatst, qPrintable(what));
                QCOMPARE(player, before.AanDeBeurt);
                QVERIFY2(player <= before.AantalSpelers, qPrintable(what));
                QVERIFY2(isCategoryRow(row) && !scored.count({player, row}), qPrintable(what));
                scored.insert({player, row});
                ++placements;
                sinceLastPlacement = -1;
                QCOMPARE(textNumber(game.state().cells[player][row].text), referenceValue(row, before.DobbelWaarde));
                QCOMPARE(game.state().AanDeBeurt, player < before.AantalSpelers ? player + 1 : 1);
                QCOMPARE(int(game.state().WorpTeller), 0);
                QVERIFY(game.state().ScoreGeplaatst);
                int filled = 0;
                for (int r2 : CategoryRows)
                    filled += int(scored.count({player, r2}));
                QCOMPARE(result == PlaceResult::PlayerFinished, filled == CategoryCount);
                finishes += int(result == PlaceResult::PlayerFinished);
            }
            break;
        }
        case Op::New:
            if (game.newGame()) {
                scored.clear();
                sinceLastPlacement = 0;
            }
            else
                QCOMPARE(difference(before, game.state()), QString());
            what = QStringLiteral("newGame");
            break;
        case Op::Choose: {
            // Mostly a count that keeps the player on turn in play, so that play goes on.
            const int count = pick(0, 99) < 70 ? pick(before.AanDeBeurt, MaxPlayers) : pick(0, 7);
            game.choosePlayers(count, names({"P", "Q", "R", "S", "T", "U"}));
            what = QStringLiteral("choosePlayers(%1)").arg(count);
            QCOMPARE(game.state().AanDeBeurt, before.AanDeBeurt);
            break;
        }
        }
        ++sinceLastPlacement;
        const QString broken = brokenInvariant(game.state());
        if (!broken.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after operation %1, %2: %3").arg(op).arg(what, broken)));
        for (const auto& [p, row] : scored)
            QVERIFY2(game.state().cells[p][row].scored && !game.state().cells[p][row].open, qPrintable(what));
    }
    // The run must have played real games, not only refusals.
    QVERIFY2(placements > 300, qPrintable(QString::number(placements)));
    QVERIFY2(finishes > 5, qPrintable(QString::number(finishes)));
    QVERIFY(refusals > 1000);
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
