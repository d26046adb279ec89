#include "advisor/StrongStrategy.h"

#include "advisor/Advisor.h"

namespace kwintor {

Action StrongStrategy::decide(const Position& position, std::mt19937_64& rng) const {
    const Advice advice = advise(m_table, position);
    return advice.valid ? advice.best : m_fallback.decide(position, rng);
}

} // namespace kwintor
