#pragma once

#include <string>
#include <string_view>

namespace kwintor {

// Appends a name or other text as a data file's text field holds it: a line end becomes a
// blank and a NUL is dropped. A double quote becomes a single quote, except in a field that
// is read up to its line's last quote and so keeps its quotes.
enum class FieldQuotes { Replace, Keep };
void appendFieldText(std::string& out, std::string_view text, FieldQuotes quotes = FieldQuotes::Replace);

// Writes the fields of a data file: fields on one line are separated by commas, text fields
// are enclosed in double quotes, numbers are written in decimal, and every line ends with
// CR LF. A text field cannot hold a double quote or a line end (there is no escape), so a
// double quote is written as a single quote, a line end as a blank and a NUL not at all.
class FieldWriter {
public:
    void text(std::string_view value);
    void number(long long value);
    void endLine();
    // The two lines both data files begin with: the quoted maker and a quoted row of 26 hyphens.
    void headerLines();

    const std::string& result() const { return m_out; }
    std::string take() { return std::move(m_out); }

private:
    void separate();

    std::string m_out;
    bool m_lineHasField = false;
};

} // namespace kwintor
