#include "review/DecisionLog.h"

#include "advisor/Categories.h"
#include "advisor/Position.h"

#include <bit>

namespace kwintor {

Decision decisionIn(const GameState& state) {
    const int player = state.AanDeBeurt;
    const Position p = positionOf(state, player);
    Decision d;
    d.player = player;
    d.used = p.used;
    d.turn = std::popcount(p.used) + 1;
    d.throwNumber = p.throwNumber;
    d.dice = p.dice;
    d.upper = p.upper;
    d.total = player >= 1 && player <= MaxPlayers ? static_cast<int>(state.TotaalAB[player]) : 0;
    return d;
}

void DecisionLog::held(const GameState& before) {
    if (before.throwing || before.WorpTeller < 1 || before.WorpTeller > 2)
        return;
    Decision d = decisionIn(before);
    d.kind = Decision::Kind::Hold;
    for (int i = 0; i < DiceCount; ++i)
        d.holds |= before.Vastgezet[i + 1] ? 1u << i : 0;
    m_decisions.push_back(d);
}

void DecisionLog::placed(const GameState& before, int row) {
    if (before.WorpTeller < 1 || rowCategory(row) < 0)
        return;
    Decision d = decisionIn(before);
    d.kind = Decision::Kind::Place;
    d.row = row;
    m_decisions.push_back(d);
}

void DecisionLog::undoLast() {
    if (!m_decisions.empty() && m_decisions.back().kind == Decision::Kind::Place)
        m_decisions.pop_back();
}

} // namespace kwintor
