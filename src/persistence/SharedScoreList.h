#pragma once

#include "persistence/ScoreList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kwintor {

// One change to the score list, applied to the file as it stands when it is written, so that
// two copies of the program on one data folder never undo each other's changes.
struct ScoreListChange {
    enum class Kind {
        None,      // nothing: only brings the file and the list in memory together (the exit)
        Record,    // inserts `entry`
        Remove,    // removes one entry whose text is exactly `entry`, if the file still holds it
        RemoveAll, // empties the list
    };
    Kind kind = Kind::None;
    std::string entry;

    static ScoreListChange record(std::int32_t score, const std::string& name) {
        return {Kind::Record, scoreEntry(score, name)};
    }
    static ScoreListChange remove(std::string entry) { return {Kind::Remove, std::move(entry)}; }
    static ScoreListChange removeAll() { return {Kind::RemoveAll, {}}; }
};

enum class ScoreListUpdate {
    Written, // the file holds the change, and list() is the file
    Full,    // the record was refused, the list holds 32767 entries; anything else due was
             // written as with Written, or stays due as with Failed
    Failed,  // the file is as it was: it could not be read, a damaged file could not be kept as
             // .bak, or the new file could not be written. list() shows the change all the
             // same, and the next update writes it with its own (hasUnwritten()).
};

// The score list file "Scorelijst.lst" shared by every copy of the program on one data folder,
// and the list in memory that goes with it.
//
// update() reads the file, applies the changes still due and the new one, writes the file
// atomically and takes the result as the list in memory. Two copies that each do that one after
// the other lose nothing of each other. The caller must hold the data folder's lock file
// (QLockFile in the window) around every update(), or a copy may read the file between another
// copy's read and write. load() needs no lock: every write replaces the file whole.
//
// A file that could not be read whole (damaged, cut short, more than 32767 entries) is copied to
// "<file>.bak" before it is replaced, so no entry of it is lost.
class SharedScoreList {
public:
    explicit SharedScoreList(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }
    const ScoreList& list() const { return m_list; }
    // Changes that the file does not hold yet, because a write failed.
    bool hasUnwritten() const { return !m_unwritten.empty(); }

    // The start-up read: the list becomes what the file holds. Writes nothing.
    ScoreListLoad load();
    // The caller holds the lock. A default change (None) is the write at exit.
    ScoreListUpdate update(const ScoreListChange& change = {});

private:
    std::string m_path;
    ScoreList m_file; // the file as last read or written
    ScoreList m_list; // m_file with m_unwritten applied
    std::vector<ScoreListChange> m_unwritten;
};

} // namespace kwintor
