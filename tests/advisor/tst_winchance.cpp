#include "advisor/Categories.h"
#include "advisor/SterkTurn.h"
#include "advisor/ValueTable.h"
#include "advisor/WinChance.h"

#include <QTest>

#include <cmath>
#include <random>

using namespace kwintor;

namespace {

using Columns = std::vector<ColumnState>;

// Every category used except the given ones (sheet rows).
unsigned openOnly(std::initializer_list<int> rows) {
    unsigned used = AllCategories;
    for (int row : rows)
        used &= ~(1u << rowCategory(row));
    return used;
}

ColumnState column(unsigned used, int upper, int total) {
    ColumnState c;
    c.used = used;
    c.upper = upper;
    c.total = total;
    return c;
}

// Three throws keeping the most frequent face: five alike with this chance (out of 6^10 ways).
constexpr double FiveAlike = 2783176.0 / 60466176.0;
// Keeping every die of one face: each die ends on it with chance 1 - (5/6)^3.
constexpr double OneDie = 91.0 / 216.0;
double onesExactly(int k) {
    constexpr int choose[6] = {1, 5, 10, 10, 5, 1};
    return choose[k] * std::pow(OneDie, k) * std::pow(1 - OneDie, 5 - k);
}

// A column after `turns` turns of play as Sterk plays, from a seeded die.
ColumnState played(const ValueTable& table, int turns, std::uint64_t seed) {
    QuickDice rng(seed);
    ColumnState c;
    for (int t = 0; t < turns; ++t) {
        const SterkTurn turn(table, c.used, c.upper);
        const int placed = turn.play(0, 0, rng);
        const int cat = turn.category(placed);
        c.total += turn.gain(cat, placed);
        c.upper = turn.upperAfter(cat, placed);
        c.used |= 1u << cat;
    }
    return c;
}

std::vector<double> sharesOf(const WinChance& w, const Columns& columns) {
    std::vector<TotalDistribution> totals;
    for (const ColumnState& c : columns)
        totals.push_back(w.finalTotal(c));
    return shareOfWin(totals);
}

GameState gameOf(const Columns& columns) {
    GameState s;
    s.AantalSpelers = static_cast<std::uint8_t>(columns.size());
    for (int p = 1; p <= int(columns.size()); ++p) {
        const ColumnState& c = columns[p - 1];
        for (int cat = 0; cat < CategoryCount; ++cat)
            s.cells[p][categoryRow(cat)].scored = c.used >> cat & 1;
        s.TotaalA[p] = c.upper;
        s.TotaalAB[p] = c.total;
    }
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Columns)

class TestWinChance : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    // Worked out by hand: Kwintor alone open ends on 50 with the chance of five alike; Enen alone
    // open (the bonus settled) scores a binomial number of ones, and Zessen so many sixes.
    void oneOpenCategoryMatchesTheHandCount_data() {
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<std::vector<double>>("expected");
        const unsigned kwintor = openOnly({RowKwintor});
        const unsigned enen = openOnly({RowEnen});
        QTest::newRow("Kwintor each, 100 against 120")
            << Columns{column(kwintor, 70, 100), column(kwintor, 70, 120)}
            << std::vector<double>{FiveAlike * (1 - FiveAlike), 1 - FiveAlike * (1 - FiveAlike)};
        QTest::newRow("Kwintor against a finished 150: a tie shares")
            << Columns{column(kwintor, 70, 100), column(AllCategories, 70, 150)}
            << std::vector<double>{FiveAlike / 2, 1 - FiveAlike / 2};
        ColumnState fourSixes = column(kwintor, 70, 100);
        fourSixes.throwNumber = 2;
        fourSixes.dice = {6, 6, 1, 6, 6};
        QTest::newRow("Kwintor on throw 2 with four sixes")
            << Columns{fourSixes, column(AllCategories, 70, 120)} << std::vector<double>{1.0 / 6, 5.0 / 6};
        const double threeOrMore = onesExactly(3) + onesExactly(4) + onesExactly(5);
        QTest::newRow("Enen against a finished 202, three players")
            << Columns{column(enen, 80, 200), column(AllCategories, 80, 202), column(AllCategories, 80, 150)}
            << std::vector<double>{threeOrMore + onesExactly(2) / 2, 1 - threeOrMore - onesExactly(2) / 2, 0.0};
        QTest::newRow("Zessen from 45: three sixes bring the bonus")
            << Columns{column(openOnly({RowZessen}), 45, 150), column(AllCategories, 80, 190)}
            << std::vector<double>{threeOrMore, 1 - threeOrMore};
        ColumnState kans = column(openOnly({RowKans}), 70, 100);
        kans.throwNumber = 2;
        kans.dice = {6, 6, 4, 6, 6};
        QTest::newRow("Kans on throw 2: placing 28 beats throwing the four again")
            << Columns{kans, column(AllCategories, 80, 127)} << std::vector<double>{1.0, 0.0};
        QTest::newRow("Enen against Kwintor")
            << Columns{column(enen, 80, 200), column(kwintor, 80, 150)}
            << std::vector<double>{1 - FiveAlike * onesExactly(0) / 2, FiveAlike * onesExactly(0) / 2};
    }
    void oneOpenCategoryMatchesTheHandCount() {
        QFETCH(Columns, columns);
        QFETCH(std::vector<double>, expected);
        const std::vector<double> shares = sharesOf(WinChance(m_table), columns);
        QCOMPARE(shares.size(), expected.size());
        for (std::size_t p = 0; p < shares.size(); ++p)
            QVERIFY2(
                std::abs(shares[p] - expected[p]) < 1e-12,
                qPrintable(QStringLiteral("player %1: %2, by hand %3").arg(p + 1).arg(shares[p]).arg(expected[p])));
    }

