#include "advisor/TurnSolver.h"

#include "advisor/ValueTable.h"

#include <algorithm>
#include <cstdint>

namespace kwintor {

namespace {

// Written so that the compiler turns the lane loops into vector max instructions.
inline double larger(double a, double b) { return a < b ? b : a; }

// In place: the outcome slots stay, each smaller keep becomes the average over one more die.
template <int Lanes, typename Values>
void averageDown(Values& keep) {
    const DiceSets& sets = DiceSets::instance();
    for (int k = DiceSets::FirstOutcome - 1; k >= 0; --k) {
        const double* base = keep.data();
        const double* const d[6] = {base + sets.withDie(k, 1) * Lanes, base + sets.withDie(k, 2) * Lanes,
                                    base + sets.withDie(k, 3) * Lanes, base + sets.withDie(k, 4) * Lanes,
                                    base + sets.withDie(k, 5) * Lanes, base + sets.withDie(k, 6) * Lanes};
        // Through a local: the compiler cannot know that k lies apart from the larger keeps.
        double mean[Lanes];
        for (int lane = 0; lane < Lanes; ++lane)
            mean[lane] =
                ((d[0][lane] + d[1][lane]) + (d[2][lane] + d[3][lane]) + (d[4][lane] + d[5][lane])) * (1.0 / 6.0);
        for (int lane = 0; lane < Lanes; ++lane)
            keep[k * Lanes + lane] = mean[lane];
    }
}

// best[k] = keep[k] or more, for keeps first..last-1, each with exactly D smaller keeps.
template <int Lanes, int D, typename Values>
void bestRun(const Values& keep, Values& best, int first, int last) {
    const DiceSets& sets = DiceSets::instance();
    const std::uint16_t* smaller = sets.smallerBegin(first);
    for (int k = first; k < last; ++k, smaller += D) {
        double m[Lanes];
        for (int lane = 0; lane < Lanes; ++lane)
            m[lane] = keep[k * Lanes + lane];
        for (int j = 0; j < D; ++j)
            for (int lane = 0; lane < Lanes; ++lane)
                m[lane] = larger(m[lane], best[smaller[j] * Lanes + lane]);
        for (int lane = 0; lane < Lanes; ++lane)
            best[k * Lanes + lane] = m[lane];
    }
}

// best[k] = the largest keep[j] over every j contained in k. Run by run of keeps with the same
// number of smaller keeps, so that the innermost loop has a fixed length.
template <int Lanes, typename Values>
void bestUp(const Values& keep, Values& best) {
    for (const DiceSets::Run& run : DiceSets::instance().runs()) {
        switch (run.distinct) {
        case 0: bestRun<Lanes, 0>(keep, best, run.first, run.last); break;
        case 1: bestRun<Lanes, 1>(keep, best, run.first, run.last); break;
        case 2: bestRun<Lanes, 2>(keep, best, run.first, run.last); break;
        case 3: bestRun<Lanes, 3>(keep, best, run.first, run.last); break;
        case 4: bestRun<Lanes, 4>(keep, best, run.first, run.last); break;
        default: bestRun<Lanes, 5>(keep, best, run.first, run.last); break;
        }
    }
}

} // namespace

template <int Lanes>
void BasicTurnSolver<Lanes>::solve(int throwMade) {
    if (throwMade >= 3)
        return;
    averageDown<Lanes>(placement); // the keeps before throw 3
    if (throwMade == 2)
        return;
    bestUp<Lanes>(placement, m_other); // the value of each outcome of throw 2
    averageDown<Lanes>(m_other);       // the keeps before throw 2
    if (throwMade == 1)
        return;
    bestUp<Lanes>(m_other, placement); // the value of each outcome of throw 1
    const DiceSets& sets = DiceSets::instance();
    double sum[Lanes] = {};
    for (int o = DiceSets::FirstOutcome; o < DiceSets::KeepCount; ++o) {
        const double p = sets.probability(o);
        for (int lane = 0; lane < Lanes; ++lane)
            sum[lane] += p * placement[o * Lanes + lane];
    }
    for (int lane = 0; lane < Lanes; ++lane)
        m_turnStart[lane] = sum[lane];
}

template class BasicTurnSolver<1>;
static_assert(ValueTable::Lanes > 1);
template class BasicTurnSolver<ValueTable::Lanes>;

} // namespace kwintor
