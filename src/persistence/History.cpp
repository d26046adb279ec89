#include "persistence/History.h"

#include "persistence/FieldReader.h"
#include "persistence/FieldWriter.h"
#include "persistence/FileAccess.h"
#include "persistence/TextEncoding.h"
#include "persistence/TextFolding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kwintor {

namespace {

constexpr std::size_t ReadLimit = std::size_t{64} << 20;

bool wholeNumber(const std::string& field, int& value) {
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    return error == std::errc() && stop == end && !field.empty() && value >= 0;
}

// One line of exactly five fields, as historyText writes them.
bool parseLine(std::string_view line, HistoryEntry& entry) {
    FieldReader in(line);
    std::string fields[5];
    for (std::string& field : fields)
        if (!in.next(field))
            return false;
    int cents = 0;
    if (!in.atEnd() || in.irregular() || fields[0].empty() || !wholeNumber(fields[2], entry.total) ||
        !wholeNumber(fields[3], cents) || !wholeNumber(fields[4], entry.decisions))
        return false;
    entry.when = fields[0];
    entry.name = fields[1];
    entry.cost = cents / 100.0;
    return true;
}

} // namespace

std::string historyText(const std::vector<HistoryEntry>& entries) {
    FieldWriter out;
    out.headerLines();
    for (const HistoryEntry& e : entries) {
        out.text(e.when);
        out.text(e.name);
        out.number(e.total);
        out.number(std::llround(std::max(0.0, e.cost) * 100));
        out.number(e.decisions);
        out.endLine();
    }
    return out.take();
}

HistoryRead parseHistory(std::string_view bytes, std::vector<HistoryEntry>& entries) {
    try {
        if (bytes.find('\0') != std::string_view::npos || !isValidUtf8(bytes))
            return HistoryRead::Damaged;
        std::vector<HistoryEntry> read;
        int lineNumber = 0;
        while (!bytes.empty()) {
            const auto end = bytes.find('\n');
            if (end == std::string_view::npos)
                return HistoryRead::Damaged; // cut short
            std::string_view line = bytes.substr(0, end);
            bytes.remove_prefix(end + 1);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (++lineNumber <= 2)
                continue; // the header lines, not checked, as in the other files
            HistoryEntry entry;
            if (!parseLine(line, entry))
                return HistoryRead::Damaged;
            read.push_back(std::move(entry));
        }
        if (lineNumber < 2)
            return HistoryRead::Damaged;
        entries = std::move(read);
        return HistoryRead::Ok;
    } catch (...) { // out of memory
        return HistoryRead::Damaged;
    }
}

HistoryRead readHistory(const std::string& path, std::vector<HistoryEntry>& entries) {
    std::string bytes;
    switch (readWholeFile(path, bytes, ReadLimit)) {
    case FileRead::Missing: return HistoryRead::Missing;
    case FileRead::Failed:
    case FileRead::TooLarge: return HistoryRead::Damaged;
    case FileRead::Ok: break;
    }
    return parseHistory(bytes, entries);
}

bool appendHistory(const std::string& path, const std::vector<HistoryEntry>& add) {
    try {
        std::vector<HistoryEntry> entries;
        if (readHistory(path, entries) == HistoryRead::Damaged) {
            // Kept aside whole; should even that fail, the file stays and nothing is written.
            if (std::rename(path.c_str(), (path + ".bak").c_str()) != 0)
                return false;
            entries.clear();
        }
        entries.insert(entries.end(), add.begin(), add.end());
        if (entries.size() > MaxHistoryEntries)
            entries.erase(entries.begin(), entries.end() - MaxHistoryEntries);
        return writeFileAtomically(path, historyText(entries));
    } catch (...) { // out of memory
        return false;
    }
}

std::vector<double> recentCosts(const std::vector<HistoryEntry>& entries, std::string_view name, int count) {
    std::vector<double> costs;
    const std::string folded = foldedForSorting(name);
    for (auto e = entries.rbegin(); e != entries.rend() && static_cast<int>(costs.size()) < count; ++e)
        if (foldedForSorting(e->name) == folded)
            costs.insert(costs.begin(), e->cost);
    return costs;
}

} // namespace kwintor
