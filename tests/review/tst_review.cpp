#include "advisor/Categories.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"
#include "engine/Game.h"
#include "review/DecisionLog.h"
#include "review/GameReview.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

using namespace kwintor;

namespace {

// One turn of the player on turn, played by `strategy` through the game's own calls, each
// decision told to the log as the window tells it.
void playTurn(Game& game, DecisionLog& log, const Strategy& strategy, std::mt19937_64& dice, std::mt19937_64& rng) {
    std::uniform_int_distribution<int> face(1, 6);
    const int player = game.state().AanDeBeurt;
    for (int step = 0; step < 4; ++step) {
        const Action a = strategy.decide(positionOf(game.state(), player), rng);
        if (a.kind == Action::Kind::Place) {
            log.placed(game.state(), a.row);
            QVERIFY(game.place(player, a.row) >= PlaceResult::Placed);
            return;
        }
        for (int i = 1; i <= DiceCount; ++i)
            if (game.state().Vastgezet[i] != bool(a.keep >> (i - 1) & 1))
                game.toggleHold(i);
        log.held(game.state());
        QVERIFY(game.beginThrow());
        for (int i = 1; i <= DiceCount; ++i)
            if (game.rolling()[i])
                game.settleDie(i, face(dice));
        game.endThrow();
    }
    QFAIL("a turn of more than three throws");
}

} // namespace

