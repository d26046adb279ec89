#include "persistence/KeptGame.h"

#include "engine/Game.h"
#include "persistence/FieldWriter.h"
#include "persistence/FileAccess.h"
#include "persistence/TextEncoding.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <unistd.h>
#include <vector>

namespace kwintor {

namespace {

// Six names of any length the name boxes take stay far below this.
constexpr std::size_t ReadLimit = std::size_t{1} << 20;

constexpr std::array<std::string_view, CellCount> RowLabels = {
    "Enen",       "Tweeen", "Drieen",       "Vieren",       "Vijven",        "Zessen",
    "Totaal A",   "Bonus",  "Drie gelijke", "Vier gelijke", "Kleine straat", "Grote straat",
    "Full house", "Kans",   "Kwintor",      "Totaal B",     "Totaal A+B",
};

void appendLine(std::string& out, std::string_view label, std::initializer_list<long long> numbers) {
    out += '"';
    out += label;
    out += '"';
    for (long long n : numbers) {
        out += ',';
        out += std::to_string(n);
    }
    out += "\r\n";
}

// The one text field of the format is last on its line and runs to the line's last quote, so a
// name keeps its quotes and commas; only a line end or a NUL, which no name box lets through,
// cannot be kept.
void appendNameLine(std::string& out, int player, std::string_view name) {
    out += "\"Naam\",";
    out += std::to_string(player);
    out += ",\"";
    appendFieldText(out, name, FieldQuotes::Keep);
    out += "\"\r\n";
}

// The whole lines of a file, each without its line end (CR LF, or LF as an editor may leave it).
// False when the last line has no line end: the file was cut short, and that line is left out.
bool splitLines(std::string_view text, std::vector<std::string_view>& lines) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos)
            return false;
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end + 1);
    }
    return true;
}

// Reads the lines of a kept game one after the other, strictly as keptGameText writes them.
class LineReader {
public:
    explicit LineReader(std::vector<std::string_view> lines) : m_lines(std::move(lines)) {}

    bool atEnd() const { return m_next >= m_lines.size(); }
    bool skip() {
        if (atEnd())
            return false;
        ++m_next;
        return true;
    }

    // A line `"label",n1,...,nk`: exactly `count` whole numbers, none negative.
    bool numbers(std::string_view label, int* values, int count) {
        std::string_view rest;
        if (!labelled(label, rest))
            return false;
        for (int i = 0; i < count; ++i) {
            if (rest.empty() || rest[0] != ',')
                return false;
            rest.remove_prefix(1);
            const char* begin = rest.data();
            const char* end = begin + rest.size();
            if (begin == end || *begin < '0' || *begin > '9')
                return false;
            const auto [stop, error] = std::from_chars(begin, end, values[i]);
            if (error != std::errc())
                return false;
            rest.remove_prefix(static_cast<std::size_t>(stop - begin));
        }
        return rest.empty();
    }

