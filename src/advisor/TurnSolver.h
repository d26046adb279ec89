#pragma once

#include "advisor/DiceSets.h"

#include <array>

namespace kwintor {

// One turn worked backwards, given what each five-dice outcome is worth when it is placed. After
// a throw the player keeps the set of dice that is worth most (all five: place, or throw none);
// the dice he throws again land independently, so a keep of n dice is worth the average over the
// six faces of the keep of n + 1 dice. Values are indexed by keep (DiceSets numbering).
//
// `Lanes` turns are solved side by side, value [keep * Lanes + lane]: states that differ only in
// their upper total share every index, so the table fills them in one pass, a vector at a time.
template <int Lanes>
class BasicTurnSolver {
public:
    using Values = std::array<double, DiceSets::KeepCount * Lanes>;

    // Fill in before solving: at the outcome slots, the best value of placing those dice.
    Values placement{};

    // Works out the stages that the choices after throw `throwMade` (1..3) need; 0 works out the
    // whole turn and turnStart(). Two buffers serve all stages, so that they stay in the cache:
    // `placement` becomes the keeps before throw 3, m_other those before throw 2.
    void solve(int throwMade);

    // The expected value of keeping `keep` and throwing the other dice, after solve(throwMade) for
    // throw 1 or 2.
    double keepValue(int throwMade, int keep, int lane = 0) const {
        return (throwMade == 1 ? m_other : placement)[keep * Lanes + lane];
    }
    // The expected value of the turn before its first throw (after solve(0)).
    double turnStart(int lane = 0) const { return m_turnStart[lane]; }

private:
    Values m_other{};
    std::array<double, Lanes> m_turnStart{};
};

using TurnSolver = BasicTurnSolver<1>;

} // namespace kwintor
