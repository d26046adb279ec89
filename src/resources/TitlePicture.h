#pragma once

#include <QImage>

namespace kwintor {

// The title window's 500 x 320 picture: a faded still life of the game's tray, dice,
// shaker cup and score pad, painted in code. The left part stays pale, since the
// title window writes its facts over it.
QImage drawTitlePicture();

} // namespace kwintor
