#include "dialogs/ChanceChart.h"

#include <QImage>
#include <QTest>

using namespace kwintor;

// The chart of the chances to win: every value in its text, each drawn where it belongs, a step
// still unknown left out.
class TestChanceChart : public QObject {
    Q_OBJECT

private slots:
    void percentagesHaveOneDecimalAndAComma_data() {
        QTest::addColumn<double>("chance");
        QTest::addColumn<QString>("text");
        QTest::newRow("37,4") << 0.374 << "37,4 %";
        QTest::newRow("a whole win") << 1.0 << "100,0 %";
        QTest::newRow("nothing") << 0.0 << "0,0 %";
        QTest::newRow("rounding up") << 0.99996 << "100,0 %";
    }
    void percentagesHaveOneDecimalAndAComma() {
        QFETCH(double, chance);
        QFETCH(QString, text);
        QCOMPARE(percentText(chance), text);
    }

    void aStepNotKnownYetIsLeftOut() {
        ChanceChart chart;
        chart.resize(300, 200);
        chart.setValues({"Anna", "Bob"}, {{0.5, 0.5}, {}, {0.8, 0.2}}, "Winkans na elke ronde", "Ronde", 0);
        QCOMPARE(chart.textEquivalent(), QStringLiteral("Winkans na elke ronde. Ronde 0: Anna 50,0 %, Bob 50,0 %; "
                                                        "Ronde 2: Anna 80,0 %, Bob 20,0 %."));
        QCOMPARE(chart.accessibleDescription(), chart.textEquivalent());
        const QImage image = chart.grab().toImage();
        for (int p = 0; p < 2; ++p) {
            const QPoint at = chart.pointAt(2, p);
            QCOMPARE(image.pixelColor(at), ChanceChart::playerColour(p));
        }
        // Anna's 80 % stands higher than Bob's 20 %, at the right end.
        QVERIFY(chart.pointAt(2, 0).y() < chart.pointAt(2, 1).y());
        QCOMPARE(chart.pointAt(2, 0).x(), chart.xAt(2));
        QVERIFY(chart.xAt(2) > chart.xAt(0));
    }
};

QTEST_MAIN(TestChanceChart)
#include "tst_chancechart.moc"
