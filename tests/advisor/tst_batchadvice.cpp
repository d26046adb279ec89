#include "advisor/BatchAdvice.h"
#include "advisor/ValueTable.h"

#include <QTest>

#include <sstream>

using namespace kwintor;

class TestBatchAdvice : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2, ValueTable::Coverage::EveryTotal); }

    // Each line answered in turn, a malformed one with "error". The values are worked out by hand:
    // with only Kans open a die is worth 3.5 with one throw to come and 4.25 with two; with only
    // Zessen open at 33 the bonus needs all five sixes; an upper total above 63 counts as 63.
    void answersEachLine() {
        const char* const lines[][2] = {
            {"1111111111101 0 3 1 2 3 4 6", "place 13 16.000000"},
            {"1111111111101 0 2 1 1 1 1 1", "hold 00000 17.500000"},
            {"1111111111101 0 1 6 5 4 3 2", "hold 11000 23.750000"},
            {"1111101111111 33 1 6 6 1 6 6", "hold 11011 36.527778"}, // 24 + 41 * 11 / 36
            {"1111101111111 33 3 6 6 6 6 6", "place 5 65.000000"},
            {"1111111111101 90 3 1 2 3 4 6", "place 13 16.000000"},
            {"1111111111101 0 3 1 2 3 4", "error"},
            {"1111111111101 0 3 0 2 3 4 6", "error"},
            {"1111111111111 0 3 1 2 3 4 6", "error"},
        };
        std::string input, expected;
        for (const auto& [in, out] : lines) {
            input += std::string(in) + "\n";
            expected += std::string(out) + "\n";
        }
        std::istringstream in(input);
        std::ostringstream out;
        adviseStream(m_table, in, out);
        QCOMPARE(QString::fromStdString(out.str()), QString::fromStdString(expected));
    }
};

QTEST_APPLESS_MAIN(TestBatchAdvice)
#include "tst_batchadvice.moc"
