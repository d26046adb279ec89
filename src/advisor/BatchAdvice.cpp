#include "advisor/BatchAdvice.h"

#include "advisor/Advisor.h"
#include "advisor/ValueTable.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <vector>

namespace kwintor {

namespace {

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A whole field of decimal digits within [low, high].
bool number(std::string_view field, int low, int high, int& value) {
    if (field.size() > 9) // from_chars takes no '+' and no blanks; the range refuses a '-'
        return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() && value >= low && value <= high;
}

// Six decimals whatever the locale: "245.870775".
std::string sixDecimals(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string adviseLine(const ValueTable& table, std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::vector<std::string_view> f = fields(line);
    if (f.size() != 3 + DiceCount || f[0].size() != CategoryCount)
        return "error";
    Position p;
    for (int c = 0; c < CategoryCount; ++c) {
        if (f[0][c] != '0' && f[0][c] != '1')
            return "error";
        p.used |= f[0][c] == '1' ? 1u << c : 0;
    }
    // 105 is five of every face: no column ever has more.
    constexpr int MostUpper = DiceCount * (1 + 2 + 3 + 4 + 5 + 6);
    if (!number(f[1], 0, MostUpper, p.upper) || !number(f[2], 1, 3, p.throwNumber))
        return "error";
    for (int i = 0; i < DiceCount; ++i)
        if (!number(f[3 + i], 1, 6, p.dice[i]))
            return "error";

    const Advice advice = advise(table, p);
    if (!advice.valid)
        return "error";
    std::string answer;
    if (advice.best.kind == Action::Kind::Place) {
        answer = "place " + std::to_string(advice.best.row);
    } else {
        answer = "hold ";
        for (int i = 0; i < DiceCount; ++i)
            answer += advice.best.keep >> i & 1 ? '1' : '0';
    }
    return answer + ' ' + sixDecimals(advice.expected);
}

void adviseStream(const ValueTable& table, std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line))
        out << adviseLine(table, line) << std::endl;
}

} // namespace kwintor
