#pragma once

#include "advisor/Strategy.h"

namespace kwintor {

// "Gemiddeld": plays each turn as well as it can, but judges the end of the turn by a rule of
// thumb instead of the whole game: a category is worth its points less the points it usually
// brings, and the upper categories also by how they move the chance of the bonus.
class MediumStrategy : public Strategy {
public:
    Action decide(const Position& position, std::mt19937_64& rng) const override;

    // The chance, by rule of thumb, that the open upper categories (bits 0..5 clear in `used`)
    // still bring an upper total of `upper` to the bonus.
    static double bonusChance(unsigned used, int upper);
};

} // namespace kwintor
