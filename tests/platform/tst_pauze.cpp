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

namespace {

// A wait that never ends must fail the test, not hang it.
constexpr int WaitLimit = 1000;

// Runs Pauze(seconds) on the scripted clock; answers the number of waits, or -1 when
// the wait did not end within WaitLimit waits.
int scriptedPause(ScriptedPlatform& platform, double seconds) {
    int waits = 0;
    platform.onWait = [&waits] {
        if (++waits > WaitLimit)
            throw std::runtime_error("endless wait");
    };
    try {
        platform.Pauze(seconds);
    } catch (const std::runtime_error&) {
        return -1;
    }
    return waits;
}

class CountingWidget : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

} // namespace

class TestPauze : public QObject {
    Q_OBJECT

private slots:
    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime_data();
    void aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime();
    void aWaitOfNoLengthReturnsWithoutWaiting_data();
    void aWaitOfNoLengthReturnsWithoutWaiting();
    void elapsedTimeCountsOnAcrossMidnight_data();
    void elapsedTimeCountsOnAcrossMidnight();
    void theRealWaitLastsAtLeastTheTimeAsked_data();
    void theRealWaitLastsAtLeastTheTimeAsked();
    void theWindowStaysLiveAndIdleDuringARealWait();
};

void TestPauze::aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime_data() {
    QTest::addColumn<double>("start");   // clock at the start, seconds since midnight
    QTest::addColumn<double>("step");    // how far the clock moves per wait; 0: all that is left
    QTest::addColumn<double>("seconds"); // the wait asked
    QTest::addColumn<int>("waits");      // readings 1..waits-1 are short of the wanted time

    // Clock readings go start + step, start + 2 step, ... and a reading that differs from the
    // wanted time only by the rounding of these numbers has reached it.
    QTest::newRow("steps of 0.03 from noon") << 43200.0 << 0.03 << 0.1 << 4;
    QTest::newRow("steps of 0.03 from midnight") << 0.0 << 0.03 << 0.1 << 4;
    QTest::newRow("steps of 0.03 from 1000.5") << 1000.5 << 0.03 << 0.1 << 4;
    QTest::newRow("steps of 0.05 from noon") << 43200.0 << 0.05 << 0.1 << 2;
    QTest::newRow("steps of 0.05 from midnight") << 0.0 << 0.05 << 0.1 << 2;
    QTest::newRow("steps of 0.05 from 1000.5") << 1000.5 << 0.05 << 0.1 << 2;
    QTest::newRow("steps of 0.01 from midnight") << 0.0 << 0.01 << 0.1 << 10;
    QTest::newRow("steps of 0.1 for one second") << 30000.0 << 0.1 << 1.0 << 10;
    QTest::newRow("one wait from noon") << 43200.0 << 0.0 << 0.1 << 1;
    QTest::newRow("one wait from 43200.123") << 43200.123 << 0.0 << 0.1 << 1;
    QTest::newRow("one wait of a second from 3600") << 3600.0 << 0.0 << 1.0 << 1;
    QTest::newRow("across midnight, steps of 0.03") << 86399.95 << 0.03 << 0.1 << 4;
    QTest::newRow("across midnight, steps of 0.05") << 86399.95 << 0.05 << 0.1 << 2;
    QTest::newRow("across midnight, one wait") << 86399.95 << 0.0 << 0.1 << 1;
    QTest::newRow("across midnight, one second") << 86399.5 << 0.25 << 1.0 << 4;
}

void TestPauze::aWaitEndsOnTheFirstReadingAtOrPastTheWantedTime() {
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(double, seconds);
    QFETCH(int, waits);
    ScriptedPlatform platform;
    platform.setClock(start);
    platform.step = step;
    const int taken = scriptedPause(platform, seconds);
    QVERIFY2(taken >= 0, qPrintable(QStringLiteral("Pauze(%1) did not end after %2 waits").arg(seconds).arg(WaitLimit)));
    QCOMPARE(taken, waits);
    // It did not end early.
    QVERIFY(elapsedSince(start, platform.clockSeconds()) >= seconds - 1e-9);
    for (double asked : platform.waits)
        QVERIFY(asked > 0 && asked <= seconds + 1e-9);
}

