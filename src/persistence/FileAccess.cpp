#include "persistence/FileAccess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kwintor {

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }
    bool close() {
        if (m_fd < 0)
            return true;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Makes the rename itself durable; a failure here does not undo the write.
void syncDirectory(const std::string& dir) {
    Descriptor d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd() >= 0)
        ::fsync(d.fd());
}

bool isNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The PID of a temporary name "<base>.tmp-PID-N", or 0 when the name is not one.
pid_t tempFileProcess(std::string_view name, const std::vector<std::string>& baseNames) {
    for (const std::string& base : baseNames) {
        const std::string prefix = base + ".tmp-";
        if (base.empty() || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = name.substr(prefix.size());
        const auto dash = rest.find('-');
        if (dash == std::string_view::npos || dash > 10 || !isNumber(rest.substr(0, dash)) ||
            !isNumber(rest.substr(dash + 1)))
            continue;
        const long long pid = std::stoll(std::string(rest.substr(0, dash)));
        if (pid > 0 && pid <= INT_MAX)
            return static_cast<pid_t>(pid);
    }
    return 0;
}

} // namespace

int removeStaleTempFiles(const std::string& directory, const std::vector<std::string>& baseNames) {
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    try {
        std::vector<std::string> stale;
        while (const dirent* entry = ::readdir(dir)) {
            const pid_t pid = tempFileProcess(entry->d_name, baseNames);
            // ESRCH is the one answer that says no such process runs; EPERM means one does.
            // This process runs, so its own temporary files stay.
            if (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH)
                continue;
            stale.push_back(directory + "/" + entry->d_name);
        }
        for (const std::string& path : stale) {
            struct stat info {};
            if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(path.c_str()) == 0)
                ++removed;
        }
    } catch (...) { // out of memory: what was found so far stays
    }
    ::closedir(dir);
    return removed;
}

FileRead readWholeFile(const std::string& path, std::string& bytes, std::size_t limit) {
    bytes.clear();
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? FileRead::Missing : FileRead::Failed;
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return FileRead::Failed;

    try {
        if (info.st_size > 0)
            bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), limit));
        // Sized at run time by malloc, so that a fortified build checks every read against it.
        const std::size_t bufferSize = std::clamp<std::size_t>(limit, 1, 65536);
        const std::unique_ptr<char, decltype(&std::free)> buffer(static_cast<char*>(std::malloc(bufferSize)),
                                                                 &std::free);
        if (!buffer)
            return FileRead::Failed;
        while (bytes.size() < limit) {
            const std::size_t want = std::min(bufferSize, limit - bytes.size());
            const ssize_t got = ::read(file.fd(), buffer.get(), want);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                return FileRead::Failed;
            }
            if (got == 0)
                return FileRead::Ok;
            bytes.append(buffer.get(), static_cast<std::size_t>(got));
        }
        char probe;
        ssize_t more;
        do {
            more = ::read(file.fd(), &probe, 1);
        } while (more < 0 && errno == EINTR);
        return more == 0 ? FileRead::Ok : FileRead::TooLarge;
    } catch (...) { // out of memory
        bytes.clear();
        return FileRead::Failed;
    }
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    if (path.empty())
        return false;
    std::string temp;
    int fd = -1;
    try {
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temp = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
            fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                return false;
        }
    } catch (...) {
        if (fd >= 0) {
            ::close(fd);
            ::unlink(temp.c_str());
        }
        return false;
    }
    if (fd < 0)
        return false;

    Descriptor file(fd);
    bool ok = writeAll(file.fd(), bytes) && ::fsync(file.fd()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncDirectory(directoryOf(path));
    return true;
}

bool copyFileAtomically(const std::string& from, const std::string& to) {
    std::string bytes;
    // A data file of this program is small; a larger one is refused rather than copied short.
    constexpr std::size_t Limit = std::size_t{256} << 20;
    if (readWholeFile(from, bytes, Limit) != FileRead::Ok)
        return false;
    return writeFileAtomically(to, bytes);
}

} // namespace kwintor