    // The simulated games against the exact distributions, where both can be had: within one
    // percentage point, players of every stage, the chances adding up to 1.
    void simulationStaysWithinAPointOfExact_data() {
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<int>("seed");
        Columns two{played(m_table, 8, 1), played(m_table, 7, 2)};
        QTest::newRow("two players, five and six open") << two << 1;
        Columns three{played(m_table, 7, 3), played(m_table, 7, 4), played(m_table, 6, 5)};
        QTest::newRow("three players, six or seven open") << three << 2;
        Columns six;
        for (int p = 0; p < 6; ++p)
            six.push_back(played(m_table, 7 + p % 2, 10 + p));
        QTest::newRow("six players, five or six open") << six << 3;
    }
    void simulationStaysWithinAPointOfExact() {
        QFETCH(Columns, columns);
        QFETCH(int, seed);
        WinChanceSettings exact;
        exact.exactOpen = CategoryCount;
        WinChanceSettings simulated;
        simulated.exactOpen = 0;
        simulated.seed = static_cast<std::uint64_t>(seed);
        const std::vector<double> truth = sharesOf(WinChance(m_table, exact), columns);
        const std::vector<double> estimate = WinChance(m_table, simulated).chances(gameOf(columns));
        double worst = 0, sum = 0;
        for (std::size_t p = 0; p < truth.size(); ++p) {
            worst = std::max(worst, std::abs(estimate[p + 1] - truth[p]));
            sum += estimate[p + 1];
        }
        qInfo("largest error %.3f percentage points", 100 * worst);
        QVERIFY2(worst < 0.01, qPrintable(QString::number(100 * worst)));
        QVERIFY(std::abs(sum - 1) < 1e-9);
    }

    // Before the first throw everyone stands alike; at the end the highest total has it all, and
    // equal highest totals share it.
    void startAndEndOfAGame_data() {
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<std::vector<double>>("expected");
        const ColumnState fresh = column(0, 0, 0);
        QTest::newRow("four at the start") << Columns(4, fresh) << std::vector<double>(4, 0.25);
        QTest::newRow("six at the start") << Columns(6, fresh) << std::vector<double>(6, 1.0 / 6);
        QTest::newRow("one player") << Columns{played(m_table, 4, 7)} << std::vector<double>{1.0};
        const ColumnState at = column(AllCategories, 70, 240);
        QTest::newRow("a finished game") << Columns{at, column(AllCategories, 63, 250), column(AllCategories, 1, 90)}
                                         << std::vector<double>{0, 1, 0};
        QTest::newRow("a finished tie") << Columns{at, column(AllCategories, 10, 180), at}
                                        << std::vector<double>{0.5, 0, 0.5};
    }
    void startAndEndOfAGame() {
        QFETCH(Columns, columns);
        QFETCH(std::vector<double>, expected);
        const std::vector<double> chances = WinChance(m_table).chances(gameOf(columns));
        QCOMPARE(chances.size(), expected.size() + 1);
        for (std::size_t p = 0; p < expected.size(); ++p)
            QVERIFY2(std::abs(chances[p + 1] - expected[p]) < 1e-12, qPrintable(QString::number(chances[p + 1])));
    }

    // The dice on the table count for the player on turn only, and only once they lie still.
    void columnOfReadsTheTable() {
        GameState s = gameOf({column(openOnly({RowKwintor}), 70, 100), column(openOnly({RowKwintor}), 70, 100)});
        s.AanDeBeurt = 2;
        s.WorpTeller = 2;
        for (int i = 1; i <= DiceCount; ++i)
            s.DobbelWaarde[i] = 3;
        QCOMPARE(WinChance::columnOf(s, 1).throwNumber, 0);
        QCOMPARE(WinChance::columnOf(s, 2).throwNumber, 2);
        const std::vector<double> chances = WinChance(m_table).chances(s);
        QVERIFY(std::abs(chances[2] - (1 - FiveAlike / 2)) < 1e-12);
        s.throwing = true;
        QCOMPARE(WinChance::columnOf(s, 2).throwNumber, 0);
    }

    // A computation that is called off gives nothing rather than a half-made answer.
    void cancelledGivesNothing() {
        std::atomic<bool> cancel{true};
        WinChanceSettings s;
        s.exactOpen = 0;
        QVERIFY(WinChance(m_table, s).chances(gameOf({played(m_table, 2, 1), played(m_table, 3, 2)}), &cancel).empty());
    }
};

QTEST_APPLESS_MAIN(TestWinChance)
#include "tst_winchance.moc"
