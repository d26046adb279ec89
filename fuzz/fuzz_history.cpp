// Reads any bytes as the history of finished games. A history that comes out is written back to
// the same text, and that text reads as the same history.
#include "persistence/History.h"

#include "Require.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<kwintor::HistoryEntry> entries;
    if (kwintor::parseHistory(bytes, entries) != kwintor::HistoryRead::Ok)
        return 0;
    const std::string text = kwintor::historyText(entries);
    std::vector<kwintor::HistoryEntry> again;
    require(kwintor::parseHistory(text, again) == kwintor::HistoryRead::Ok);
    require(again.size() == entries.size());
    require(kwintor::historyText(again) == text);
    return 0;
}
