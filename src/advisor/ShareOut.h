#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace kwintor {

// Shares the numbers 0 .. count-1 out among `threads` threads, the calling thread one of them,
// and returns when all are done. Each thread calls startWorker() once for a worker of its own
// (which may hold its own scratch space), then hands it one number after another, always the
// next one no thread has taken yet. No more threads start than there are numbers.
template <typename StartWorker>
void shareOut(std::size_t count, int threads, StartWorker startWorker) {
    std::atomic<std::size_t> next{0};
    auto run = [&] {
        auto worker = startWorker();
        for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;)
            worker(i);
    };
    const std::size_t helperCount =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1) - 1), count > 0 ? count - 1 : 0);
    std::vector<std::thread> helpers;
    helpers.reserve(helperCount);
    for (std::size_t t = 0; t < helperCount; ++t)
        helpers.emplace_back(run);
    run();
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace kwintor
