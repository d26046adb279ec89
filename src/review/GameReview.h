#pragma once

#include "engine/Decision.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kwintor {

class ValueTable;

// A decision weighed by the exact advisor: the expected final total of the move made and of the
// best move (the points already on the sheet plus the expected points still to come), and the
// difference, the points the decision cost. The advisor plays for the highest expected total of
// one's own column.
struct WeighedDecision {
    Decision decision;
    bool weighed = false; // false: the table has no value for this position (play never makes one)
    Decision best;        // the best move in the same position (kind, holds or row)
    double made = 0;
    double bestExpected = 0;
    double cost = 0; // 0 when the move made is as good as the best
    bool isBest() const { return cost == 0; }
};

// The review of one player's decisions.
struct PlayerReview {
    int player = 0;
    double cost = 0;
    int decisions = 0;
    int bestDecisions = 0;
    std::array<double, CategoryCount> costPerTurn{}; // turn 1..13 at [0..12]
    std::vector<int> costliest;                      // up to three indices into GameReview::decisions, costliest first
};

// Every decision of a game weighed, and what they come to per player.
class GameReview {
public:
    // Values closer than this are equal; they differ only by rounding.
    static constexpr double Tie = 1e-9;

    GameReview() = default;
    GameReview(const ValueTable& table, const std::vector<Decision>& decisions);

    const std::vector<WeighedDecision>& decisions() const { return m_decisions; }
    // One per player who made a decision, in player order.
    const std::vector<PlayerReview>& players() const { return m_players; }
    const PlayerReview* player(int player) const;

private:
    std::vector<WeighedDecision> m_decisions;
    std::vector<PlayerReview> m_players;
};

// Weighs one decision.
WeighedDecision weigh(const ValueTable& table, const Decision& decision);

// The review as CSV, UTF-8: one header row and one row per decision, numbers with a decimal point.
// `names` by player 1..6; the header row (without its line end) and the words for a move come from
// the window, in the player's language.
std::string reviewCsv(const GameReview& review, const std::array<std::string, MaxPlayers + 1>& names,
                      const std::string& header, const std::function<std::string(const Decision&)>& moveText);

} // namespace kwintor
