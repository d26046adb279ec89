#include "persistence/FieldWriter.h"

namespace kwintor {

void appendFieldText(std::string& out, std::string_view text, FieldQuotes quotes) {
    for (char c : text) {
        if (c == '"' && quotes == FieldQuotes::Replace)
            out += '\'';
        else if (c == '\r' || c == '\n')
            out += ' ';
        else if (c != '\0')
            out += c;
    }
}

void FieldWriter::separate() {
    if (m_lineHasField)
        m_out += ',';
    m_lineHasField = true;
}

void FieldWriter::text(std::string_view value) {
    separate();
    m_out.reserve(m_out.size() + value.size() + 4);
    m_out += '"';
    appendFieldText(m_out, value);
    m_out += '"';
}

void FieldWriter::number(long long value) {
    separate();
    m_out += std::to_string(value);
}

void FieldWriter::endLine() {
    m_out += "\r\n";
    m_lineHasField = false;
}

void FieldWriter::headerLines() {
    text("Dobbelwerken Software 2009");
    endLine();
    text("--------------------------");
    endLine();
}

} // namespace kwintor
