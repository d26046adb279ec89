// Reads any bytes as the settings file. The settings that come out are always usable, and the
// file written from them reads back as exactly those settings.
#include "persistence/Settings.h"

#include "Require.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using kwintor::Settings;
using kwintor::SettingsRead;

namespace {

bool usable(const Settings& s) {
    return s.AchtergrondRood >= 0 && s.AchtergrondRood <= 255 && s.AchtergrondGroen >= 0 && s.AchtergrondGroen <= 255 &&
           (s.DobbelsteenKleur == 0 || s.DobbelsteenKleur == 6 || s.DobbelsteenKleur == 12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Settings read;
    const SettingsRead result = kwintor::parseSettings(bytes, read);
    require(result == SettingsRead::Ok || result == SettingsRead::Damaged);
    require(usable(read));

    // A complete read leaves nothing of the values held before.
    Settings other{1, 2, 3, 6};
    require(kwintor::parseSettings(bytes, other) == result);
    if (result == SettingsRead::Ok)
        require(other == read);

    // What is written from the settings reads back as the same settings.
    const std::string text = kwintor::settingsText(read);
    Settings again{7, 8, 9, 12};
    require(kwintor::parseSettings(text, again) == SettingsRead::Ok);
    require(again == read);
    require(kwintor::settingsText(again) == text);
    return 0;
}
