#include "advisor/MediumStrategy.h"

#include "advisor/Advisor.h"

#include <cmath>

namespace kwintor {

namespace {

// What a category is counted on to bring: placing less there costs the difference later, placing
// more gains it. Three of a face in every upper category make exactly the bonus.
constexpr double Usual[CategoryCount] = {3, 6, 9, 12, 15, 18, 15, 10, 20, 25, 20, 15, 10};

} // namespace

double MediumStrategy::bonusChance(unsigned used, int upper) {
    if (upper >= BonusThreshold)
        return 0; // given already: it is no longer to come
    double usual = 0, most = 0, spread = 0;
    for (int face = 1; face <= 6; ++face) {
        if (used >> (face - 1) & 1)
            continue;
        usual += Usual[face - 1];
        most += DiceCount * face;
        spread += 1.2 * face * face;
    }
    const double need = BonusThreshold - upper;
    if (need > most)
        return 0;
    const double z = (usual - need) / std::sqrt(spread);
    return 1 / (1 + std::exp(-1.7 * z));
}

Action MediumStrategy::decide(const Position& position, std::mt19937_64&) const {
    if (position.throwNumber == 0)
        return Action::throwKeeping(0);
    const DiceSets& sets = DiceSets::instance();
    const unsigned used = position.used;
    const int upper = position.upper;
    const double bonusNow = BonusPoints * bonusChance(used, upper);
    PlacementValues values; // only the open rows are filled, and only they are read
    for (int c = 0; c < CategoryCount; ++c) {
        if (used >> c & 1)
            continue;
        if (c < 6) {
            // Face x count: six values, looked up by each outcome's count of that face.
            const int face = c + 1;
            double byCount[DiceCount + 1];
            for (int n = 0; n <= DiceCount; ++n) {
                const int reached = upper + face * n;
                const double given = upper < BonusThreshold && reached >= BonusThreshold ? BonusPoints : 0;
                byCount[n] = face * n - Usual[c] + given + BonusPoints * bonusChance(used | 1u << c, reached);
            }
            for (int o = 0; o < DiceSets::OutcomeCount; ++o)
                values[c][o] = byCount[sets.faceCounts(face)[o]];
        } else {
            for (int o = 0; o < DiceSets::OutcomeCount; ++o)
                values[c][o] = sets.scores(c)[o] - Usual[c] + bonusNow;
        }
    }
    const Advice advice = adviseWithin(position, values);
    if (advice.valid)
        return advice.best;
    // Only a malformed position gets here: any legal move will do.
    for (int c = 0; c < CategoryCount && position.throwNumber > 0; ++c)
        if (!(used >> c & 1))
            return Action::placeIn(categoryRow(c));
    return Action::throwKeeping(0);
}

} // namespace kwintor
