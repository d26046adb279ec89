#pragma once

#include "advisor/Strategy.h"

namespace kwintor {

// "Makkelijk": plays like a beginner. He keeps the face he has most of, or four in a row when a
// straight is open, stops as soon as a straight, a full house or a Kwintor lies on the table, and
// places where the dice score most right now. Now and then he keeps or places carelessly.
class EasyStrategy : public Strategy {
public:
    Action decide(const Position& position, std::mt19937_64& rng) const override;
};

} // namespace kwintor