    // A line `"Naam",player,"text"`: the text runs to the last quote of the line.
    bool name(int player, std::string& text) {
        std::string_view rest;
        const std::string prefix = "," + std::to_string(player) + ",\"";
        if (!labelled("Naam", rest) || rest.size() <= prefix.size() || rest.substr(0, prefix.size()) != prefix ||
            rest.back() != '"')
            return false;
        text.assign(rest.substr(prefix.size(), rest.size() - prefix.size() - 1));
        return true;
    }

private:
    bool labelled(std::string_view label, std::string_view& rest) {
        if (atEnd())
            return false;
        const std::string_view line = m_lines[m_next++];
        if (line.size() < label.size() + 2 || line[0] != '"' || line.substr(1, label.size()) != label ||
            line[label.size() + 1] != '"')
            return false;
        rest = line.substr(label.size() + 2);
        return true;
    }

    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

bool scorable(int row, int value) {
    if (isUpperRow(row)) {
        const int face = row + 1;
        return value >= 0 && value <= 5 * face && value % face == 0;
    }
    switch (row) {
    case RowDrieGelijke:
    case RowVierGelijke:
    case RowKans: return value == 0 || (value >= 5 && value <= 30);
    case RowKleineStraat: return value == 0 || value == 30;
    case RowGroteStraat: return value == 0 || value == 40;
    case RowFullHouse: return value == 0 || value == 25;
    case RowKwintor: return value == 0 || value == 50;
    default: return false;
    }
}

// The rules the game keeps between throws, so that a game taken up again can be played on.
bool consistent(const KeptGame& game) {
    const GameState& s = game.state;
    if (s.AantalSpelers < 1 || s.AantalSpelers > MaxPlayers || s.WorpTeller > 3)
        return false;
    // Lowering the number of players leaves the turn where it was, so it may lie beyond them.
    if (s.AanDeBeurt < 1 || s.AanDeBeurt > MaxPlayers)
        return false;
    if (s.WorpTeller > 0 && s.ScoreGeplaatst)
        return false; // a throw clears it
    int sum = 0, blank = 0;
    for (int i = 1; i <= DiceCount; ++i) {
        if (s.DobbelWaarde[i] > 6)
            return false;
        sum += s.DobbelWaarde[i];
        blank += s.DobbelWaarde[i] == 0;
    }
    // Every throw rolls all five dice at the first throw of a turn: they are all blank (none
    // thrown since the program started) or all show a face.
    if (blank != 0 && (blank != DiceCount || s.WorpTeller > 0))
        return false;
    if (s.DobbelSom != sum)
        return false;

    for (int p = 1; p <= MaxPlayers; ++p) {
        const auto& column = s.cells[p];
        int upper = 0, lower = 0;
        for (int row = 0; row < CellCount; ++row) {
            const Cell& cell = column[row];
            if (cell.open && (p > s.AantalSpelers || cell.scored))
                return false;
            if (isTotalRow(row)) {
                if (cell.scored)
                    return false;
                continue;
            }
            const int value = cell.value;
            if (!scorable(row, value) || (!cell.scored && value != 0))
                return false;
            (isUpperRow(row) ? upper : lower) += value;
        }
        const bool bonus = upper >= BonusThreshold;
        const int total = upper + lower + (bonus ? BonusPoints : 0);
        if (static_cast<int>(s.TotaalA[p]) != upper || static_cast<int>(s.TotaalB[p]) != lower ||
            s.BonusGegeven[p] != bonus || s.TotaalAB[p] != total)
            return false;
        if (column[RowTotalA].value != upper || column[RowTotalB].value != lower ||
            column[RowBonus].value != (bonus ? BonusPoints : 0) || column[RowGrandTotal].value != total)
            return false;
    }
    return true;
}

bool isFlag(int value) { return value == 0 || value == 1; }

// A decision that play could have made in a column like the one it keeps.
bool possible(const Decision& d) {
    if (d.player < 1 || d.player > MaxPlayers || d.throwNumber < 1 || d.throwNumber > 3 ||
        d.used >= (1u << CategoryCount) - 1 || d.turn != std::popcount(d.used) + 1 || d.upper > 5 * 21 ||
        d.total < d.upper || d.total > 375)
        return false;
    for (int die : d.dice)
        if (die < 1 || die > 6)
            return false;
    if (d.kind == Decision::Kind::Hold)
        return d.throwNumber < 3 && d.holds < 1u << DiceCount && d.row == -1;
    const int category = isUpperRow(d.row) ? d.row : isLowerRow(d.row) ? d.row - 2 : -1;
    return d.holds == 0 && category >= 0 && !(d.used >> category & 1);
}

// The decisions of version 2; false when they do not read whole, and nothing is kept of them.
bool parseDecisions(LineReader& in, std::vector<Decision>& decisions) {
    int count = 0;
    if (!in.numbers("Keuzes", &count, 1) || count > MaxKeptDecisions)
        return false;
    decisions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        int v[13] = {};
        if (!in.numbers("Keuze", v, 13) || v[8] > 1)
            return false;
        Decision d;
        d.player = v[0];
        d.turn = v[1];
        d.throwNumber = v[2];
        std::copy(v + 3, v + 8, d.dice.begin());
        d.kind = v[8] == 1 ? Decision::Kind::Place : Decision::Kind::Hold;
        if (d.kind == Decision::Kind::Place)
            d.row = v[9];
        else
            d.holds = static_cast<unsigned>(v[9]);
        d.used = static_cast<unsigned>(v[10]);
        d.upper = v[11];
        d.total = v[12];
        if (!possible(d))
            return false;
        decisions.push_back(d);
    }
    return in.atEnd();
}

