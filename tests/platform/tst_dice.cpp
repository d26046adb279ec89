#include "platform/QtPlatform.h"

#include <QTest>

using namespace kwintor;

class TestDice : public QObject {
    Q_OBJECT

private slots:
    // Every face 1..6 comes up, nothing else does; two copies started together throw different dice.
    void theDiceShowEveryFaceAndDifferPerStart() {
        QtPlatform first, second;
        QList<int> a, b, seen(7);
        for (int k = 0; k < 600; ++k) {
            a << first.randomFace();
            b << second.randomFace();
            QVERIFY(a.last() >= 1 && a.last() <= 6);
            ++seen[a.last()];
        }
        QVERIFY2(!seen.mid(1).contains(0), "a face never came up in 600 throws"); // by chance once in 10^47
        QVERIFY(a != b);
    }
};

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
