#include "dialogs/Titel.h"
#include "mainwindow/Twips.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kwintor"));
    QApplication::setOrganizationName(QStringLiteral("Kwintor"));
    kwintor::registerFontSubstitutes();
    kwintor::QtPlatform platform;
    // The title window opens the main window; the program ends when that one closes.
    kwintor::Titel titel(platform);
    titel.show();
    return QApplication::exec();
}
