#include "persistence/KeptGameWriter.h"

#include "persistence/FileAccess.h"

namespace kwintor {

KeptGameWriter::KeptGameWriter(std::string path) : m_path(std::move(path)) { start(); }

KeptGameWriter::KeptGameWriter(Claim claim) : m_claim(std::move(claim)) { start(); }

void KeptGameWriter::start() {
    try {
        m_thread = std::thread([this] { run(); });
        m_ownThread = true;
    } catch (const std::system_error&) {
    }
}

KeptGameWriter::~KeptGameWriter() {
    if (!m_ownThread)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

bool KeptGameWriter::keep(const KeptGame& game) {
    if (game.state.throwing)
        return false;
    try {
        hand(Request::Write, keptGameText(game));
        return true;
    } catch (...) { // out of memory while building the text
        return false;
    }
}

void KeptGameWriter::remove() { hand(Request::Remove, {}); }

void KeptGameWriter::hand(Request request, std::string text) {
    if (!m_ownThread) {
        m_lastOk = carryOut(request, text);
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_request = request;
        m_text = std::move(text);
    }
    m_wake.notify_one();
}

bool KeptGameWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_request == Request::None && !m_busy; });
    return m_lastOk;
}

std::string KeptGameWriter::path() const {
    const std::lock_guard lock(m_mutex);
    return m_path;
}

bool KeptGameWriter::carryOut(Request request, const std::string& text) {
    std::string file = path();
    if (file.empty() && request == Request::Write) {
        try {
            file = m_claim ? m_claim() : std::string();
        } catch (...) { // out of memory: no file this time
            return false;
        }
        const std::lock_guard lock(m_mutex);
        m_path = file;
    }
    switch (request) {
    case Request::Write: return !file.empty() && writeFileAtomically(file, text);
    case Request::Remove: return file.empty() || removeKeptGame(file);
    case Request::None: break;
    }
    return true;
}

void KeptGameWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_request != Request::None || m_stop; });
        if (m_request == Request::None)
            return; // stopped, nothing due
        const Request request = m_request;
        const std::string text = std::move(m_text);
        m_request = Request::None;
        m_busy = true;
        lock.unlock();
        const bool ok = carryOut(request, text);
        lock.lock();
        m_busy = false;
        m_lastOk = ok;
        m_done.notify_all();
    }
}

} // namespace kwintor
