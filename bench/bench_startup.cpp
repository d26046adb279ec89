// Start-up, side by side: Kwintor's windows against the least a window of the same size that
// shows words costs (a Qt main window with a menu bar of four menus and a label), each shown by
// a fresh process, the runs alternating so that a noisy machine hurts both alike.
#include "Benchmarks.h"

#include "dialogs/Titel.h"
#include "mainwindow/Main.h"
#include "platform/Language.h"
#include "platform/QtPlatform.h"
#include "widgets/Theme.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Reports once the window's first paint has been handed to the screen.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("%.3f %.1f %ld\n", monotonicMs(), cpuMs(), peakResidentKiB());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

struct Sample {
    double wall, cpu;
    long peak;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

// Run in a child process: the program's own start for "main" (in Dutch, "main-en" in English) and
// "title", and for "floor" a
// plain Qt main window of the main window's size with a menu bar of four menus and one label,
// which loads the fonts any window with words loads; prints the moment of the first paint, CPU
// and peak memory.
int benchStartupChild(const char* which) {
    int argc = 1;
    char name[] = "kwintor_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    kwintor::QtPlatform platform;
    std::unique_ptr<QWidget> window;
    if (std::strcmp(which, "floor") == 0) {
        auto floor = std::make_unique<QMainWindow>();
        for (const char* menu : {"Bestand", "Spelers", "Tools", "Help"})
            floor->menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QString::fromLatin1(menu));
        floor->setCentralWidget(new QLabel(QStringLiteral("Kwintor")));
        floor->setFixedSize(854, 593); // the main window's size
        window = std::move(floor);
    } else {
        kwintor::registerFontSubstitutes();
        // As the program starts: its language installed first, Dutch, or English for "main-en".
        const bool english = std::strcmp(which, "main-en") == 0;
        kwintor::language::install(app, QLatin1String(english ? kwintor::language::English : kwintor::language::Dutch));
        if (std::strcmp(which, "title") == 0)
            window = std::make_unique<kwintor::Titel>(platform, platform);
        else
            window = std::make_unique<kwintor::Main>(platform);
    }
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}

void benchStartup(const QString& self) {
    constexpr int Runs = 31; // a busy machine shifts single runs by tens of milliseconds
    const char* const kinds[] = {"floor", "main", "main-en", "title"};
    std::map<std::string, std::vector<Sample>> samples;
    for (int run = 0; run < Runs; ++run) {
        for (const char* which : kinds) {
            QProcess child;
            const double started = monotonicMs();
            child.start(self, {QStringLiteral("--startup-child"), QLatin1String(which)});
            child.waitForFinished(20000);
            const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
            if (parts.size() == 3)
                samples[which].push_back({parts[0].toDouble() - started, parts[1].toDouble(), parts[2].toLong()});
        }
    }
    auto figures = [&](const char* which) {
        std::vector<double> wall, cpu;
        long peak = 0;
        for (const Sample& s : samples[which]) {
            wall.push_back(s.wall);
            cpu.push_back(s.cpu);
            peak = std::max(peak, s.peak);
        }
        return std::tuple{median(wall), median(cpu), peak / 1024.0, wall.size()};
    };
    const auto [floorWall, floorCpu, floorPeak, floorRuns] = figures("floor");
    if (floorRuns == 0) {
        std::printf("start-up: the child did not report (no display?)\n");
        return;
    }
    std::printf("start-up: process start to first paint, median of %d alternating runs (platform %s)\n", Runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("start-up: floor, a main window with four menus and a label: %.1f ms wall, %.1f ms CPU, "
                "peak %.1f MiB\n",
                floorWall, floorCpu, floorPeak);
    for (const char* which : {"main", "main-en", "title"}) {
        const auto [wall, cpu, peak, runs] = figures(which);
        std::printf("start-up: %s window: %.1f ms wall (%.2fx the floor; target <= 1.10x for main), "
                    "%.1f ms CPU (%.2fx), peak %.1f MiB (%+.1f MiB; target <= +3 MiB for main), %zu runs\n",
                    which, wall, wall / floorWall, cpu, cpu / floorCpu, peak, peak - floorPeak, runs);
    }
}
