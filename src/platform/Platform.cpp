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

void Platform::Pauze(double seconds) {
    const double start = clockSeconds();
    for (;;) {
        const double elapsed = elapsedSince(start, clockSeconds());
        if (elapsed >= seconds)
            return;
        if (!processEventsFor(seconds - elapsed))
            return;
    }
}

} // namespace kwintor
