#include "mainwindow/Main.h"
#include "dialogs/Titel.h"
#include "platform/Language.h"
#include "platform/Links.h"
#include "platform/QtPlatform.h"
#include "widgets/Theme.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kwintor"));
    QApplication::setOrganizationName(QStringLiteral("Kwintor"));
    // One name on the desktop: the desktop entry, the AppStream id and the icon are all named
    // after the application id, and the windows' class "Kwintor" (the application name) is
    // the desktop entry's StartupWMClass, so a task bar sees a running Kwintor as its launcher.
    QGuiApplication::setDesktopFileName(QLatin1String(kwintor::links::AppId));
    // The desktop's language (LANGUAGE, LANG) decides: Dutch, English, or English for a language
    // Kwintor does not speak; Dutch where none is set.
    namespace language = kwintor::language;
    language::install(app, language::choose(QLocale::system().uiLanguages(), language::available()));
    kwintor::registerFontSubstitutes();
    kwintor::QtPlatform platform;
    // main() owns both windows, so neither is destroyed while one of its handlers still waits:
    // they go only when the event loop has ended. The program ends when the main window closes.
    std::unique_ptr<kwintor::Main> window;
    kwintor::Titel titel(platform, platform);
    QObject::connect(&titel, &kwintor::Titel::started, [&] {
        if (window)
            return;
        window = std::make_unique<kwintor::Main>(platform);
        window->show();
    });
    titel.show();
    return QApplication::exec();
}