KeptGameRead parseGame(LineReader& in, int version, bool whole, KeptGame& game) {
    GameState& s = game.state;
    int v[6] = {};
    if (!in.numbers("Spelers", v, 1))
        return KeptGameRead::Damaged;
    s.AantalSpelers = static_cast<std::uint8_t>(std::min(v[0], 255));
    if (!in.numbers("Aan de beurt", v, 1))
        return KeptGameRead::Damaged;
    s.AanDeBeurt = v[0];
    if (!in.numbers("Worp", v, 1))
        return KeptGameRead::Damaged;
    s.WorpTeller = static_cast<std::uint8_t>(std::min(v[0], 255));
    if (!in.numbers("Geplaatst", v, 1) || !isFlag(v[0]))
        return KeptGameRead::Damaged;
    s.ScoreGeplaatst = v[0] == 1;
    if (!in.numbers("Dobbelstenen", v, DiceCount))
        return KeptGameRead::Damaged;
    for (int i = 1; i <= DiceCount; ++i)
        s.DobbelWaarde[i] = static_cast<std::uint8_t>(std::min(v[i - 1], 255));
    if (!in.numbers("Vast", v, DiceCount))
        return KeptGameRead::Damaged;
    for (int i = 1; i <= DiceCount; ++i) {
        if (!isFlag(v[i - 1]))
            return KeptGameRead::Damaged;
        s.Vastgezet[i] = v[i - 1] == 1;
    }
    if (!in.numbers("Som", v, 1))
        return KeptGameRead::Damaged;
    s.DobbelSom = static_cast<std::uint8_t>(std::min(v[0], 255));

    for (int p = 1; p <= MaxPlayers; ++p) {
        if (!in.name(p, s.SpelerNaam[p]))
            return KeptGameRead::Damaged;
        if (!in.numbers("Soort", v, 2) || v[0] != p || v[1] < 0 || v[1] >= PlayerKindCount)
            return KeptGameRead::Damaged;
        game.kinds[p] = PlayerKind(v[1]);
        if (!in.numbers("Totalen", v, 5) || v[0] != p || !isFlag(v[3]))
            return KeptGameRead::Damaged;
        s.TotaalA[p] = v[1];
        s.TotaalB[p] = v[2];
        s.BonusGegeven[p] = v[3] == 1;
        s.TotaalAB[p] = v[4];
        for (int row = 0; row < CellCount; ++row) {
            if (!in.numbers(RowLabels[row], v, 4) || v[0] != p || !isFlag(v[1]) || !isFlag(v[2]))
                return KeptGameRead::Damaged;
            s.cells[p][row] = Cell{std::int32_t(v[3]), v[1] == 1, v[2] == 1};
        }
    }
    if (!consistent(game))
        return KeptGameRead::Damaged;
    if (version == 1)
        return whole && in.atEnd() ? KeptGameRead::Ok : KeptGameRead::Damaged;
    game.decisionsDamaged = !parseDecisions(in, game.decisions) || !whole;
    if (game.decisionsDamaged)
        game.decisions.clear();
    return KeptGameRead::Ok;
}

} // namespace

