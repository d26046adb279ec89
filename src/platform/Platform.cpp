#include "platform/Platform.h"

namespace kwintor {

namespace {
constexpr double SecondsPerDay = 86400.0;
}

double elapsedSince(double start, double now) {
    double elapsed = now - start;
    if (elapsed < 0)
        elapsed += SecondsPerDay; // midnight passed
    return elapsed;
}

void Clock::Pauze(double seconds) {
    // A reading within a microsecond of the wanted time counts as reached: the clock moves in
    // milliseconds, and the rounding of a subtraction must not ask for one more tiny wait.
    constexpr double Rounding = 1e-6;
    const double start = clockSeconds();
    for (;;) {
        const double remaining = seconds - elapsedSince(start, clockSeconds());
        if (!(remaining > Rounding)) // also ends a wait of NaN
            return;
        if (!processEventsFor(remaining))
            return;
    }
}

} // namespace kwintor
