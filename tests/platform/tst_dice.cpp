#include "platform/QtPlatform.h"

#include <QTest>
#include <QTime>

#include <functional>
#include <random>

using namespace kwintor;

namespace {

// Chi-square of 60,000 faces against equal shares: of the faces themselves (6 cells, 5 degrees
// of freedom) or of non-overlapping pairs (36 cells, 35 degrees of freedom; such pairs are
// independent draws when the faces are, Knuth, TAOCP vol. 2, 3.3.2 B).
double chiSquare(const std::function<int()>& face, int cells) {
    const int per = cells == 6 ? 1 : 2, samples = 60000 / per;
    QList<double> count(cells);
    for (int k = 0; k < samples; ++k) {
        const int first = face() - 1, second = per == 2 ? face() - 1 : 0;
        if (first < 0 || first > 5 || second < 0 || second > 5)
            return qInf(); // not a face at all
        ++count[per == 1 ? first : first * 6 + second];
    }
    double chi = 0;
    for (double c : count)
        chi += (c - double(samples) / cells) * (c - double(samples) / cells) / (double(samples) / cells);
    return chi;
}

// The way of older programs: re-seed from the clock's whole seconds before every draw.
int clockSeededFace() {
    std::minstd_rand0 generator(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    return static_cast<int>(std::generate_canonical<double, 32>(generator) * 6 + 1);
}

} // namespace

class TestDice : public QObject {
    Q_OBJECT

private slots:
    void theDiceAreFairAndIndependent_data() {
        // Upper 0.001 points of the chi-square distribution (NIST/SEMATECH e-Handbook, table 1.3.6.7.4).
        QTest::addColumn<int>("cells");
        QTest::addColumn<double>("critical");
        QTest::addColumn<bool>("clockSeeded");
        QTest::newRow("faces come up equally often") << 6 << 20.515 << false;
        QTest::newRow("successive faces are independent") << 36 << 66.619 << false;
        // Proof that the test can fail: within one clock tick every draw repeats.
        QTest::newRow("a generator re-seeded from the clock fails") << 36 << 66.619 << true;
    }

    void theDiceAreFairAndIndependent() {
        QFETCH(int, cells);
        QFETCH(double, critical);
        QFETCH(bool, clockSeeded);
        QtPlatform platform;
        const std::function<int()> face =
            clockSeeded ? clockSeededFace : std::function<int()>([&] { return platform.randomFace(); });
        double chi = chiSquare(face, cells);
        // A fair source passes a 0.001 point 999 times in 1000: a second sample decides, so a fair
        // source fails one run in a million, while a faulty one fails both.
        if (chi > critical && !clockSeeded)
            chi = chiSquare(face, cells);
        QVERIFY2((chi <= critical) != clockSeeded, qPrintable(QStringLiteral("chi-square %1").arg(chi)));
    }

    void twoPlatformsMadeAtOnceThrowDifferentDice() {
        QtPlatform first, second;
        QList<int> a, b;
        for (int k = 0; k < 64; ++k) {
            a << first.randomFace();
            b << second.randomFace();
        }
        QVERIFY(a != b); // equal by chance once in 6^64
    }
};

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
