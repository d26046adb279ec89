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

    // The values are worked out by hand: with only Kans open a die is worth 3.5 with one throw to
    // come and 4.25 with two; with only Zessen open at 33 the bonus needs all five sixes.
    void answersEachLine_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("place after the third throw") << "1111111111101 0 3 1 2 3 4 6"
                                                     << "place 13 16.000000";
        QTest::newRow("throw all again") << "1111111111101 0 2 1 1 1 1 1"
                                         << "hold 00000 17.500000";
        QTest::newRow("keep the 6 and the 5") << "1111111111101 0 1 6 5 4 3 2"
                                              << "hold 11000 23.750000";
        QTest::newRow("five sixes: place at once") << "1111111111101 0 1 6 6 6 6 6"
                                                   << "place 13 30.000000";
        QTest::newRow("four sixes for the bonus") << "1111101111111 33 1 6 6 1 6 6"
                                                  << "hold 11011 " + QString::number(24 + 41 * 11 / 36.0, 'f', 6);
        QTest::newRow("the bonus at exactly 63") << "1111101111111 33 3 6 6 6 6 6"
                                                 << "place 5 65.000000";
        QTest::newRow("upper above 63 is capped") << "1111111111101 90 3 1 2 3 4 6"
                                                  << "place 13 16.000000";
        QTest::newRow("spaces, tabs and CR LF") << "  1111111111101\t0  3 1 2 3 4 6\r"
                                                << "place 13 16.000000";
        QTest::newRow("bonus out of reach") << "1111101111111 1 3 6 6 6 6 6"
                                            << "place 5 30.000000";
        for (const char* bad :
             {"", "garbage", "1111111111101 0 3 1 2 3 4", "1111111111101 0 3 1 2 3 4 6 6", "111111111110 0 3 1 2 3 4 6",
              "11111111111012 0 3 1 2 3 4 6", "1111111111102 0 3 1 2 3 4 6", "1111111111101 -1 3 1 2 3 4 6",
              "1111111111101 +1 3 1 2 3 4 6", "1111111111101 1a 3 1 2 3 4 6", "1111111111101 106 3 1 2 3 4 6",
              "1111111111101 0 0 1 2 3 4 6", "1111111111101 0 4 1 2 3 4 6", "1111111111101 0 3 1 2 3 4 7",
              "1111111111101 0 3 0 2 3 4 6", "1111111111101 0 3 1 2 3 4 6.0", "1111111111111 0 3 1 2 3 4 6"})
            QTest::newRow(qPrintable(QStringLiteral("error: \"%1\"").arg(bad))) << bad << "error";
    }
    void answersEachLine() {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QCOMPARE(QString::fromStdString(adviseLine(m_table, input.toStdString())), output);
    }

    // A malformed line gets "error" and the lines after it are still answered, up to the end of
    // the input, with or without a last line end.
    void streamReadsOnAfterAnError_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("error in the middle") << "1111111111101 0 3 1 2 3 4 6\nx y z\n1111111111101 0 2 1 1 1 1 1\n"
                                             << "place 13 16.000000\nerror\nhold 00000 17.500000\n";
        QTest::newRow("empty line, no last line end") << "\n1111111111101 0 3 1 2 3 4 6"
                                                      << "error\nplace 13 16.000000\n";
        QTest::newRow("no input") << ""
                                  << "";
    }
    void streamReadsOnAfterAnError() {
        QFETCH(QString, input);
        QFETCH(QString, output);
        std::istringstream in(input.toStdString());
        std::ostringstream out;
        adviseStream(m_table, in, out);
        QCOMPARE(QString::fromStdString(out.str()), output);
    }
};

QTEST_APPLESS_MAIN(TestBatchAdvice)
#include "tst_batchadvice.moc"
