#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kwintor {

// One player's finished game in the history: when it ended, his name, his grand total, what his
// decisions cost him against the best play (in expected points) and how many he made.
struct HistoryEntry {
    std::string when; // "2026-12-07 15:30"
    std::string name;
    int total = 0;
    double cost = 0;
    int decisions = 0;
};

inline constexpr std::string_view HistoryFileName = "Geschiedenis.lst";
// The oldest games go once the history holds this many.
inline constexpr std::size_t MaxHistoryEntries = 20000;

enum class HistoryRead { Ok, Missing, Damaged };

// The file: the two header lines of the other data files, then one line per entry, oldest first:
// "when","name",total,cost in hundredths of a point,decisions.
std::string historyText(const std::vector<HistoryEntry>& entries);
// Fills `entries` only when the answer is Ok.
HistoryRead parseHistory(std::string_view bytes, std::vector<HistoryEntry>& entries);
HistoryRead readHistory(const std::string& path, std::vector<HistoryEntry>& entries);

// Adds the entries to the file as it stands and writes it atomically. A file that does not read
// is first kept aside as "<path>.bak" and a new one begun. The caller holds the data folder's lock
// (the score list's), so that two copies of the program lose nothing of each other. False when
// the file could not be written; it is then as it was.
bool appendHistory(const std::string& path, const std::vector<HistoryEntry>& entries);

// The cost of each of the last `count` games of `name` (in any case, with or without accents),
// oldest first.
std::vector<double> recentCosts(const std::vector<HistoryEntry>& entries, std::string_view name, int count);

} // namespace kwintor
