#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kwintor {

// The score list: entry texts ("0087 - Jan") kept in ascending order, letters compared without
// case and accents; it keeps at most 32767 entries. Texts are UTF-8.
class ScoreList {
public:
    static constexpr int MaxEntries = 32767;

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    bool isFull() const { return count() >= MaxEntries; }
    const std::string& at(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& entries() const { return m_entries; }

    // Inserts at its sorted place; false when the list is full.
    // An entry that belongs at the end (as each entry of a sorted file does) is appended at once.
    bool insert(const std::string& entry);
    // Inserts the entries as if one after the other with insert(), in O(n log n); when they do
    // not all fit, only the first ones up to the limit are taken. Answers how many were taken.
    int insertAll(std::vector<std::string> entries);
    // Removes the first entry whose text equals `entry` exactly; false when there is none.
    bool removeFirstEqual(const std::string& entry);
    void clear() { m_entries.clear(); }

    // The order of the list: the texts as foldedForSorting makes them ("0087 - émile" beside
    // "0087 - Emile", before "0087 - Zoë"), then, where those are equal, the bytes, so that only
    // equal texts compare equal and every list of the same entries has the same order.
    static bool lessThan(std::string_view a, std::string_view b);

private:
    std::vector<std::string> m_entries;
};

// The entry for a score and a name: four digits, " - ", the name. A double quote in the
// name cannot be stored in the file and becomes a single quote (a line end a blank). A score
// outside 0..9999, which no game reaches, is clamped to that range so that the name always
// starts at the eighth character and the text order stays the score order.
// False (and nothing inserted) when the list is full.
bool VoegScoreToe(ScoreList& list, std::int32_t score, const std::string& name);

// The entry text VoegScoreToe would insert.
std::string scoreEntry(std::int32_t score, const std::string& name);
// The name part of an entry: everything from its eighth character on ("0120 - Ann" gives "Ann").
std::string_view entryName(std::string_view entry);

enum class ScoreListLoad {
    Missing,  // there is no score list file
    Complete, // the whole file was read
    Damaged,  // the file exists but was not read as written: it could not be opened or read to
              // its end (too few fields, the list became full), or held text the writer never
              // writes (an open quote, a quote in a field, NUL bytes). The entries read stay in
              // the list; the caller keeps a copy of the file before it is overwritten.
};

// The score list file's name in the data folder.
inline constexpr std::string_view ScoreListFileName = "Scorelijst.lst";

// Reads the score list file "Scorelijst.lst" into the list: the header field and the separator
// field are skipped, then every field that is not empty is inserted at its sorted place.
// Entries already in the list stay in it.
ScoreListLoad parseScoreList(std::string_view bytes, ScoreList& list);
ScoreListLoad LaadScorelijst(const std::string& path, ScoreList& list);

// The two header lines, then every entry quoted on a line of its own, each line ended by CR LF.
std::string scoreListText(const ScoreList& list);
// Replaces the file atomically; false (and the old file as it was) when it cannot be written.
bool writeScoreList(const std::string& path, const ScoreList& list);

} // namespace kwintor
