#pragma once

#include <QImage>
#include <QtGlobal>

namespace kwintor {

// The title window's 500 x 320 picture: a faded still life of the game's tray, dice,
// shaker cup and score pad, painted in code. The left part stays pale, since the
// title window writes its facts over it. `ratio` device pixels to the point, as the screen has.
QImage drawTitlePicture(qreal ratio = 1);

} // namespace kwintor
