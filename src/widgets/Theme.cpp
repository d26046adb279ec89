#include "widgets/Theme.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace kwintor {

namespace {

// The stand-ins for the two designed families, best first.
QStringList standIns() { return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}; }

// The first of `candidates` that is installed, or nothing. Naming an installed family spares
// the font lookup a search through every font on the machine, which it makes for a family
// that is not there; with none installed, the substitutes decide.
QString installedFamily(const QStringList& candidates) {
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return {};
}

QFont sized(const QString& family, double points, bool bold) {
    registerFontSubstitutes();
    static const QString arial = installedFamily(QStringList{QStringLiteral("Arial")} + standIns());
    static const QString msSansSerif =
        installedFamily(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")} + standIns());
    const QString& installed = family == QLatin1String("Arial") ? arial : msSansSerif;
    QFont font(installed.isEmpty() ? family : installed);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace

void registerFontSubstitutes() {
    static const bool registered = [] {
        QStringList families = standIns();
        // The desktop's sans comes last; asking for it costs a font lookup, needless where a
        // stand-in is installed.
        if (installedFamily(families).isEmpty()) {
            QFont sans;
            sans.setStyleHint(QFont::SansSerif);
            families << sans.defaultFamily();
        }
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Arial")} + families);
        QFont::insertSubstitutions(QStringLiteral("Arial"), families);
        return true;
    }();
    (void)registered;
}

QFont arialFont(double points, bool bold) { return sized(QStringLiteral("Arial"), points, bold); }

QFont sansFont(double points, bool bold) { return sized(QStringLiteral("MS Sans Serif"), points, bold); }

void setTextColour(QWidget* widget, const QColor& colour, const QColor& disabled) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    widget->setPalette(palette);
}

void paintAllGroups(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void centreOnScreen(QWidget& window, QSize outer) {
    const QWidget* owner = window.parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window.move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
}

} // namespace kwintor
