#pragma once

#include <cstdint>

namespace kwintor {

// The two user settings: the background colour of the main window and the dice colour
// (0 grey, 6 red, 12 green: the offset of its six faces in the die pictures).
struct Settings {
    int AchtergrondRood = 110;
    int AchtergrondGroen = 140;
    std::uint8_t AchtergrondBlauw = 90;
    std::uint8_t DobbelsteenKleur = 0;
};

} // namespace kwintor
