#include "advisor/TurnSolver.h"

#include "advisor/ValueTable.h"

#include <algorithm>
#include <cstdint>

namespace kwintor {

namespace {

// Written so that the compiler turns the lane loops into vector max instructions.
inline double larger(double a, double b) { return a < b ? b : a; }

// keep = next at the outcomes; a smaller keep averages over one more die.
template <int Lanes, typename Values>
void averageDown(const Values& next, Values& keep) {
    const DiceSets& sets = DiceSets::instance();
    std::copy(next.begin() + DiceSets::FirstOutcome * Lanes, next.end(), keep.begin() + DiceSets::FirstOutcome * Lanes);
    for (int k = DiceSets::FirstOutcome - 1; k >= 0; --k) {
        const double* d[6];
        for (int face = 1; face <= 6; ++face)
            d[face - 1] = keep.data() + sets.withDie(k, face) * Lanes;
        double* out = keep.data() + k * Lanes;
        for (int lane = 0; lane < Lanes; ++lane)
            out[lane] = ((d[0][lane] + d[1][lane]) + (d[2][lane] + d[3][lane]) + (d[4][lane] + d[5][lane])) * (1.0 / 6.0);
    }
}

// best[k] = the largest keep[j] over every j contained in k.
template <int Lanes, typename Values>
void bestUp(const Values& keep, Values& best) {
    const DiceSets& sets = DiceSets::instance();
    std::copy(keep.begin(), keep.begin() + Lanes, best.begin());
    for (int k = 1; k < DiceSets::KeepCount; ++k) {
        double m[Lanes];
        for (int lane = 0; lane < Lanes; ++lane)
            m[lane] = keep[k * Lanes + lane];
        for (const std::uint16_t* s = sets.smallerBegin(k); s != sets.smallerEnd(k); ++s) {
            const double* smaller = best.data() + *s * Lanes;
            for (int lane = 0; lane < Lanes; ++lane)
                m[lane] = larger(m[lane], smaller[lane]);
        }
        for (int lane = 0; lane < Lanes; ++lane)
            best[k * Lanes + lane] = m[lane];
    }
}

} // namespace

template <int Lanes>
void BasicTurnSolver<Lanes>::solve(int throwMade) {
    if (throwMade >= 3)
        return;
    averageDown<Lanes>(placement, m_keep2);
    if (throwMade == 2)
        return;
    bestUp<Lanes>(m_keep2, m_best2);
    averageDown<Lanes>(m_best2, m_keep1);
    bestUp<Lanes>(m_keep1, m_best1);
    if (throwMade == 1)
        return;
    const DiceSets& sets = DiceSets::instance();
    m_turnStart.fill(0);
    for (int o = DiceSets::FirstOutcome; o < DiceSets::KeepCount; ++o)
        for (int lane = 0; lane < Lanes; ++lane)
            m_turnStart[lane] += sets.probability(o) * m_best1[o * Lanes + lane];
}

template class BasicTurnSolver<1>;
static_assert(ValueTable::Lanes > 1);
template class BasicTurnSolver<ValueTable::Lanes>;

} // namespace kwintor
