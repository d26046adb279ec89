// The main window's figures: start-up time, memory, the throw's timing and CPU, idle CPU.
#include "Benchmarks.h"

#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
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
