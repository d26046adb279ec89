#pragma once

#include "engine/Decision.h"
#include "engine/GameState.h"

#include <vector>

namespace kwintor {

// The decisions of a game in the order they were made. The game's flow tells it of every throw
// after the first of a turn (the holds it is thrown with) and of every placement, each with the
// state just before; a placement taken back is struck off again.
class DecisionLog {
public:
    const std::vector<Decision>& decisions() const { return m_decisions; }
    bool empty() const { return m_decisions.empty(); }

    // The throw about to begin from `before`: its holds are the decision made after the throw
    // before it. The first throw of a turn decides nothing, and is ignored.
    void held(const GameState& before);
    // The player on turn in `before` placed his dice in `row`.
    void placed(const GameState& before, int row);
    // The last placement was taken back: it no longer counts.
    void undoLast();

    void clear() { m_decisions.clear(); }
    // The decisions of a game taken up again.
    void restore(std::vector<Decision> decisions) { m_decisions = std::move(decisions); }

private:
    std::vector<Decision> m_decisions;
};

// The decision a player on turn in `state` makes, with the dice and his column as they are.
Decision decisionIn(const GameState& state);

} // namespace kwintor
