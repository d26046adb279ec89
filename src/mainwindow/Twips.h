#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QtMath>

namespace kwintor {

// Layouts are written in twips, as designed: 15 twips are one logical pixel.
constexpr int twips(int t) { return t / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// A font sized for 96 logical dots per inch, so the fixed layout holds on any screen.
inline QFont sheetFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

} // namespace kwintor
