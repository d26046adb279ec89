#include "engine/Scoring.h"

#include <QStringList>
#include <QTest>

using namespace kwintor;

class TestScoring : public QObject {
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
        for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}) {
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
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
