#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kwintor {

// The two user settings: the background colour of the main window and the dice colour
// (0 grey, 6 red, 12 green: the offset of its six faces in the die pictures).
struct Settings {
    int AchtergrondRood = 110;
    int AchtergrondGroen = 140;
    std::uint8_t AchtergrondBlauw = 90;
    std::uint8_t DobbelsteenKleur = 0;

    friend bool operator==(const Settings&, const Settings&) = default;
};

enum class SettingsRead {
    Ok,      // all four settings were read
    Missing, // there is no settings file: the caller writes one from the values in memory
    Damaged, // the file could not be read to its sixth field: the settings read before the
             // failure keep their new values, the others keep theirs; the caller rewrites the file
};

// The settings file's name in the data folder.
inline constexpr std::string_view SettingsFileName = "Kwintor.ini";

// Reads the settings file "Kwintor.ini": a header field and a separator field (neither is
// checked), then red, green, blue and the dice colour, each assigned as soon as it is read.
//
// Red and green never make the read fail: a whole number outside 0..255 is clamped to the
// range, and a field that is not a whole number (text, a fraction, nothing) gives that
// component its value from a first start (110 or 140). Blue and the dice colour must be whole
// numbers 0..255, or the read fails there. A dice colour other than 0, 6 or 12 becomes 0.
SettingsRead parseSettings(std::string_view bytes, Settings& settings);
SettingsRead readSettings(const std::string& path, Settings& settings);

// The four lines of the settings file, each ended by CR LF.
std::string settingsText(const Settings& settings);
// Replaces the file atomically; false (and the old file as it was) when it cannot be written.
bool writeSettings(const std::string& path, const Settings& settings);

} // namespace kwintor
