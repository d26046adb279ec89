#include "persistence/TextFolding.h"

#include <cstddef>

namespace kwintor {

namespace {

// U+00C0..U+017F, one character per code point: the letter it folds to; '1' ae, '2' th,
// '3' ss, '4' ij, '5' oe; '*' for the two signs among them (× and ÷), which stay as they are.
constexpr std::string_view Folds =
    // Latin-1, U+00C0..U+00FF
    "aaaaaa1c"
    "eeeeiiii"
    "dnooooo*"
    "ouuuuy23"
    "aaaaaa1c"
    "eeeeiiii"
    "dnooooo*"
    "ouuuuy2y"
    // Latin Extended-A, U+0100..U+017F
    "aaaaaacc"
    "ccccccdd"
    "ddeeeeee"
    "eeeegggg"
    "gggghhhh"
    "iiiiiiii"
    "ii44jjkk"
    "klllllll"
    "lllnnnnn"
    "nnnnoooo"
    "oo55rrrr"
    "rrssssss"
    "sstttttt"
    "uuuuuuuu"
    "uuuuwwyy"
    "yzzzzzzs";
static_assert(Folds.size() == 192);

constexpr std::string_view Pairs[] = {"ae", "th", "ss", "ij", "oe"};

// The folded bytes of a text, one at a time.
class FoldedBytes {
public:
    explicit FoldedBytes(std::string_view text) : m_text(text) {}

    // The next byte (0..255), or -1 at the end.
    int next() {
        if (m_pending >= 0) {
            const int c = m_pending;
            m_pending = -1;
            return c;
        }
        if (m_pos >= m_text.size())
            return -1;
        const auto c = static_cast<unsigned char>(m_text[m_pos]);
        if (c < 0x80) {
            ++m_pos;
            return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
        }
        // Lead bytes C3, C4 and C5 with a continuation byte are U+00C0..U+017F.
        if (c >= 0xC3 && c <= 0xC5 && m_pos + 1 < m_text.size()) {
            const auto d = static_cast<unsigned char>(m_text[m_pos + 1]);
            if ((d & 0xC0) == 0x80) {
                m_pos += 2;
                const char f = Folds[static_cast<std::size_t>((c - 0xC3) * 64 + (d - 0x80))];
                if (f == '*') {
                    m_pending = d;
                    return c;
                }
                if (f >= '1' && f <= '5') {
                    const std::string_view pair = Pairs[f - '1'];
                    m_pending = static_cast<unsigned char>(pair[1]);
                    return static_cast<unsigned char>(pair[0]);
                }
                return static_cast<unsigned char>(f);
            }
        }
        ++m_pos;
        return c;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_pending = -1;
};

} // namespace

std::string foldedForSorting(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    FoldedBytes bytes(text);
    for (int c = bytes.next(); c >= 0; c = bytes.next())
        out += static_cast<char>(c);
    return out;
}

int compareFolded(std::string_view a, std::string_view b) {
    FoldedBytes x(a), y(b);
    for (;;) {
        const int p = x.next(), q = y.next();
        if (p != q)
            return p < q ? -1 : 1; // the end (-1) comes before every byte
        if (p < 0)
            return 0;
    }
}

} // namespace kwintor
