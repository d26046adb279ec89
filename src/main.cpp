#include "mainwindow/Main.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kwintor"));
    QApplication::setOrganizationName(QStringLiteral("Kwintor"));
    kwintor::QtPlatform platform;
    kwintor::Main window(platform);
    window.show();
    return QApplication::exec();
}
