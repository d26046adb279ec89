#include "dialogs/Titel.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kwintor"));
    QApplication::setOrganizationName(QStringLiteral("Kwintor"));
    // The windows are designed in "MS Sans Serif": the sans family that stands in for Arial
    // takes its place, else the desktop's own sans family.
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                                sans.defaultFamily()});
    kwintor::QtPlatform platform;
    // The title window opens the main window; the program ends when that one closes.
    kwintor::Titel titel(platform);
    titel.show();
    return QApplication::exec();
}
