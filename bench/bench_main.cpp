// The main window's figures: start-up time, memory, the throw's timing and CPU, idle CPU.
#include "Benchmarks.h"

#include "dialogs/Titel.h"
#include "mainwindow/Main.h"
#include "mainwindow/Theme.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>
#include <memory>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Seconds since this process started, from /proc (boot-time clock ticks).
double secondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return now.tv_sec + now.tv_nsec / 1e9 - startTicks / sysconf(_SC_CLK_TCK);
}

// A platform that records when each frame of the animation begins.
class TimedPlatform : public kwintor::QtPlatform {
public:
    int randomFace() override {
        frameStarts.push_back(clock.nsecsElapsed() / 1e6);
        return QtPlatform::randomFace();
    }
    QElapsedTimer clock;
    std::vector<double> frameStarts;
};

} // namespace

// Run in a child process: the same steps as the program's start, up to the window shown
// (the title window, which the program opens first, or the main window).
int benchStartupChild(bool title) {
    int argc = 1;
    char name[] = "kwintor_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    kwintor::registerFontSubstitutes();
    kwintor::QtPlatform platform;
    std::unique_ptr<QWidget> window;
    if (title)
        window = std::make_unique<kwintor::Titel>(platform);
    else
        window = std::make_unique<kwintor::Main>(platform);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        std::fprintf(stderr, "the window was not shown\n");
    std::printf("%.1f %ld\n", secondsSinceProcessStart() * 1000.0, residentKiB());
    return 0;
}

void benchStartup(const QString& self) {
    for (const char* which : {"title", "main"}) {
        std::vector<double> times;
        long rss = 0;
        for (int run = 0; run < 11; ++run) {
            QProcess child;
            child.start(self, {QStringLiteral("--startup-child"), QLatin1String(which)});
            child.waitForFinished(20000);
            const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
            if (parts.size() == 2) {
                times.push_back(parts[0].toDouble());
                rss = std::max(rss, parts[1].toLong());
            }
        }
        if (times.empty()) {
            std::printf("start-up: the child did not report\n");
            return;
        }
        std::sort(times.begin(), times.end());
        std::printf("start-up: process start to the %s window shown, median of %zu runs: %.1f ms (min %.1f, max %.1f); "
                    "target < 300 ms\n",
                    which, times.size(), times[times.size() / 2], times.front(), times.back());
        std::printf("memory: resident set with the %s window shown: %.1f MB; target < 60 MB\n", which, rss / 1024.0);
    }
}

void benchMainWindow() {
    TimedPlatform platform;
    kwintor::Main window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not shown\n");

    // One five-dice throw with the real Pauze.
    auto* button = window.findChild<QPushButton*>(QStringLiteral("SchudKnop"));
    const double cpuBefore = cpuSeconds();
    platform.clock.start();
    button->click();
    const double wall = platform.clock.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    double worst = 0, sum = 0;
    for (std::size_t i = 1; i < platform.frameStarts.size(); ++i) {
        const double gap = platform.frameStarts[i] - platform.frameStarts[i - 1];
        worst = std::max(worst, std::abs(gap - 100.0));
        sum += gap;
    }
    std::printf("throw: %zu frames, mean gap %.2f ms, worst deviation from 100 ms %.2f ms (target <= 10 ms)\n",
                platform.frameStarts.size(), sum / (platform.frameStarts.size() - 1), worst);
    std::printf("throw: wall %.3f s, CPU %.3f s = %.2f %% of wall (target < 5 %%)\n", wall, cpu, 100.0 * cpu / wall);

    // Idle: the window open, the clock ticking, nothing else happening.
    QTest::qWait(1000); // let the throw's last repaints settle
    const double idleCpuBefore = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    QEventLoop loop; // not QTest::qWait, which wakes every few milliseconds itself
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const double idleWall = idle.nsecsElapsed() / 1e9;
    std::printf("idle: CPU %.3f s in %.1f s = %.3f %% (target < 1 %%)\n", cpuSeconds() - idleCpuBefore, idleWall,
                100.0 * (cpuSeconds() - idleCpuBefore) / idleWall);
}