void TestPauze::aWaitOfNoLengthReturnsWithoutWaiting_data() {
    QTest::addColumn<double>("seconds");
    QTest::newRow("0") << 0.0;
    QTest::newRow("-1") << -1.0;
}

void TestPauze::aWaitOfNoLengthReturnsWithoutWaiting() {
    QFETCH(double, seconds);
    ScriptedPlatform platform;
    platform.step = 0.01;
    QCOMPARE(scriptedPause(platform, seconds), 0);
    QVERIFY(platform.waits.isEmpty());
    QCOMPARE(platform.clockSeconds(), 12 * 3600.0);
}

void TestPauze::elapsedTimeCountsOnAcrossMidnight_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("now");
    QTest::addColumn<double>("elapsed");
    QTest::newRow("half a second") << 10.0 << 10.5 << 0.5;
    QTest::newRow("no time") << 100.0 << 100.0 << 0.0;
    QTest::newRow("a minute at noon") << 43200.0 << 43260.0 << 60.0;
    QTest::newRow("0.1 across midnight") << 86399.95 << 0.05 << 0.1;
    QTest::newRow("2 s across midnight") << 86399.0 << 1.0 << 2.0;
    QTest::newRow("to midnight exactly") << 86399.9 << 0.0 << 0.1;
    QTest::newRow("almost a day") << 0.0 << 86399.5 << 86399.5;
}

void TestPauze::elapsedTimeCountsOnAcrossMidnight() {
    QFETCH(double, start);
    QFETCH(double, now);
    QFETCH(double, elapsed);
    const double got = elapsedSince(start, now);
    QVERIFY2(qAbs(got - elapsed) < 1e-6, qPrintable(QString::number(got, 'g', 17)));
}

void TestPauze::theRealWaitLastsAtLeastTheTimeAsked_data() {
    QTest::addColumn<double>("seconds");
    QTest::newRow("0.05 s") << 0.05;
    QTest::newRow("0.05 s again") << 0.05;
    QTest::newRow("0.02 s") << 0.02;
    QTest::newRow("0.1 s") << 0.1;
}

void TestPauze::theRealWaitLastsAtLeastTheTimeAsked() {
    QFETCH(double, seconds);
    QtPlatform platform;
    QElapsedTimer timer;
    timer.start();
    platform.Pauze(seconds);
    const qint64 nanoseconds = timer.nsecsElapsed();
    QVERIFY2(nanoseconds >= qint64(seconds * 1e9), qPrintable(QStringLiteral("%1 ns").arg(nanoseconds)));
}

void TestPauze::theWindowStaysLiveAndIdleDuringARealWait() {
    QtPlatform platform;
    CountingWidget window;
    window.resize(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    bool waiting = false;
    int firedWhileWaiting = 0;
    int paintsWhileWaiting = -1;
    QTimer::singleShot(20, &window, [&] {
        firedWhileWaiting += waiting ? 1 : 0;
        const int before = window.paints;
        window.update();
        // A second timer sees whether the update was painted within the same wait.
        QTimer::singleShot(60, &window, [&, before] {
            if (waiting)
                paintsWhileWaiting = window.paints - before;
        });
    });
    const double cpuBefore = cpuSeconds();
    waiting = true;
    platform.Pauze(0.3);
    waiting = false;
    const double cpuUsed = cpuSeconds() - cpuBefore;

    QCOMPARE(firedWhileWaiting, 1);
    QVERIFY2(paintsWhileWaiting > 0, qPrintable(QString::number(paintsWhileWaiting)));
    // A wait sleeps between events; a spinning wait would burn the whole 0.3 s.
    QVERIFY2(cpuUsed < 0.1, qPrintable(QStringLiteral("%1 s of processor time").arg(cpuUsed)));
}

QTEST_MAIN(TestPauze)
#include "tst_pauze.moc"
