#include "persistence/ScoreList.h"

#include "persistence/FieldReader.h"
#include "persistence/FieldWriter.h"
#include "persistence/FileAccess.h"
#include "persistence/TextEncoding.h"
#include "persistence/TextFolding.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace kwintor {

namespace {

// 32767 entries of even long names stay far below this; a larger file is read this far only.
constexpr std::size_t ReadLimit = std::size_t{64} << 20;

} // namespace

bool ScoreList::lessThan(std::string_view a, std::string_view b) {
    const int folded = compareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

bool ScoreList::insert(const std::string& entry) {
    if (isFull())
        return false;
    if (m_entries.empty() || !lessThan(entry, m_entries.back())) {
        m_entries.push_back(entry);
        return true;
    }
    const auto place = std::upper_bound(m_entries.begin(), m_entries.end(), entry,
                                        [](const std::string& a, const std::string& b) { return lessThan(a, b); });
    m_entries.insert(place, entry);
    return true;
}

int ScoreList::insertAll(std::vector<std::string> entries) {
    const std::size_t room = static_cast<std::size_t>(MaxEntries - count());
    if (entries.size() > room)
        entries.resize(room);
    const auto less = [](const std::string& a, const std::string& b) { return lessThan(a, b); };
    // Only equal texts compare equal, so a sort followed by a merge puts every entry where
    // insert() one after the other would have put it.
    if (!std::is_sorted(entries.begin(), entries.end(), less)) {
        // Sorting on folded copies lets the comparisons run as plain byte comparisons.
        std::vector<std::string> keys(entries.size());
        std::vector<std::uint32_t> order(entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            keys[i] = foldedForSorting(entries[i]);
            order[i] = static_cast<std::uint32_t>(i);
        }
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            const int folded = std::string_view(keys[a]).compare(keys[b]);
            return folded != 0 ? folded < 0 : entries[a] < entries[b];
        });
        std::vector<std::string> sorted;
        sorted.reserve(entries.size());
        for (std::uint32_t i : order)
            sorted.push_back(std::move(entries[i]));
        entries = std::move(sorted);
    }
    const auto middle = static_cast<std::ptrdiff_t>(m_entries.size());
    m_entries.insert(m_entries.end(), std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    std::inplace_merge(m_entries.begin(), m_entries.begin() + middle, m_entries.end(), less);
    return static_cast<int>(entries.size());
}

bool ScoreList::removeFirstEqual(const std::string& entry) {
    const auto found = std::find(m_entries.begin(), m_entries.end(), entry);
    if (found == m_entries.end())
        return false;
    m_entries.erase(found);
    return true;
}

std::string scoreEntry(std::int32_t score, const std::string& name) {
    std::string entry = std::to_string(std::clamp<std::int32_t>(score, 0, 9999));
    entry.insert(0, 4 - entry.size(), '0');
    entry += " - ";
    appendFieldText(entry, name);
    return entry;
}

bool VoegScoreToe(ScoreList& list, std::int32_t score, const std::string& name) {
    return list.insert(scoreEntry(score, name));
}

ScoreListLoad parseScoreList(std::string_view bytes, ScoreList& list) {
    bool droppedNul = false;
    const std::string text = decodeFileText(bytes, &droppedNul);
    FieldReader reader(text);
    std::string field;
    std::vector<std::string> read;
    const std::size_t room = static_cast<std::size_t>(ScoreList::MaxEntries - list.count());

    bool complete = reader.next(field) && reader.next(field); // header, separator
    while (complete && !reader.atEnd()) {
        reader.next(field);
        if (field.empty())
            continue;
        if (read.size() == room) { // the list is full
            complete = false;
            break;
        }
        // A quote read from an irregular line cannot be written back; it becomes what
        // VoegScoreToe makes of it.
        std::replace(field.begin(), field.end(), '"', '\'');
        read.push_back(std::move(field));
    }
    list.insertAll(std::move(read));
    return (complete && !droppedNul && !reader.irregular()) ? ScoreListLoad::Complete : ScoreListLoad::Damaged;
}

ScoreListLoad LaadScorelijst(const std::string& path, ScoreList& list) {
    std::string bytes;
    switch (readWholeFile(path, bytes, ReadLimit)) {
    case FileRead::Missing: return ScoreListLoad::Missing;
    case FileRead::Failed: return ScoreListLoad::Damaged;
    case FileRead::TooLarge: parseScoreList(bytes, list); return ScoreListLoad::Damaged;
    case FileRead::Ok: break;
    }
    return parseScoreList(bytes, list);
}

std::string scoreListText(const ScoreList& list) {
    FieldWriter out;
    out.headerLines();
    for (const std::string& entry : list.entries()) {
        // Entries come from the file or from VoegScoreToe and are UTF-8; bytes that are not
        // would make the whole file read as Windows-1252 next time, so they are converted here.
        if (isValidUtf8(entry))
            out.text(entry);
        else
            out.text(cp1252ToUtf8(entry));
        out.endLine();
    }
    return out.take();
}

bool writeScoreList(const std::string& path, const ScoreList& list) {
    try {
        return writeFileAtomically(path, scoreListText(list));
    } catch (...) { // out of memory while building the text
        return false;
    }
}

std::string_view entryName(std::string_view entry) {
    constexpr std::size_t NameStart = 7; // "0120 - " comes first
    return entry.size() > NameStart ? entry.substr(NameStart) : std::string_view{};
}

} // namespace kwintor
