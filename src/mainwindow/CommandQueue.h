#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace kwintor {

// Commands chosen while a throw is under way (a new game, a dialog) wait for its end and then
// run in the order they were chosen.
class CommandQueue {
public:
    // Runs the command now when `busy` is false, else keeps it.
    void run(bool busy, std::function<void()> command) {
        if (busy)
            m_pending.push_back(std::move(command));
        else
            command();
    }
    // The throw has ended: runs what waited, as long as no new throw begins.
    void release(const std::function<bool()>& busy) {
        while (!m_pending.empty() && !busy()) {
            auto command = std::move(m_pending.front());
            m_pending.erase(m_pending.begin());
            command();
        }
    }

private:
    std::vector<std::function<void()>> m_pending;
};

} // namespace kwintor
