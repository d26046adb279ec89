#include "engine/Scoring.h"

namespace kwintor {

namespace {

// counts[v] = how many dice show v (1..6); dice of value 0 are not counted.
std::array<int, 7> countFaces(const Dice& dice) {
    std::array<int, 7> counts{};
    for (int i = 1; i <= DiceCount; ++i) {
        const int v = dice[i];
        if (v >= 1 && v <= 6)
            ++counts[v];
    }
    return counts;
}

bool hasRun(const Dice& dice, int length) {
    const auto counts = countFaces(dice);
    for (int start = 1; start + length - 1 <= 6; ++start) {
        bool all = true;
        for (int v = start; v < start + length; ++v)
            all = all && counts[v] > 0;
        if (all)
            return true;
    }
    return false;
}

bool hasCount(const Dice& dice, int atLeast) {
    const auto counts = countFaces(dice);
    for (int v = 1; v <= 6; ++v)
        if (counts[v] >= atLeast)
            return true;
    return false;
}

} // namespace

bool KleineStraat(const Dice& dice) { return hasRun(dice, 4); }

bool GroteStraat(const Dice& dice) { return hasRun(dice, 5); }

bool FullHouse(const Dice& dice) {
    const auto counts = countFaces(dice);
    bool three = false, two = false;
    for (int v = 1; v <= 6; ++v) {
        three = three || counts[v] == 3;
        two = two || counts[v] == 2;
    }
    return three && two;
}

int categoryValue(int row, const Dice& dice, int sum) {
    if (isUpperRow(row)) {
        const int face = row + 1;
        return face * countFaces(dice)[face];
    }
    switch (row) {
    case RowDrieGelijke: return hasCount(dice, 3) ? sum : 0;
    case RowVierGelijke: return hasCount(dice, 4) ? sum : 0;
    case RowKleineStraat: return KleineStraat(dice) ? 30 : 0;
    case RowGroteStraat: return GroteStraat(dice) ? 40 : 0;
    case RowFullHouse: return FullHouse(dice) ? 25 : 0;
    case RowKans: return sum;
    case RowKwintor: return hasCount(dice, 5) ? 50 : 0;
    default: return 0;
    }
}

int categoryValue(int row, const Dice& dice) {
    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i)
        sum += dice[i];
    return categoryValue(row, dice, sum);
}

} // namespace kwintor
