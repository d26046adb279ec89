#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kwintor {

enum class FileRead {
    Ok,       // the whole file is in `bytes`
    Missing,  // there is no such file
    Failed,   // it exists but cannot be read (no permission, a directory, an I/O error)
    TooLarge, // `bytes` holds its first `limit` bytes only
};

// Reads a regular file whole. Never throws; never blocks on a pipe or a device.
FileRead readWholeFile(const std::string& path, std::string& bytes, std::size_t limit);

// Replaces the file by `bytes` so that it is either wholly old or wholly new: the bytes go to a
// temporary file beside it, which is flushed to disk and then renamed over the target. On any
// failure the temporary file is removed, the old file stays as it was and the answer is false.
// Never throws.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that writeFileAtomically left behind when its process was killed
// in the middle of a write: "<base>.tmp-PID-N" in `directory` for each of `baseNames`, when no
// process PID runs any more. Touches nothing else: no other name, no file of a process that
// still runs (whatever it now is), none of this process, nothing but regular files.
// Answers how many were removed.
int removeStaleTempFiles(const std::string& directory, const std::vector<std::string>& baseNames);

// Copies a file (for a backup before a damaged file is overwritten); false when it cannot.
bool copyFileAtomically(const std::string& from, const std::string& to);

} // namespace kwintor
