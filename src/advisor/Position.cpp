#include "advisor/Position.h"

#include "advisor/Categories.h"

namespace kwintor {

Position positionOf(const GameState& state, int player) {
    Position p;
    if (player < 1 || player > MaxPlayers)
        return p;
    for (int c = 0; c < CategoryCount; ++c)
        if (state.cells[player][categoryRow(c)].scored)
            p.used |= 1u << c;
    p.upper = static_cast<int>(state.TotaalA[player]);
    p.throwNumber = state.WorpTeller;
    for (int i = 0; i < DiceCount; ++i) {
        p.dice[i] = state.DobbelWaarde[i + 1];
        p.held[i] = state.Vastgezet[i + 1];
    }
    return p;
}

} // namespace kwintor
