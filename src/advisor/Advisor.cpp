#include "advisor/Advisor.h"

#include "advisor/TurnSolver.h"
#include "advisor/ValueTable.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace kwintor {

namespace {

// Values closer than this are equal; they differ only by rounding.
constexpr double Tie = 1e-9;

int keepOf(const std::array<int, DiceCount>& dice, unsigned mask) {
    DiceSets::Counts counts{};
    for (int i = 0; i < DiceCount; ++i)
        if (mask >> i & 1)
            ++counts[dice[i]];
    return DiceSets::instance().index(counts);
}

bool wellFormed(const Position& p) {
    if (p.used >= AllCategories || p.upper < 0 || p.throwNumber < 0 || p.throwNumber > 3)
        return false;
    return p.throwNumber == 0 || outcomeOf(p.dice) >= 0;
}

unsigned heldMask(const Position& p) {
    unsigned mask = 0;
    for (int i = 0; i < DiceCount; ++i)
        mask |= p.held[i] ? 1u << i : 0;
    return mask;
}

// Before the first throw there is one move: throw, holding nothing.
Advice beforeFirstThrow(double turnValue) {
    Advice a;
    a.valid = true;
    a.best = Action::throwKeeping(0);
    a.expected = a.keepExpected = turnValue;
    return a;
}

// Picks the move once the solver has worked out the turn and placeExpected holds the value of
// each open row for the dice on the table.
void choose(const TurnSolver& solver, const Position& p, Advice& a) {
    a.valid = true;
    int bestRow = -1;
    for (int row = 0; row < CellCount; ++row)
        if (!std::isnan(a.placeExpected[row]) && (bestRow < 0 || a.placeExpected[row] > a.placeExpected[bestRow] + Tie))
            bestRow = row;
    a.best = Action::placeIn(bestRow);
    a.expected = a.placeExpected[bestRow];
    if (p.throwNumber >= 3)
        return;

    const unsigned held = heldMask(p);
    const unsigned allFive = (1u << DiceCount) - 1;
    for (unsigned mask = 0; mask < allFive; ++mask) {
        const double v = solver.keepValue(p.throwNumber, keepOf(p.dice, mask));
        const bool better = std::isnan(a.keepExpected) || v > a.keepExpected + Tie ||
                            (v > a.keepExpected - Tie && std::popcount(mask ^ held) < std::popcount(a.bestKeep ^ held));
        if (better) {
            a.keepExpected = v;
            a.bestKeep = mask;
        }
    }
    if (a.keepExpected > a.expected + Tie) {
        a.best = Action::throwKeeping(a.bestKeep);
        a.expected = a.keepExpected;
    }
}

} // namespace

int outcomeOf(const std::array<int, DiceCount>& dice) {
    DiceSets::Counts counts{};
    for (int d : dice) {
        if (d < 1 || d > 6)
            return -1;
        ++counts[d];
    }
    return DiceSets::instance().index(counts);
}

Advice advise(const ValueTable& table, const Position& p) {
    if (!wellFormed(p) || !table.covers(p.used, p.upper))
        return {};
    if (p.throwNumber == 0)
        return beforeFirstThrow(table.value(p.used, p.upper));
    TurnSolver solver;
    table.fillPlacements(p.used, p.upper, solver.placement);
    solver.solve(p.throwNumber);
    Advice a;
    const int outcome = outcomeOf(p.dice);
    for (int c = 0; c < CategoryCount; ++c)
        if (!(p.used >> c & 1))
            a.placeExpected[categoryRow(c)] = table.placementValue(p.used, p.upper, c, outcome);
    choose(solver, p, a);
    return a;
}

Advice adviseWithin(const Position& p, const PlacementValues& values) {
    if (!wellFormed(p))
        return {};
    TurnSolver solver;
    double* best = solver.placement.data() + DiceSets::FirstOutcome;
    std::fill(best, best + DiceSets::OutcomeCount, -1e300);
    for (int c = 0; c < CategoryCount; ++c)
        if (!(p.used >> c & 1))
            for (int o = 0; o < DiceSets::OutcomeCount; ++o)
                best[o] = std::max(best[o], values[c][o]);
    solver.solve(p.throwNumber);
    if (p.throwNumber == 0)
        return beforeFirstThrow(solver.turnStart());
    Advice a;
    const int outcome = outcomeOf(p.dice);
    for (int c = 0; c < CategoryCount; ++c)
        if (!(p.used >> c & 1))
            a.placeExpected[categoryRow(c)] = values[c][outcome - DiceSets::FirstOutcome];
    choose(solver, p, a);
    return a;
}

} // namespace kwintor
