#pragma once

#include <chrono>
#include <ctime>

// The bench's clocks, shared by its figures.
namespace kwintor::bench {

using Clock = std::chrono::steady_clock;

// This thread's processor time in microseconds: unlike the wall clock, it does not count the
// moments another process had the core.
inline double threadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace kwintor::bench
