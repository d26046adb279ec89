#include "review/ChanceHistory.h"

#include "advisor/Categories.h"
#include "engine/Scoring.h"

#include <algorithm>
#include <bit>

namespace kwintor {

namespace {

std::vector<const Decision*> placements(const std::vector<Decision>& decisions) {
    std::vector<const Decision*> out;
    for (const Decision& d : decisions)
        if (d.kind == Decision::Kind::Place)
            out.push_back(&d);
    return out;
}

} // namespace

std::vector<std::vector<ColumnState>> columnsThroughGame(const std::vector<Decision>& decisions, int players) {
    players = std::clamp(players, 1, MaxPlayers);
    std::vector<std::vector<ColumnState>> steps(1, std::vector<ColumnState>(players));
    for (const Decision* d : placements(decisions)) {
        const int category = rowCategory(d->row);
        if (d->player < 1 || d->player > players || category < 0)
            continue;
        std::vector<ColumnState> next = steps.back();
        ColumnState& c = next[d->player - 1];
        Dice dice{};
        for (int i = 0; i < DiceCount; ++i)
            dice[i + 1] = static_cast<std::uint8_t>(d->dice[i]);
        const int points = categoryValue(d->row, dice);
        c = ColumnState{};
        c.used = d->used | 1u << category;
        c.upper = d->upper + (category < 6 ? points : 0);
        const bool bonus = category < 6 && d->upper < BonusThreshold && c.upper >= BonusThreshold;
        c.total = d->total + points + (bonus ? BonusPoints : 0);
        steps.push_back(std::move(next));
    }
    return steps;
}

std::vector<std::size_t> roundEnds(const std::vector<std::vector<ColumnState>>& steps) {
    std::vector<std::size_t> ends;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        int fewest = CategoryCount;
        for (const ColumnState& c : steps[k])
            fewest = std::min(fewest, std::popcount(c.used));
        while (static_cast<int>(ends.size()) <= fewest)
            ends.push_back(k);
    }
    return ends;
}

int placerAt(const std::vector<Decision>& decisions, std::size_t step) {
    const std::vector<const Decision*> placed = placements(decisions);
    return step >= 1 && step <= placed.size() ? placed[step - 1]->player : 0;
}

} // namespace kwintor