class ReviewTest : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    // The last open category, where a turn is worth what the dice still to come can bring.
    void lastTurnCostsWhatTheHandWorksOut_data() {
        QTest::addColumn<int>("open");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("throwMade");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("move"); // "h" and the dice held (1..5), or "p" and the row
        QTest::addColumn<double>("made");  // expected points still to come
        QTest::addColumn<double>("best");
        QTest::addColumn<QString>("better"); // the best move, written as `move` is

        // Kans: with one throw left a die is rethrown below 4 (worth 3.5), with two below 5 (4.25).
        QTest::newRow("kans, rethrow all after throw 2") << int(RowKans) << 63 << 2 << "66612"
                                                         << "h" << 17.5 << 25.0 << "h123";
        QTest::newRow("kans, keep the sixes after throw 1") << int(RowKans) << 63 << 1 << "66612"
                                                            << "h123" << 26.5 << 26.5 << "h123";
        QTest::newRow("kans, place after throw 1") << int(RowKans) << 63 << 1 << "66612"
                                                   << "p13" << 21.0 << 26.5 << "h123";
        QTest::newRow("kans, place after throw 3") << int(RowKans) << 63 << 3 << "66612"
                                                   << "p13" << 21.0 << 21.0 << "p13";
        // Zessen at 45: three sixes bring the bonus. Two held need one of three more dice a six.
        QTest::newRow("zessen, keep two of three sixes")
            << int(RowZessen) << 45 << 2 << "66623"
            << "h12" << 12 + 3.0 + 35 * (1 - 125 / 216.0) << 18 + 2.0 + 35 << "h123";
        QTest::newRow("zessen, place three sixes") << int(RowZessen) << 45 << 3 << "66623"
                                                   << "p5" << 18.0 + 35 << 18.0 + 35 << "p5";
        // Kwintor: two dice thrown must both show a five, or five fresh dice must all be equal.
        QTest::newRow("kwintor, rethrow all") << int(RowKwintor) << 20 << 2 << "55512"
                                              << "h" << 50 * 6 / 7776.0 << 50 / 36.0 << "h123";
    }

    void lastTurnCostsWhatTheHandWorksOut() {
        QFETCH(int, open);
        QFETCH(int, upper);
        QFETCH(int, throwMade);
        QFETCH(QString, dice);
        QFETCH(QString, move);
        QFETCH(double, made);
        QFETCH(double, best);
        QFETCH(QString, better);

        // What the sheet holds already, 200, counts in the expected final total.
        Decision d{2,     13, throwMade, {}, Decision::Kind::Hold, 0, -1, AllCategories & ~(1u << rowCategory(open)),
                   upper, 200};
        for (int i = 0; i < DiceCount; ++i)
            d.dice[i] = dice.at(i).digitValue();
        if (move[0] == 'p') {
            d.kind = Decision::Kind::Place;
            d.row = move.mid(1).toInt();
        }
        for (QChar die : move[0] == 'h' ? move.mid(1) : QString())
            d.holds |= 1u << (die.digitValue() - 1);

        const WeighedDecision w = weigh(m_table, d);
        QVERIFY(qAbs(w.made - (200 + made)) < 1e-9);
        QVERIFY(qAbs(w.bestExpected - (200 + best)) < 1e-9);
        QVERIFY(qAbs(w.cost - (best - made)) < 1e-9);
        QString bestMove = w.best.kind == Decision::Kind::Place ? QStringLiteral("p%1").arg(w.best.row) : "h";
        for (int i = 0; i < DiceCount && w.best.kind == Decision::Kind::Hold; ++i)
            if (w.best.holds >> i & 1)
                bestMove += QString::number(i + 1);
        QCOMPARE(bestMove, better);
    }

    // Sterk plays the advisor's moves, so not one of its decisions costs a point; the medium player
    // beside it does lose points, so the review can tell them apart.
    void sterkLosesNothingInAWholeGame() {
        const int seed = 1;
        Game game;
        game.choosePlayers(2, {"", "Sterk", "Gemiddeld"});
        DecisionLog log;
        std::mt19937_64 dice(seed), rng(seed + 100);
        const auto strong = makeStrategy(PlayerKind::Sterk, m_table);
        const auto medium = makeStrategy(PlayerKind::Gemiddeld, m_table);
        for (int turn = 0; turn < 2 * CategoryCount; ++turn) {
            playTurn(game, log, game.state().AanDeBeurt == 1 ? *strong : *medium, dice, rng);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(game.playerFinished(1) && game.playerFinished(2));

        const GameReview review(m_table, log.decisions());
        QCOMPARE(review.players().size(), std::size_t(2));
        const PlayerReview& sterk = review.players()[0];
        QCOMPARE(sterk.player, 1);
        QCOMPARE(sterk.cost, 0.0);
        QVERIFY(sterk.decisions >= CategoryCount);
        QVERIFY(review.players()[1].cost > 0);
        // What the window shows of the medium player: his cost adds up turn by turn and decision by
        // decision, his best decisions are those that cost nothing, and the costliest are his three
        // dearest, dearest first.
        const PlayerReview& second = review.players()[1];
        std::vector<double> costs;
        int best = 0;
        for (const WeighedDecision& w : review.decisions())
            if (w.decision.player == 2) {
                costs.push_back(w.cost);
                best += w.cost == 0;
                QVERIFY(w.weighed && qAbs(w.bestExpected - w.made - w.cost) < 1e-9);
            }
        QCOMPARE(int(costs.size()), second.decisions);
        QCOMPARE(second.bestDecisions, best);
        QVERIFY(qAbs(std::accumulate(costs.begin(), costs.end(), 0.0) - second.cost) < 1e-9);
        QVERIFY(qAbs(std::accumulate(second.costPerTurn.begin(), second.costPerTurn.end(), 0.0) - second.cost) < 1e-9);
        std::sort(costs.begin(), costs.end(), std::greater<>());
        QVERIFY(costs.size() >= 3 && costs[2] > 0);
        QCOMPARE(int(second.costliest.size()), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(review.decisions()[second.costliest[i]].cost, costs[i]);
        // Every placement was recorded once, in its own turn.
        int placements = 0;
        for (const Decision& d : log.decisions())
            placements += d.kind == Decision::Kind::Place && d.turn == 1 + placements / 2;
        QCOMPARE(placements, 2 * CategoryCount);
    }
};

QTEST_APPLESS_MAIN(ReviewTest)
#include "tst_review.moc"
