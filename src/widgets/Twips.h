#pragma once

#include <QRect>

namespace kwintor {

// Layouts are written in twips, as designed: 15 twips are one logical pixel.
constexpr int twips(int t) { return t / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace kwintor
