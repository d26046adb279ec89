#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace kwintor {

class ValueTable;

// The line interface for checking the advice from outside. A line is "USED UPPER THROW D1 .. D5":
// USED 13 characters of 0 and 1 in sheet order (1 = scored), UPPER the upper total (not capped),
// THROW the throw just made (1..3), then the five dice. The answer is "hold XXXXX <ev>" (1 = hold
// that die, in the order given) or "place N <ev>" (N the sheet row), with the expected points still
// to come to six decimals; "error" for a line that is no such position.
std::string adviseLine(const ValueTable& table, std::string_view line);

// Answers every line of `in` on `out`, one line each, until the end of the input. Each answer is
// flushed at once, so a program on the other side of a pipe can ask one position at a time.
void adviseStream(const ValueTable& table, std::istream& in, std::ostream& out);

} // namespace kwintor
