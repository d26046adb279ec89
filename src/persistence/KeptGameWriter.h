#pragma once

#include "persistence/KeptGame.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace kwintor {

// Keeps the game on disk from a thread of its own, so that the window, which hands the game
// over after every throw and every placement, never waits for the disk: an atomic write with
// its flush to disk takes milliseconds, the hand-over microseconds. Requests that come faster
// than the disk takes them are merged: only the newest one is carried out. The file is written
// as writeKeptGame writes it, so a kill or a power cut leaves the last game carried out whole.
class KeptGameWriter {
public:
    // Names the file to keep the game in, or "" when none can be had.
    using Claim = std::function<std::string()>;

    explicit KeptGameWriter(std::string path);
    // The file is named by `claim`, asked on the writer's own thread before the first write
    // (choosing it may take a while: a lock file is made and flushed); "" fails that write and
    // the next one asks again. Until then a removal has nothing to remove.
    explicit KeptGameWriter(Claim claim);
    // Carries out what is still due, then stops.
    ~KeptGameWriter();
    KeptGameWriter(const KeptGameWriter&) = delete;
    KeptGameWriter& operator=(const KeptGameWriter&) = delete;

    // Empty until a file is claimed.
    std::string path() const;

    // Hands the game over to be written; false, and nothing handed over, while a throw rolls.
    bool keep(const KeptGame& game);
    // Hands over the removal of the kept game (a new game, a game whose columns are all full).
    void remove();
    // Waits until all that was handed over is carried out; false when the last write or
    // removal failed (the file is then as it was before it).
    bool flush();

private:
    enum class Request { None, Write, Remove };
    void hand(Request request, std::string text);
    void run();
    bool carryOut(Request request, const std::string& text);
    void start();

    std::string m_path;
    Claim m_claim;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    Request m_request = Request::None;
    std::string m_text;
    bool m_busy = false;
    bool m_stop = false;
    bool m_lastOk = true;
    bool m_ownThread = false; // false when no thread could be started: requests are then carried out at once
    std::thread m_thread;
};

} // namespace kwintor
