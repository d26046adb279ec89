#include "review/GameReview.h"

#include "advisor/Advisor.h"
#include "advisor/Categories.h"
#include "advisor/TurnSolver.h"
#include "advisor/ValueTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kwintor {

namespace {

int keepOf(const std::array<int, DiceCount>& dice, unsigned holds) {
    DiceSets::Counts counts{};
    for (int i = 0; i < DiceCount; ++i)
        if (holds >> i & 1)
            ++counts[dice[i]];
    return DiceSets::instance().index(counts);
}

Position positionOf(const Decision& d) {
    Position p;
    p.used = d.used;
    p.upper = d.upper;
    p.throwNumber = d.throwNumber;
    p.dice = d.dice;
    // The holds of the move made: a best move that is worth just as much is then that move.
    for (int i = 0; i < DiceCount; ++i)
        p.held[i] = d.kind == Decision::Kind::Hold && (d.holds >> i & 1);
    return p;
}

std::string csvText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string decimal(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

} // namespace

WeighedDecision weigh(const ValueTable& table, const Decision& d) {
    WeighedDecision w;
    w.decision = d;
    w.best = d;
    const Position p = positionOf(d);
    const Advice advice = advise(table, p);
    const bool placeable =
        d.kind == Decision::Kind::Place && rowCategory(d.row) >= 0 && !(d.used >> rowCategory(d.row) & 1);
    const bool holdable = d.kind == Decision::Kind::Hold && d.throwNumber < 3 && d.holds < 1u << DiceCount;
    if (!advice.valid || !(placeable || holdable))
        return w;

    if (placeable) {
        w.made = advice.placeExpected[d.row];
    } else {
        TurnSolver solver;
        table.fillPlacements(d.used, d.upper, solver.placement);
        solver.solve(d.throwNumber);
        w.made = solver.keepValue(d.throwNumber, keepOf(d.dice, d.holds));
    }
    w.bestExpected = advice.expected;
    w.cost = w.bestExpected - w.made > GameReview::Tie ? w.bestExpected - w.made : 0;
    if (w.cost > 0) {
        w.best.kind = advice.best.kind == Action::Kind::Place ? Decision::Kind::Place : Decision::Kind::Hold;
        w.best.holds = advice.best.keep;
        w.best.row = advice.best.row;
    } else {
        w.bestExpected = w.made;
    }
    w.made += d.total;
    w.bestExpected += d.total;
    w.weighed = true;
    return w;
}

GameReview::GameReview(const ValueTable& table, const std::vector<Decision>& decisions) {
    m_decisions.reserve(decisions.size());
    std::array<int, MaxPlayers + 1> slot{};
    slot.fill(-1);
    for (const Decision& d : decisions) {
        if (d.player < 1 || d.player > MaxPlayers)
            continue;
        m_decisions.push_back(weigh(table, d));
        if (slot[d.player] < 0) {
            slot[d.player] = 0;
            m_players.push_back({});
            m_players.back().player = d.player;
        }
    }
    std::sort(m_players.begin(), m_players.end(), [](const auto& a, const auto& b) { return a.player < b.player; });
    for (std::size_t i = 0; i < m_players.size(); ++i)
        slot[m_players[i].player] = static_cast<int>(i);
    for (int i = 0; i < static_cast<int>(m_decisions.size()); ++i) {
        const WeighedDecision& w = m_decisions[i];
        PlayerReview& r = m_players[slot[w.decision.player]];
        ++r.decisions;
        r.bestDecisions += w.isBest();
        r.cost += w.cost;
        if (w.decision.turn >= 1 && w.decision.turn <= CategoryCount)
            r.costPerTurn[w.decision.turn - 1] += w.cost;
        if (w.cost > 0)
            r.costliest.push_back(i);
    }
    for (PlayerReview& r : m_players) {
        std::stable_sort(r.costliest.begin(), r.costliest.end(),
                         [this](int a, int b) { return m_decisions[a].cost > m_decisions[b].cost; });
        if (r.costliest.size() > 3)
            r.costliest.resize(3);
    }
}

const PlayerReview* GameReview::player(int player) const {
    for (const PlayerReview& r : m_players)
        if (r.player == player)
            return &r;
    return nullptr;
}

std::string reviewCsv(const GameReview& review, const std::array<std::string, MaxPlayers + 1>& names,
                      const std::string& header, const std::function<std::string(const Decision&)>& moveText) {
    std::string out = header + "\r\n";
    for (const WeighedDecision& w : review.decisions()) {
        const Decision& d = w.decision;
        out += csvText(names[d.player]) + ',' + std::to_string(d.turn) + ',' + std::to_string(d.throwNumber);
        for (int die : d.dice)
            out += ',' + std::to_string(die);
        out += ',' + csvText(moveText(d)) + ',' + csvText(moveText(w.best));
        out += ',' + (w.weighed ? decimal(w.made) : std::string()) + ',' +
               (w.weighed ? decimal(w.bestExpected) : std::string()) + ',' + decimal(w.cost) + "\r\n";
    }
    return out;
}

} // namespace kwintor
