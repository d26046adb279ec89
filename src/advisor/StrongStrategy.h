#pragma once

#include "advisor/MediumStrategy.h"
#include "advisor/Strategy.h"

namespace kwintor {

// "Sterk": the advisor's move, which maximises the expected final score.
class StrongStrategy : public Strategy {
public:
    explicit StrongStrategy(const ValueTable& table) : m_table(table) {}
    Action decide(const Position& position, std::mt19937_64& rng) const override;

private:
    const ValueTable& m_table;
    MediumStrategy m_fallback; // for a position the table does not cover, which play never makes
};

} // namespace kwintor
