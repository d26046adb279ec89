#pragma once

#include "engine/PlayerKind.h"

#include <QString>

namespace kwintor {

// The words of each kind of player, in one table: the computer players' dialog offers them as
// "Computer: sterk"; the final order and the review write "computer, sterk" beside a name.
QString kindChoiceText(PlayerKind kind);
// Empty for a person.
QString levelText(PlayerKind kind);

} // namespace kwintor
