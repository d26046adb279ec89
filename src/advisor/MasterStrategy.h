#pragma once

#include "advisor/Action.h"
#include "advisor/Position.h"

#include <atomic>
#include <vector>

namespace kwintor {

class ValueTable;

// The spread of the points still to come under Sterk's play: for every column state the mean
// square, so that with the table's mean it gives the variance. Worked out backwards from the full
// sheet like the table itself.
class SpreadTable {
public:
    // Fills the table; `threads` share each layer of states. A `cancel` that turns true ends it
    // at its next state, the table left empty.
    void compute(const ValueTable& table, int threads, const std::atomic<bool>* cancel = nullptr);
    bool ready() const { return !m_square.empty(); }
    double variance(const ValueTable& table, unsigned used, int upper) const;

private:
    std::vector<double> m_square; // [used][capped upper]
};

// What Meester knows of another player: his column and grand total so far.
struct Rival {
    unsigned used = 0;
    int upper = 0;
    int total = 0;
};

// "Meester": plays for the win. The end of its turn is judged by the chance to finish above every
// rival, each final total taken as normal with the mean and spread of Sterk's play from there;
// within the turn it holds and places as that judgement says.
Action masterMove(const ValueTable& table, const SpreadTable& spread, const Position& own, int ownTotal,
                  const std::vector<Rival>& rivals);

} // namespace kwintor
