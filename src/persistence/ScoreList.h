#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kwintor {

// The score list: entry texts ("0087 - Jan") kept in ascending order without regard to
// letter case; it keeps at most 32767 entries. Texts are UTF-8.
class ScoreList {
public:
    static constexpr int MaxEntries = 32767;

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    bool isFull() const { return count() >= MaxEntries; }
    const std::string& at(int index) const { return m_entries.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& entries() const { return m_entries; }

    // Inserts at its sorted place (after entries that compare equal); false when the list is full.
    bool insert(const std::string& entry);
    void removeAt(int index);
    // Removes the first entry whose text equals `entry` exactly; false when there is none.
    bool removeFirstEqual(const std::string& entry);
    void clear() { m_entries.clear(); }

private:
    std::vector<std::string> m_entries;
};

// The entry for a score and a name: four digits, " - ", the name. A double quote in the
// name cannot be stored in the file and becomes a single quote. False when the list is full.
bool VoegScoreToe(ScoreList& list, std::int32_t score, const std::string& name);

// The entry text VoegScoreToe would insert.
std::string scoreEntry(std::int32_t score, const std::string& name);

} // namespace kwintor