std::string keptGameText(const KeptGame& game) {
    const GameState& s = game.state;
    FieldWriter header;
    header.headerLines();
    std::string out = header.take();
    out.reserve(4096);
    appendLine(out, "Versie", {KeptGameVersion});
    appendLine(out, "Spelers", {s.AantalSpelers});
    appendLine(out, "Aan de beurt", {s.AanDeBeurt});
    appendLine(out, "Worp", {s.WorpTeller});
    appendLine(out, "Geplaatst", {s.ScoreGeplaatst});
    const auto& d = s.DobbelWaarde;
    const auto& h = s.Vastgezet;
    appendLine(out, "Dobbelstenen", {d[1], d[2], d[3], d[4], d[5]});
    appendLine(out, "Vast", {h[1], h[2], h[3], h[4], h[5]});
    appendLine(out, "Som", {s.DobbelSom});
    for (int p = 1; p <= MaxPlayers; ++p) {
        appendNameLine(out, p, s.SpelerNaam[p]);
        appendLine(out, "Soort", {p, int(game.kinds[p])});
        appendLine(
            out, "Totalen",
            {p, static_cast<int>(s.TotaalA[p]), static_cast<int>(s.TotaalB[p]), s.BonusGegeven[p], s.TotaalAB[p]});
        for (int row = 0; row < CellCount; ++row) {
            const Cell& cell = s.cells[p][row];
            appendLine(out, RowLabels[row], {p, cell.open, cell.scored, cell.value});
        }
    }
    appendLine(out, "Keuzes", {static_cast<long long>(game.decisions.size())});
    for (const Decision& d : game.decisions) {
        const bool place = d.kind == Decision::Kind::Place;
        appendLine(out, "Keuze",
                   {d.player, d.turn, d.throwNumber, d.dice[0], d.dice[1], d.dice[2], d.dice[3], d.dice[4], place,
                    place ? d.row : static_cast<long long>(d.holds), d.used, d.upper, d.total});
    }
    return out;
}

KeptGameRead parseKeptGame(std::string_view bytes, KeptGame& game) {
    try {
        if (bytes.find('\0') != std::string_view::npos || !isValidUtf8(bytes))
            return KeptGameRead::Damaged;
        std::vector<std::string_view> lines;
        const bool whole = splitLines(bytes, lines);
        LineReader in(std::move(lines));
        int version = 0;
        // The header lines are not checked, as in the other files.
        if (!in.skip() || !in.skip() || !in.numbers("Versie", &version, 1))
            return KeptGameRead::Damaged;
        if (version > KeptGameVersion)
            return KeptGameRead::NewerVersion;
        if (version < 1)
            return KeptGameRead::Damaged;
        KeptGame read;
        const KeptGameRead result = parseGame(in, version, whole, read);
        if (result == KeptGameRead::Ok)
            game = std::move(read);
        return result;
    } catch (...) { // out of memory
        return KeptGameRead::Damaged;
    }
}

KeptGameRead readKeptGame(const std::string& path, KeptGame& game) {
    std::string bytes;
    switch (readWholeFile(path, bytes, ReadLimit)) {
    case FileRead::Missing: return KeptGameRead::Missing;
    case FileRead::Failed:
    case FileRead::TooLarge: return KeptGameRead::Damaged;
    case FileRead::Ok: break;
    }
    return parseKeptGame(bytes, game);
}

bool writeKeptGame(const std::string& path, const KeptGame& game) {
    if (game.state.throwing)
        return false;
    try {
        return writeFileAtomically(path, keptGameText(game));
    } catch (...) { // out of memory while building the text
        return false;
    }
}

std::string keptGameFileName(int number) {
    if (number <= 1)
        return std::string(KeptGameFileName);
    return "Spel-" + std::to_string(number) + ".sav";
}

int keptGameNumber(std::string_view fileName) {
    if (fileName == KeptGameFileName)
        return 1;
    constexpr std::string_view Prefix = "Spel-", Suffix = ".sav";
    if (fileName.size() <= Prefix.size() + Suffix.size() || !fileName.starts_with(Prefix) ||
        !fileName.ends_with(Suffix))
        return 0;
    const std::string_view digits = fileName.substr(Prefix.size(), fileName.size() - Prefix.size() - Suffix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    // "Spel-2.sav" only: no sign, no leading zero, nothing after the digits.
    if (error != std::errc() || end != digits.data() + digits.size() || digits.front() == '0' || number < 2 ||
        number > MaxKeptGames)
        return 0;
    return number;
}

bool removeKeptGame(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

bool setKeptGameAside(const std::string& path) { return std::rename(path.c_str(), (path + ".bak").c_str()) == 0; }

bool isWorthKeeping(const GameState& s) {
    bool begun = s.WorpTeller > 0;
    for (int p = 1; p <= MaxPlayers; ++p)
        for (int row = 0; row < CellCount; ++row)
            begun = begun || (isCategoryRow(row) && s.cells[p][row].scored);
    return begun && !gameOver(s);
}

} // namespace kwintor
