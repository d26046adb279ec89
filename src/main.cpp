#include "mainwindow/Main.h"
#include "dialogs/Titel.h"
#include "platform/QtPlatform.h"
#include "widgets/Theme.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kwintor"));
    QApplication::setOrganizationName(QStringLiteral("Kwintor"));
    kwintor::registerFontSubstitutes();
    kwintor::QtPlatform platform;
    // main() owns both windows, so neither is destroyed while one of its handlers still waits:
    // they go only when the event loop has ended. The program ends when the main window closes.
    std::unique_ptr<kwintor::Main> window;
    kwintor::Titel titel(platform);
    QObject::connect(&titel, &kwintor::Titel::started, [&] {
        if (window)
            return;
        window = std::make_unique<kwintor::Main>(platform);
        window->show();
    });
    titel.show();
    return QApplication::exec();
}
