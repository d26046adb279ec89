#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QtMath>

namespace kwintor {

// Layouts are written in twips, as designed: 15 twips are one logical pixel.
constexpr int twips(int t) { return t / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The windows are designed in Arial and "MS Sans Serif": where those are missing, the
// metric-compatible Liberation Sans (or Arimo) takes their place, else the desktop's sans.
inline void registerFontSubstitutes() {
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

// A font sized for 96 logical dots per inch, so the fixed layout holds on any screen.
inline QFont sheetFont(const QString& family, double points, bool bold = false) {
    registerFontSubstitutes();
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace kwintor
