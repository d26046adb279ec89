#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kwintor {

// Reads the fields of a data file one after the other (the text is UTF-8, see decodeFileText).
// A field ends at a comma or a line end (CR LF, LF or CR); blanks (spaces, tabs) before a field
// are skipped, and so are blanks at the end of an unquoted field. A field that starts with a
// double quote runs to its closing quote and may hold commas; there is no escape. It never
// runs past its line, so a damaged line loses only itself.
//
// The writer never puts a double quote inside a field, but older installations wrote names
// that held one as they were. So the closing quote is the first quote followed (after blanks)
// by a comma or the line end: "0087 - Jan "Bo" Bos" reads as one field, quotes and all. A
// quoted field without such a quote takes the rest of its line.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}

    // True when nothing is left to read.
    bool atEnd() const { return m_pos >= m_text.size(); }

    // Reads the next field into `field`; false (and an empty field) when nothing is left.
    // Blanks alone at the very end read as one last empty field.
    bool next(std::string& field);

    // True once the reader has met text the writer never produces: a quoted field without its
    // closing quote, or a double quote inside a field.
    bool irregular() const { return m_irregular; }

private:
    void readQuoted(std::string& field);
    void readPlain(std::string& field);
    // Steps over the comma or line end that ends a field, if any.
    void skipDelimiter();

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_irregular = false;
};

} // namespace kwintor
