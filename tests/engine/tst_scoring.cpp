#include "engine/Scoring.h"

#include <QStringList>
#include <QTest>

using namespace kwintor;

namespace {

// "1 2 3 4 5" -> dice 1..5 (element 0 unused).
Dice diceFrom(const QString& text) {
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    Q_ASSERT(parts.size() == DiceCount);
    Dice dice{};
    for (int i = 1; i <= DiceCount; ++i)
        dice[i] = static_cast<std::uint8_t>(parts[i - 1].toInt());
    return dice;
}

int diceSum(const Dice& dice) {
    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i)
        sum += dice[i];
    return sum;
}

// The 13 category rows in the order the expected values are written.
constexpr int CategoryRows[CategoryCount] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};

} // namespace

class TestScoring : public QObject {
    Q_OBJECT

private slots:
    void everyCategoryScoresByItsRule_data();
    void everyCategoryScoresByItsRule();
    void theThreeNamedTestsAnswerByTheirRules_data();
    void theThreeNamedTestsAnswerByTheirRules();
    void totalRowsAndRowsOffTheSheetScoreNothing_data();
    void totalRowsAndRowsOffTheSheetScoreNothing();
};

void TestScoring::everyCategoryScoresByItsRule_data() {
    QTest::addColumn<QString>("dice");
    // Values of rows 0..5 (ones..sixes), then 8..14 (three of a kind, four of a kind,
    // small straight, large straight, full house, chance, five of a kind).
    QTest::addColumn<QString>("expected");

    //                                     1  2  3  4  5  6 3K 4K SS LS FH Ch  K
    // The edge cases the game's rules single out.
    QTest::newRow("3 3 3 3 3") << "3 3 3 3 3" << "0 0 15 0 0 0 15 15 0 0 0 15 50";
    QTest::newRow("2 3 4 5 6") << "2 3 4 5 6" << "0 2 3 4 5 6 0 0 30 40 0 20 0";
    QTest::newRow("1 2 3 4 6") << "1 2 3 4 6" << "1 2 3 4 0 6 0 0 30 0 0 16 0";
    QTest::newRow("1 2 3 5 6 no straight") << "1 2 3 5 6" << "1 2 3 0 5 6 0 0 0 0 0 17 0";
    QTest::newRow("1 2 2 3 4 double in straight") << "1 2 2 3 4" << "1 4 3 4 0 0 0 0 30 0 0 12 0";
    QTest::newRow("2 2 3 3 3") << "2 2 3 3 3" << "0 4 9 0 0 0 13 0 0 0 25 13 0";
    QTest::newRow("4 4 4 4 2") << "4 4 4 4 2" << "0 2 0 16 0 0 18 18 0 0 0 18 0";

    // A fuller table.
    QTest::newRow("1 1 1 2 2 low full house") << "1 1 1 2 2" << "3 4 0 0 0 0 7 0 0 0 25 7 0";
    QTest::newRow("6 6 6 6 6") << "6 6 6 6 6" << "0 0 0 0 0 30 30 30 0 0 0 30 50";
    QTest::newRow("1 3 4 5 6 straight at the top") << "1 3 4 5 6" << "1 0 3 4 5 6 0 0 30 0 0 19 0";
    QTest::newRow("2 3 4 5 5") << "2 3 4 5 5" << "0 2 3 4 10 0 0 0 30 0 0 19 0";
    QTest::newRow("1 2 3 4 5") << "1 2 3 4 5" << "1 2 3 4 5 0 0 0 30 40 0 15 0";
    QTest::newRow("5 4 3 2 1 descending") << "5 4 3 2 1" << "1 2 3 4 5 0 0 0 30 40 0 15 0";
    QTest::newRow("6 2 5 3 4 shuffled") << "6 2 5 3 4" << "0 2 3 4 5 6 0 0 30 40 0 20 0";
    QTest::newRow("1 1 1 1 1") << "1 1 1 1 1" << "5 0 0 0 0 0 5 5 0 0 0 5 50";
    QTest::newRow("5 5 5 5 5") << "5 5 5 5 5" << "0 0 0 0 25 0 25 25 0 0 0 25 50";
    QTest::newRow("5 5 5 6 6") << "5 5 5 6 6" << "0 0 0 0 15 12 27 0 0 0 25 27 0";
    QTest::newRow("6 6 5 5 5 pair first") << "6 6 5 5 5" << "0 0 0 0 15 12 27 0 0 0 25 27 0";
    QTest::newRow("3 1 3 1 3 interleaved") << "3 1 3 1 3" << "2 0 9 0 0 0 11 0 0 0 25 11 0";
    QTest::newRow("2 5 2 5 2") << "2 5 2 5 2" << "0 6 0 0 10 0 16 0 0 0 25 16 0";
    QTest::newRow("4 4 4 5 5") << "4 4 4 5 5" << "0 0 0 12 10 0 22 0 0 0 25 22 0";
    QTest::newRow("1 6 1 6 6") << "1 6 1 6 6" << "2 0 0 0 0 18 20 0 0 0 25 20 0";
    QTest::newRow("2 2 2 2 5 four of a kind") << "2 2 2 2 5" << "0 8 0 0 5 0 13 13 0 0 0 13 0";
    QTest::newRow("6 6 6 6 1") << "6 6 6 6 1" << "1 0 0 0 0 24 25 25 0 0 0 25 0";
    QTest::newRow("3 3 3 3 6") << "3 3 3 3 6" << "0 0 12 0 0 6 18 18 0 0 0 18 0";
    QTest::newRow("1 1 2 2 3 two pairs") << "1 1 2 2 3" << "2 4 3 0 0 0 0 0 0 0 0 9 0";
    QTest::newRow("6 5 6 5 4 two pairs") << "6 5 6 5 4" << "0 0 0 4 10 12 0 0 0 0 0 26 0";
    QTest::newRow("1 2 4 5 6 gap") << "1 2 4 5 6" << "1 2 0 4 5 6 0 0 0 0 0 18 0";
    QTest::newRow("1 3 5 2 6 gap shuffled") << "1 3 5 2 6" << "1 2 3 0 5 6 0 0 0 0 0 17 0";
    QTest::newRow("3 4 5 6 6") << "3 4 5 6 6" << "0 0 3 4 5 12 0 0 30 0 0 24 0";
    QTest::newRow("1 2 3 4 4") << "1 2 3 4 4" << "1 2 3 8 0 0 0 0 30 0 0 14 0";
    QTest::newRow("4 3 3 2 1") << "4 3 3 2 1" << "1 2 6 4 0 0 0 0 30 0 0 13 0";
    QTest::newRow("2 2 3 4 6") << "2 2 3 4 6" << "0 4 3 4 0 6 0 0 0 0 0 17 0";

    // A die of value 0 (held before it was ever thrown) matches no face and no straight
    // and adds nothing to a sum.
    QTest::newRow("0 3 3 3 3") << "0 3 3 3 3" << "0 0 12 0 0 0 12 12 0 0 0 12 0";
    QTest::newRow("0 2 3 4 5") << "0 2 3 4 5" << "0 2 3 4 5 0 0 0 30 0 0 14 0";
    QTest::newRow("0 1 2 3 4") << "0 1 2 3 4" << "1 2 3 4 0 0 0 0 30 0 0 10 0";
    QTest::newRow("6 0 6 6 0 zeros are no pair") << "6 0 6 6 0" << "0 0 0 0 0 18 18 0 0 0 0 18 0";
    QTest::newRow("0 0 0 2 2 zeros are no triple") << "0 0 0 2 2" << "0 4 0 0 0 0 0 0 0 0 0 4 0";
    QTest::newRow("0 0 0 0 0") << "0 0 0 0 0" << "0 0 0 0 0 0 0 0 0 0 0 0 0";
}

