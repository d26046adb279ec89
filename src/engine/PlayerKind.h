#pragma once

#include "engine/GameState.h"

#include <array>
#include <cstdint>

namespace kwintor {

// Who plays a column: a person, or the computer at one of its four levels.
enum class PlayerKind : std::uint8_t { Person = 0, Makkelijk = 1, Gemiddeld = 2, Sterk = 3, Meester = 4 };
constexpr int PlayerKindCount = 5;

// Indexed by player 1..6; element 0 is never used.
using PlayerKinds = std::array<PlayerKind, MaxPlayers + 1>;

constexpr bool isComputer(PlayerKind kind) { return kind != PlayerKind::Person; }
// A number read from a file or a list row: anything outside the five kinds is a person.
constexpr PlayerKind playerKindOf(int number) {
    return number > 0 && number < PlayerKindCount ? PlayerKind(number) : PlayerKind::Person;
}

} // namespace kwintor
