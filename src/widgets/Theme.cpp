#include "widgets/Theme.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace kwintor {

namespace {

QFont sized(const QString& family, double points, bool bold) {
    registerFontSubstitutes();
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace

void registerFontSubstitutes() {
    static const bool registered = [] {
        QFont sans;
        sans.setStyleHint(QFont::SansSerif);
        const QStringList standIns{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), sans.defaultFamily()};
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Arial")} + standIns);
        QFont::insertSubstitutions(QStringLiteral("Arial"), standIns);
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
