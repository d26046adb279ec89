#include "persistence/FieldReader.h"

namespace kwintor {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

void FieldReader::skipDelimiter() {
    if (m_pos >= m_text.size())
        return;
    const char c = m_text[m_pos];
    if (c == ',' || c == '\n') {
        ++m_pos;
    } else if (c == '\r') {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n')
            ++m_pos;
    }
}

bool FieldReader::next(std::string& field) {
    field.clear();
    if (atEnd())
        return false;
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
    if (atEnd())
        return true;
    if (m_text[m_pos] == '"')
        readQuoted(field);
    else
        readPlain(field);
    return true;
}

void FieldReader::readPlain(std::string& field) {
    // One pass over the characters: this runs once for every field of a file of thousands.
    const std::size_t n = m_text.size();
    std::size_t end = m_pos;
    bool quote = false;
    for (; end < n; ++end) {
        const char c = m_text[end];
        if (c == ',' || c == '\r' || c == '\n')
            break;
        quote = quote || c == '"';
    }
    std::size_t last = end;
    while (last > m_pos && isBlank(m_text[last - 1]))
        --last;
    field.assign(m_text.substr(m_pos, last - m_pos));
    if (quote)
        m_irregular = true;
    m_pos = end;
    skipDelimiter();
}

void FieldReader::readQuoted(std::string& field) {
    const std::size_t n = m_text.size();
    const std::size_t start = m_pos + 1; // after the opening quote
    std::size_t i = start;
    bool innerQuote = false;
    for (; i < n; ++i) {
        const char c = m_text[i];
        if (c == '\r' || c == '\n')
            break;
        if (c != '"')
            continue;
        std::size_t after = i + 1;
        while (after < n && isBlank(m_text[after]))
            ++after;
        if (after == n || m_text[after] == ',' || m_text[after] == '\r' || m_text[after] == '\n') {
            field.assign(m_text.substr(start, i - start));
            if (innerQuote)
                m_irregular = true;
            m_pos = after;
            skipDelimiter();
            return;
        }
        innerQuote = true;
    }
    // No closing quote on this line: the field is the rest of the line.
    m_irregular = true;
    field.assign(m_text.substr(start, i - start));
    m_pos = i;
    skipDelimiter();
}

} // namespace kwintor
