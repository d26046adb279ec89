#include "advisor/Simulation.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"

#include <QTest>

#include <cmath>

using namespace kwintor;

class TestStrategies : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    // Thousands of games per level, each played through the engine, which refuses any move the
    // rules forbid (counted as a fault): the levels keep the rules and come out in order.
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
