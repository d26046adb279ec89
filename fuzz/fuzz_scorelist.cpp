// Reads any bytes as the score list file. The list that comes out is sorted, holds no entry the
// file format cannot carry, equals inserting the fields one by one, and the file written from
// it reads back completely as the same list.
#include "persistence/FieldReader.h"
#include "persistence/ScoreList.h"
#include "persistence/TextEncoding.h"

#include "Require.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using kwintor::ScoreList;
using kwintor::ScoreListLoad;

namespace {

// The same list built the slow way: every non-empty field after the first two, inserted one by one.
ScoreList insertedOneByOne(std::string_view bytes) {
    const std::string text = kwintor::decodeFileText(bytes);
    kwintor::FieldReader reader(text);
    std::string field;
    ScoreList list;
    if (!reader.next(field) || !reader.next(field))
        return list;
    while (!reader.atEnd()) {
        reader.next(field);
        if (field.empty())
            continue;
        for (char& c : field)
            if (c == '"')
                c = '\'';
        if (!list.insert(field))
            break;
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ScoreList list;
    const ScoreListLoad result = kwintor::parseScoreList(bytes, list);
    require(result == ScoreListLoad::Complete || result == ScoreListLoad::Damaged);
    require(list.count() <= ScoreList::MaxEntries);
    for (int i = 0; i < list.count(); ++i) {
        const std::string& entry = list.at(i);
        require(!entry.empty());
        require(entry.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string::npos);
        require(kwintor::isValidUtf8(entry));
        if (i > 0)
            require(!ScoreList::lessThan(entry, list.at(i - 1)));
    }
    if (size < 4096)
        require(insertedOneByOne(bytes).entries() == list.entries());

    const std::string text = kwintor::scoreListText(list);
    ScoreList again;
    require(kwintor::parseScoreList(text, again) == ScoreListLoad::Complete);
    require(again.entries() == list.entries());
    require(kwintor::scoreListText(again) == text);
    return 0;
}
