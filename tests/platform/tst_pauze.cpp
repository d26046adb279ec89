#include "platform/QtPlatform.h"
#include "support/ScriptedPlatform.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace kwintor;
using kwintor::test::ScriptedPlatform;

class TestPauze : public QObject {
    Q_OBJECT

private slots:
    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime_data() {
        QTest::addColumn<double>("start");   // clock at the start, seconds since midnight
        QTest::addColumn<double>("step");    // how far the clock moves per wait; 0: all that is left
        QTest::addColumn<double>("seconds"); // the wait asked
        QTest::addColumn<int>("waits");
        QTest::newRow("steps of 0.03 from noon") << 43200.0 << 0.03 << 0.1 << 4;
        QTest::newRow("across midnight, steps of 0.03") << 86399.95 << 0.03 << 0.1 << 4;
        QTest::newRow("across midnight, one wait") << 86399.95 << 0.0 << 0.1 << 1;
        QTest::newRow("less than no time") << 43200.0 << 0.01 << -1.0 << 0;
    }
    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime() {
        QFETCH(double, start);
        QFETCH(double, step);
        QFETCH(double, seconds);
        QFETCH(int, waits);
        ScriptedPlatform platform;
        platform.setClock(start);
        platform.step = step;
        platform.onWait = [&platform] { // a wait that never ends must fail, not hang
            if (platform.waits.size() > 1000)
                throw std::runtime_error("endless wait");
        };
        QVERIFY_THROWS_NO_EXCEPTION(platform.Pauze(seconds));
        QCOMPARE(platform.waits.size(), waits);
        for (int k = 0; k < waits; ++k) // each wait asks for what is left
            QVERIFY(qAbs(platform.waits[k] - (seconds - k * step)) < 1e-6);
    }

    // The window stays live during a real wait: a timer due meanwhile fires.
    void aRealWaitRunsTheEventLoop() {
        QtPlatform platform;
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        platform.Pauze(0.05);
        QVERIFY(fired);
    }
};

QTEST_GUILESS_MAIN(TestPauze)
#include "tst_pauze.moc"
