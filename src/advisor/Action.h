#pragma once

namespace kwintor {

// A move: throw, holding some dice first, or place the dice in a row of one's own column.
struct Action {
    enum class Kind { Throw, Place };

    Kind kind = Kind::Throw;
    unsigned keep = 0; // Throw: bit i set = die i + 1 is held for the throw
    int row = -1;      // Place: the sheet row, 0..5 or 8..14

    static Action throwKeeping(unsigned keep) { return {Kind::Throw, keep, -1}; }
    static Action placeIn(int row) { return {Kind::Place, 0, row}; }
    bool operator==(const Action&) const = default;
};

} // namespace kwintor
