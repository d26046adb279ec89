#include "advisor/EasyStrategy.h"

#include "advisor/Categories.h"
#include "engine/Scoring.h"

#include <vector>

namespace kwintor {

namespace {

// How often a careless keep or placement slips in.
constexpr double Careless = 0.15;

// Where a throw that scores nothing goes: the categories a beginner minds losing least first.
constexpr int ScratchOrder[CategoryCount] = {RowEnen,   RowKwintor,   RowTweeen,       RowVierGelijke, RowGroteStraat,
                                             RowDrieen, RowFullHouse, RowKleineStraat, RowVieren,      RowDrieGelijke,
                                             RowVijven, RowZessen,    RowKans};

bool open(const Position& p, int row) { return !(p.used >> rowCategory(row) & 1); }

bool chance(std::mt19937_64& rng, double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

Dice engineDice(const Position& p) {
    Dice d{};
    for (int i = 0; i < DiceCount; ++i)
        d[i + 1] = static_cast<std::uint8_t>(p.dice[i]);
    return d;
}

Action place(const Position& p, const Dice& dice, std::mt19937_64& rng) {
    // He knows the bonus wants three of a face: those go up, unless a made hand scores more.
    for (int row : {RowKwintor, RowGroteStraat, RowKleineStraat, RowFullHouse})
        if (open(p, row) && categoryValue(row, dice) > 0)
            return Action::placeIn(row);
    for (int face = 6; face >= 1; --face)
        if (open(p, face - 1) && categoryValue(face - 1, dice) >= 3 * face)
            return Action::placeIn(face - 1);

    int best = -1, bestPoints = 0;
    std::vector<int> scoring;
    for (int c = 0; c < CategoryCount; ++c) {
        const int row = categoryRow(c);
        if (!open(p, row))
            continue;
        const int points = categoryValue(row, dice);
        if (points > 0)
            scoring.push_back(row);
        if (points > bestPoints) {
            best = row;
            bestPoints = points;
        }
    }
    if (scoring.size() > 1 && chance(rng, Careless))
        return Action::placeIn(scoring[std::uniform_int_distribution<std::size_t>(0, scoring.size() - 1)(rng)]);
    if (best >= 0)
        return Action::placeIn(best);
    for (int row : ScratchOrder)
        if (open(p, row))
            return Action::placeIn(row);
    return Action::placeIn(RowKans); // a full sheet: no move is due
}

} // namespace

Action EasyStrategy::decide(const Position& p, std::mt19937_64& rng) const {
    if (p.throwNumber == 0)
        return Action::throwKeeping(0);
    const Dice dice = engineDice(p);
    if (p.throwNumber >= 3)
        return place(p, dice, rng);

    // A made hand that fits an open category is placed at once.
    if ((open(p, RowKwintor) && categoryValue(RowKwintor, dice) > 0) ||
        (open(p, RowGroteStraat) && GroteStraat(dice)) || (open(p, RowFullHouse) && FullHouse(dice)) ||
        (open(p, RowKleineStraat) && !open(p, RowGroteStraat) && KleineStraat(dice)))
        return place(p, dice, rng);

    std::array<int, 7> count{};
    for (int d : p.dice)
        ++count[d];

    // Four in a row with a straight open: keep one die of each and throw the rest.
    if (open(p, RowKleineStraat) || open(p, RowGroteStraat)) {
        for (int start = 3; start >= 1; --start) {
            if (!(count[start] && count[start + 1] && count[start + 2] && count[start + 3]))
                continue;
            unsigned keep = 0;
            std::array<bool, 7> taken{};
            for (int i = 0; i < DiceCount; ++i) {
                const int d = p.dice[i];
                if (d >= start && d < start + 4 && !taken[d]) {
                    taken[d] = true;
                    keep |= 1u << i;
                }
            }
            return Action::throwKeeping(keep);
        }
    }

    // Otherwise the face he has most of, the higher one on a tie; carelessly, any face he sees.
    int face = 6;
    for (int f = 6; f >= 1; --f)
        if (count[f] > count[face])
            face = f;
    if (chance(rng, Careless))
        face = p.dice[std::uniform_int_distribution<int>(0, DiceCount - 1)(rng)];
    unsigned keep = 0;
    for (int i = 0; i < DiceCount; ++i)
        if (p.dice[i] == face)
            keep |= 1u << i;
    return Action::throwKeeping(keep);
}

} // namespace kwintor
