#include "persistence/Settings.h"

#include "persistence/FieldReader.h"
#include "persistence/FieldWriter.h"
#include "persistence/FileAccess.h"
#include "persistence/TextEncoding.h"

#include <algorithm>
#include <optional>

namespace kwintor {

namespace {

// A settings file is four short lines; anything much longer is not one.
constexpr std::size_t ReadLimit = 1 << 20;

// A whole number in decimal with an optional sign, saturated far outside the colour range.
std::optional<long> wholeNumber(std::string_view field, bool allowSign) {
    bool negative = false;
    if (allowSign && !field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty())
        return std::nullopt;
    long value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 100000L);
    }
    return negative ? -value : value;
}

int redOrGreen(std::string_view field, int firstStartValue) {
    const auto value = wholeNumber(field, true);
    if (!value)
        return firstStartValue;
    return static_cast<int>(std::clamp(*value, 0L, 255L));
}

std::optional<std::uint8_t> byteField(std::string_view field) {
    const auto value = wholeNumber(field, false);
    if (!value || *value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

} // namespace

SettingsRead parseSettings(std::string_view bytes, Settings& settings) {
    const std::string text = decodeFileText(bytes);
    const Settings firstStart;
    FieldReader reader(text);
    std::string field;

    if (!reader.next(field) || !reader.next(field))
        return SettingsRead::Damaged; // header, separator

    if (!reader.next(field))
        return SettingsRead::Damaged;
    settings.AchtergrondRood = redOrGreen(field, firstStart.AchtergrondRood);
    if (!reader.next(field))
        return SettingsRead::Damaged;
    settings.AchtergrondGroen = redOrGreen(field, firstStart.AchtergrondGroen);

    if (!reader.next(field))
        return SettingsRead::Damaged;
    const auto blue = byteField(field);
    if (!blue)
        return SettingsRead::Damaged;
    settings.AchtergrondBlauw = *blue;

    if (!reader.next(field))
        return SettingsRead::Damaged;
    const auto dice = byteField(field);
    if (!dice)
        return SettingsRead::Damaged;
    settings.DobbelsteenKleur = (*dice == 0 || *dice == 6 || *dice == 12) ? *dice : 0;
    return SettingsRead::Ok;
}

SettingsRead readSettings(const std::string& path, Settings& settings) {
    std::string bytes;
    switch (readWholeFile(path, bytes, ReadLimit)) {
    case FileRead::Missing: return SettingsRead::Missing;
    case FileRead::Failed: return SettingsRead::Damaged;
    case FileRead::Ok:
    case FileRead::TooLarge: // the first fields are read all the same
        break;
    }
    return parseSettings(bytes, settings);
}

std::string settingsText(const Settings& settings) {
    FieldWriter out;
    out.headerLines();
    // Only the settings dialog sets red and green, within range; clamping keeps the file readable.
    out.number(std::clamp(settings.AchtergrondRood, 0, 255));
    out.number(std::clamp(settings.AchtergrondGroen, 0, 255));
    out.number(settings.AchtergrondBlauw);
    out.endLine();
    out.number(settings.DobbelsteenKleur);
    out.endLine();
    return out.take();
}

bool writeSettings(const std::string& path, const Settings& settings) {
    return writeFileAtomically(path, settingsText(settings));
}

} // namespace kwintor
