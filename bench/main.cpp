#include "Benchmarks.h"

#include "platform/Language.h"

#include <QApplication>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "advise") == 0)
        return adviseFromInput();
    if (argc > 1 && std::strcmp(argv[1], "advisor") == 0) {
        benchAdvisor();
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--startup-child") == 0)
        return benchStartupChild(argc > 2 ? argv[2] : "main");
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "review") == 0) {
        benchReview();
        return 0;
    }
    if (argc > 2 && std::strcmp(argv[1], "--shots") == 0) {
        // A third argument names the language of the screenshots: "en" for docs/en.
        if (argc > 3)
            kwintor::language::install(app, QString::fromLocal8Bit(argv[3]));
        takeScreenshots(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    benchStartup(QCoreApplication::applicationFilePath());
    if (argc > 1 && std::strcmp(argv[1], "--startup-only") == 0)
        return 0;
    benchMainWindow();
    benchPersistence();
    benchReview();
    benchAdvisor();
    return 0;
}