void TestScoring::everyCategoryScoresByItsRule() {
    QFETCH(QString, dice);
    QFETCH(QString, expected);
    const Dice values = diceFrom(dice);
    const QStringList wanted = expected.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(wanted.size(), CategoryCount);
    for (int k = 0; k < CategoryCount; ++k) {
        const int row = CategoryRows[k];
        const int want = wanted[k].toInt();
        if (categoryValue(row, values, diceSum(values)) != want || categoryValue(row, values) != want)
            QFAIL(qPrintable(QStringLiteral("row %1 of %2: got %3 (sum passed) and %4 (sum worked out), want %5")
                                 .arg(row)
                                 .arg(dice)
                                 .arg(categoryValue(row, values, diceSum(values)))
                                 .arg(categoryValue(row, values))
                                 .arg(want)));
    }
}

void TestScoring::theThreeNamedTestsAnswerByTheirRules_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<bool>("kleineStraat");
    QTest::addColumn<bool>("groteStraat");
    QTest::addColumn<bool>("fullHouse");

    QTest::newRow("1 2 3 4 5") << "1 2 3 4 5" << true << true << false;
    QTest::newRow("2 3 4 5 6") << "2 3 4 5 6" << true << true << false;
    QTest::newRow("6 5 4 3 2") << "6 5 4 3 2" << true << true << false;
    QTest::newRow("5 1 3 2 4") << "5 1 3 2 4" << true << true << false;
    QTest::newRow("1 2 2 3 4") << "1 2 2 3 4" << true << false << false;
    QTest::newRow("3 4 5 6 6") << "3 4 5 6 6" << true << false << false;
    QTest::newRow("1 3 4 5 6") << "1 3 4 5 6" << true << false << false;
    QTest::newRow("2 3 4 5 5") << "2 3 4 5 5" << true << false << false;
    QTest::newRow("6 4 1 3 5") << "6 4 1 3 5" << true << false << false;
    QTest::newRow("1 2 3 5 6") << "1 2 3 5 6" << false << false << false;
    QTest::newRow("1 2 4 5 6") << "1 2 4 5 6" << false << false << false;
    QTest::newRow("1 1 2 2 3") << "1 1 2 2 3" << false << false << false;
    QTest::newRow("2 2 3 3 3") << "2 2 3 3 3" << false << false << true;
    QTest::newRow("1 1 1 2 2") << "1 1 1 2 2" << false << false << true;
    QTest::newRow("6 5 6 5 6") << "6 5 6 5 6" << false << false << true;
    QTest::newRow("3 3 3 3 3 not a full house") << "3 3 3 3 3" << false << false << false;
    QTest::newRow("4 4 4 4 2 not a full house") << "4 4 4 4 2" << false << false << false;
    QTest::newRow("4 4 4 1 2 not a full house") << "4 4 4 1 2" << false << false << false;
    QTest::newRow("0 2 3 4 5") << "0 2 3 4 5" << true << false << false;
    QTest::newRow("0 2 3 4 6") << "0 2 3 4 6" << false << false << false;
    QTest::newRow("0 0 2 2 2 zeros are no pair") << "0 0 2 2 2" << false << false << false;
    QTest::newRow("0 0 0 0 0") << "0 0 0 0 0" << false << false << false;
}

void TestScoring::theThreeNamedTestsAnswerByTheirRules() {
    QFETCH(QString, dice);
    QFETCH(bool, kleineStraat);
    QFETCH(bool, groteStraat);
    QFETCH(bool, fullHouse);
    const Dice values = diceFrom(dice);
    QCOMPARE(KleineStraat(values), kleineStraat);
    QCOMPARE(GroteStraat(values), groteStraat);
    QCOMPARE(FullHouse(values), fullHouse);
}

void TestScoring::totalRowsAndRowsOffTheSheetScoreNothing_data() {
    QTest::addColumn<int>("row");
    for (int row : {6, 7, 15, 16, -1, 17})
        QTest::newRow(qPrintable(QStringLiteral("row %1").arg(row))) << row;
}

void TestScoring::totalRowsAndRowsOffTheSheetScoreNothing() {
    QFETCH(int, row);
    const Dice fives = diceFrom("5 5 5 5 5");
    QCOMPARE(categoryValue(row, fives, 25), 0);
    QCOMPARE(categoryValue(row, fives), 0);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
