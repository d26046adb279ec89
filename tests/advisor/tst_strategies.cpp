#include "advisor/Categories.h"
#include "advisor/SelfPlay.h"
#include "advisor/Simulation.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"

#include <QTest>

#include <cmath>

using namespace kwintor;

Q_DECLARE_METATYPE(Level)

namespace {

// Strategies that break one rule each, to show that the games played catch it.
enum class Cheat { FourthThrow, PlaceBeforeThrowing, HoldBeforeThrowing, PlaceTwice };

class Cheater : public Strategy {
public:
    explicit Cheater(Cheat cheat) : m_cheat(cheat) {}
    Action decide(const Position& p, std::mt19937_64&) const override {
        int firstOpen = 0;
        while (p.used >> firstOpen & 1)
            ++firstOpen;
        switch (m_cheat) {
        case Cheat::FourthThrow: return Action::throwKeeping(0);
        case Cheat::PlaceBeforeThrowing: return Action::placeIn(categoryRow(firstOpen));
        case Cheat::HoldBeforeThrowing:
            return p.throwNumber == 0 ? Action::throwKeeping(1) : Action::placeIn(categoryRow(firstOpen));
        case Cheat::PlaceTwice: break;
        }
        return p.throwNumber == 0 ? Action::throwKeeping(0) : Action::placeIn(RowEnen);
    }

private:
    Cheat m_cheat;
};

} // namespace

class TestStrategies : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    void levelsComeOutInOrder() {
        double means[3];
        for (Level level : {Level::Easy, Level::Medium, Level::Strong}) {
            const Simulation s = simulate(*makeStrategy(level, m_table), 3000, 13, 2);
            QCOMPARE(s.faults, 0);
            means[int(level)] = s.mean;
            // The bands each level is made for; the bench measures them on 10^5 games.
            const double low[] = {190, 225, 0}, high[] = {210, 235, 400};
            QVERIFY2(s.mean > low[int(level)] && s.mean < high[int(level)], qPrintable(QString::number(s.mean)));
            // Far enough apart that the order is no accident of these seeds.
            if (level != Level::Easy)
                QVERIFY2(s.mean - means[int(level) - 1] > 6 * s.standardError, qPrintable(QString::number(s.mean)));
        }
        QVERIFY2(std::abs(means[2] - m_table.gameValue()) < 2.5, qPrintable(QString::number(means[2])));
    }

    // Every move is checked against what the player saw: at most three throws a turn, no hold and
    // no placement before the turn's first throw, a placement only in an open category.
    void strategiesKeepTheRules_data() {
        QTest::addColumn<Level>("level");
        QTest::newRow("Makkelijk") << Level::Easy;
        QTest::newRow("Gemiddeld") << Level::Medium;
        QTest::newRow("Sterk") << Level::Strong;
    }
    void strategiesKeepTheRules() {
        QFETCH(Level, level);
        const auto strategy = makeStrategy(level, m_table);
        for (int g = 0; g < 200; ++g) {
            std::mt19937_64 dice(g), choices(g + 1000);
            int turns = 0;
            const PlayedGame game = playGame(*strategy, dice, choices, [&](const Position& p, const Action& a) {
                if (a.kind == Action::Kind::Place) {
                    QVERIFY(p.throwNumber >= 1);
                    QVERIFY(isCategoryRow(a.row) && !(p.used >> rowCategory(a.row) & 1));
                    ++turns;
                } else {
                    QVERIFY(p.throwNumber < 3);
                    QVERIFY(p.throwNumber > 0 || a.keep == 0);
                }
            });
            QCOMPARE(QString::fromStdString(game.fault), QString());
            QCOMPARE(turns, CategoryCount);
            QVERIFY(game.throws >= CategoryCount && game.throws <= 3 * CategoryCount);
        }
    }

    void brokenRulesAreCaught_data() {
        QTest::addColumn<int>("cheat");
        QTest::addColumn<QString>("fault");
        QTest::newRow("fourth throw") << int(Cheat::FourthThrow) << "a fourth throw";
        QTest::newRow("place first") << int(Cheat::PlaceBeforeThrowing) << "a placement before the first throw";
        QTest::newRow("hold first") << int(Cheat::HoldBeforeThrowing) << "a hold before the first throw";
        QTest::newRow("a used row") << int(Cheat::PlaceTwice) << "a placement the game refused, in row 0";
    }
    void brokenRulesAreCaught() {
        QFETCH(int, cheat);
        QFETCH(QString, fault);
        std::mt19937_64 dice(1), choices(2);
        QCOMPARE(QString::fromStdString(playGame(Cheater(Cheat(cheat)), dice, choices).fault), fault);
    }

    // The same seeds give the same games, whatever the number of threads.
    void simulationIsReproducible() {
        const auto easy = makeStrategy(Level::Easy, m_table);
        const Simulation one = simulate(*easy, 500, 99, 1), two = simulate(*easy, 500, 99, 2);
        QCOMPARE(one.mean, two.mean);
        QVERIFY(simulate(*easy, 500, 100, 2).mean != one.mean);
    }
};

QTEST_APPLESS_MAIN(TestStrategies)
#include "tst_strategies.moc"
