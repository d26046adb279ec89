#include "advisor/Advisor.h"
#include "advisor/Categories.h"
#include "advisor/MasterStrategy.h"
#include "advisor/Position.h"
#include "advisor/ValueTable.h"
#include "engine/Game.h"

#include <QTest>

#include <bit>

#include <random>

using namespace kwintor;

namespace {

// One move of the player of `game` (a game of one column) through the engine, as a click makes
// it; the first rule the move breaks, or empty.
QString apply(Game& game, const Action& a, std::mt19937_64& dice) {
    const Position p = positionOf(game.state(), 1);
    if (a.kind == Action::Kind::Place) {
        if (p.throwNumber == 0)
            return "a placement before the first throw";
        return game.place(1, a.row) >= PlaceResult::Placed ? QString() : QStringLiteral("a refused placement");
    }
    if (p.throwNumber >= 3)
        return "a fourth throw";
    if ((p.throwNumber == 0 && a.keep != 0) || a.keep >= 1u << DiceCount)
        return "a hold that cannot be";
    for (int i = 0; i < DiceCount; ++i)
        if (p.held[i] != bool(a.keep >> i & 1))
            game.toggleHold(i + 1);
    if (!game.beginThrow())
        return "a refused throw";
    std::uniform_int_distribution<int> face(1, 6);
    for (int i = 1; i <= DiceCount; ++i)
        if (game.rolling()[i])
            game.settleDie(i, face(dice));
    game.endThrow();
    return {};
}

} // namespace

// "Meester": its moves obey the rules, against one and two rivals, to the end of every game.
class TestMaster : public QObject {
    Q_OBJECT
    ValueTable m_table;
    SpreadTable m_spread;

private slots:
    void initTestCase() {
        m_table.compute(2);
        m_spread.compute(m_table, 2);
    }

    // The spread is the variance of the points to come: none on a full sheet, and for Kwintor
    // alone that of 50 points won with the chance of five alike.
    void spreadIsTheVarianceOfThePointsToCome() {
        QCOMPARE(m_spread.variance(m_table, AllCategories, 70), 0.0);
        const double p = 2783176.0 / 60466176.0;
        QVERIFY(std::abs(m_spread.variance(m_table, AllCategories & ~(1u << 12), 70) - 2500 * p * (1 - p)) < 1e-9);
    }

    // Only Kans open, 25 on the dice after the second throw and a rival at 226: placing (what the
    // highest average says) loses for sure; throwing the 4 again wins with a 6 and ties with a 5.
    void playsForTheWinWhereTheAverageSaysPlace() {
        Position own;
        own.used = AllCategories & ~(1u << rowCategory(RowKans));
        own.upper = 70;
        own.throwNumber = 2;
        own.dice = {6, 6, 5, 4, 4};
        QCOMPARE(advise(m_table, own).best, Action::placeIn(RowKans));
        const Action move = masterMove(m_table, m_spread, own, 200, {{AllCategories, 70, 226}});
        QCOMPARE(int(move.kind), int(Action::Kind::Throw));
        QList<int> kept;
        for (int i = 0; i < DiceCount; ++i)
            if (move.keep >> i & 1)
                kept << own.dice[i];
        QCOMPARE(kept, (QList<int>{6, 6, 5, 4}));
        // With the rival at 224 placing wins outright.
        QCOMPARE(masterMove(m_table, m_spread, own, 200, {{AllCategories, 70, 224}}), Action::placeIn(RowKans));
    }

    void playsWholeGamesByTheRules_data() {
        QTest::addColumn<int>("players");
        QTest::newRow("one rival") << 2;
        QTest::newRow("two rivals") << 3;
    }
    void playsWholeGamesByTheRules() {
        QFETCH(int, players);
        std::mt19937_64 dice(static_cast<std::uint64_t>(players));
        for (int g = 0; g < 4; ++g) {
            std::vector<Game> seats(static_cast<std::size_t>(players));
            for (int round = 0; round < CategoryCount; ++round)
                for (int s = 0; s < players; ++s) {
                    Game& game = seats[static_cast<std::size_t>(s)];
                    for (int step = 0; !game.playerFinished(1) && step < 8; ++step) {
                        const Position p = positionOf(game.state(), 1);
                        if (std::popcount(p.used) > round)
                            break;
                        std::vector<Rival> rivals;
                        for (int o = 0; o < players; ++o)
                            if (o != s) {
                                const GameState& other = seats[static_cast<std::size_t>(o)].state();
                                const Position q = positionOf(other, 1);
                                rivals.push_back({q.used, q.upper, static_cast<int>(other.TotaalAB[1])});
                            }
                        const Action a = s == 0 ? masterMove(m_table, m_spread, p, game.state().TotaalAB[1], rivals)
                                                : advise(m_table, p).best;
                        const QString fault = apply(game, a, dice);
                        QVERIFY2(fault.isEmpty(), qPrintable(fault));
                    }
                    QCOMPARE(std::popcount(positionOf(game.state(), 1).used), round + 1);
                }
            QVERIFY(seats[0].playerFinished(1));
        }
    }
};

QTEST_APPLESS_MAIN(TestMaster)
#include "tst_master.moc"
