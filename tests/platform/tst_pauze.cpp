#include "platform/QtPlatform.h"
#include "support/ScriptedPlatform.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <ctime>
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
        QTest::addColumn<int>("waits");      // readings 1..waits-1 are short of the wanted time
        // Readings go start + step, start + 2 step, ...; one that misses the wanted time only by
        // the rounding of these numbers has reached it.
        QTest::newRow("steps of 0.03 from noon") << 43200.0 << 0.03 << 0.1 << 4;
        QTest::newRow("steps of 0.05 from 1000.5") << 1000.5 << 0.05 << 0.1 << 2;
        QTest::newRow("one wait from 43200.123") << 43200.123 << 0.0 << 0.1 << 1;
        QTest::newRow("across midnight, steps of 0.03") << 86399.95 << 0.03 << 0.1 << 4;
        QTest::newRow("across midnight, one wait") << 86399.95 << 0.0 << 0.1 << 1;
        QTest::newRow("across midnight, one second") << 86399.5 << 0.25 << 1.0 << 4;
        QTest::newRow("no time") << 43200.0 << 0.01 << 0.0 << 0;
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

    void aRealWaitLastsItsTimeWithTheWindowLiveAndTheProcessorIdle() {
        QtPlatform platform;
        struct : QWidget {
            int paints = 0;
            void paintEvent(QPaintEvent*) override { ++paints; }
        } window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A timer fires and a paint asked for before the wait is done during it: nothing else runs the event loop.
        bool fired = false;
        QTimer::singleShot(20, &window, [&] { fired = true; });
        window.update();
        const int paints = window.paints;
        const std::clock_t cpuBefore = std::clock();
        QElapsedTimer timer;
        timer.start();
        platform.Pauze(0.3);
        const double cpuUsed = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        QVERIFY2(timer.nsecsElapsed() >= 300'000'000, qPrintable(QStringLiteral("%1 ns").arg(timer.nsecsElapsed())));
        QVERIFY(fired && window.paints > paints);
        // A wait sleeps between events; a spinning wait would burn the whole 0.3 s.
        QVERIFY2(cpuUsed < 0.1, qPrintable(QStringLiteral("%1 s of processor time").arg(cpuUsed)));
    }
};

QTEST_MAIN(TestPauze)
#include "tst_pauze.moc"
