#include "review/FinalOrder.h"

#include <algorithm>

namespace kwintor {

std::vector<Standing> finalOrder(const GameState& state) {
    std::vector<Standing> order;
    const int count = std::clamp(static_cast<int>(state.AantalSpelers), 1, MaxPlayers);
    for (int p = 1; p <= count; ++p)
        order.push_back({p, 0});
    std::stable_sort(order.begin(), order.end(), [&](const Standing& a, const Standing& b) {
        return state.TotaalAB[a.player] > state.TotaalAB[b.player];
    });
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i].place = i > 0 && state.TotaalAB[order[i].player] == state.TotaalAB[order[i - 1].player]
                             ? order[i - 1].place
                             : static_cast<int>(i) + 1;
    return order;
}

} // namespace kwintor
