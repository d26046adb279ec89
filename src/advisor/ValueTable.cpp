#include "advisor/ValueTable.h"

#include "advisor/ShareOut.h"
#include "persistence/FileAccess.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace kwintor {

namespace {

constexpr char Magic[8] = {'K', 'W', 'A', 'D', 'V', 'I', 'E', 'S'};
constexpr std::size_t HeaderSize = 8 + 4 + 4 + 4 + 4 + 8 + 8;
constexpr std::size_t ValueCount = std::size_t(ValueTable::MaskCount) * UpperStates;
constexpr std::size_t FileSize = HeaderSize + ValueCount * sizeof(double);

// No state can be worth more than every category at its best plus the bonus.
constexpr double MostPoints = 5 * (1 + 2 + 3 + 4 + 5 + 6) + BonusPoints + 5 * 6 * 2 + 30 + 40 + 25 + 5 * 6 + 50;

struct Fnv1a {
    std::uint64_t hash = 14695981039346656037ull;
    void add(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            hash = (hash ^ p[i]) * 1099511628211ull;
    }
    void add(std::uint64_t value) {
        unsigned char bytes[8];
        for (int i = 0; i < 8; ++i)
            bytes[i] = static_cast<unsigned char>(value >> (8 * i));
        add(bytes, 8);
    }
};

// A cache computed under other scoring rules is as wrong as a damaged one.
std::uint64_t rulesFingerprint() {
    const DiceSets& sets = DiceSets::instance();
    Fnv1a f;
    for (int c = 0; c < CategoryCount; ++c)
        for (int o = DiceSets::FirstOutcome; o < DiceSets::KeepCount; ++o)
            f.add(static_cast<std::uint64_t>(sets.score(c, o)));
    f.add(static_cast<std::uint64_t>(BonusThreshold));
    f.add(static_cast<std::uint64_t>(BonusPoints));
    return f.hash;
}

void putLittle(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

std::uint64_t getLittle(const unsigned char* p, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

// Bit u of reachableTotals()[used upper categories]: those categories can make total u (capped).
const std::array<std::uint64_t, 64>& reachableTotals() {
    static const std::array<std::uint64_t, 64> totals = [] {
        std::array<std::uint64_t, 64> t{};
        for (unsigned upperUsed = 0; upperUsed < 64; ++upperUsed) {
            std::uint64_t sums = 1;
            for (int face = 1; face <= 6; ++face) {
                if (!(upperUsed >> (face - 1) & 1))
                    continue;
                std::uint64_t next = 0;
                for (int u = 0; u < UpperStates; ++u)
                    if (sums >> u & 1)
                        for (int n = 0; n <= DiceCount; ++n)
                            next |= std::uint64_t(1) << cappedUpper(u + face * n);
                sums = next;
            }
            t[upperUsed] = sums;
        }
        return t;
    }();
    return totals;
}

// Written so that the compiler turns the lane loops into vector max instructions.
inline double larger(double a, double b) { return a < b ? b : a; }

} // namespace

bool ValueTable::canOccur(unsigned used, int upper) {
    return upper >= 0 && (reachableTotals()[used & UpperCategories] >> cappedUpper(upper) & 1);
}

bool ValueTable::covers(unsigned used, int upper) const { return !std::isnan(value(used, upper)); }

double ValueTable::value(unsigned used, int upper) const {
    if (!ready())
        return std::numeric_limits<double>::quiet_NaN();
    return at(used & AllCategories)[cappedUpper(upper)];
}

double ValueTable::placementValue(unsigned used, int upper, int category, int outcome) const {
    const int u = cappedUpper(upper);
    const double points = DiceSets::instance().score(category, outcome);
    const double* next = at(used | 1u << category);
    if (category >= 6)
        return points + next[u];
    const int reached = u + static_cast<int>(points);
    const double bonus = u < BonusThreshold && reached >= BonusThreshold ? BonusPoints : 0;
    return points + bonus + next[cappedUpper(reached)];
}

void ValueTable::fillPlacements(unsigned used, int upper, TurnSolver::Values& placement) const {
    const int u = cappedUpper(upper);
    fillLanes<1>(used, &u, placement);
}

template <int L>
void ValueTable::fillLanes(unsigned used, const int* uppers, typename BasicTurnSolver<L>::Values& placement) const {
    const DiceSets& sets = DiceSets::instance();
    double* out = placement.data() + DiceSets::FirstOutcome * L;
    std::fill(out, out + DiceSets::OutcomeCount * L, -1.0);
    for (int c = 0; c < CategoryCount; ++c) {
        if (used >> c & 1)
            continue;
        const double* next = at(used | 1u << c);
        if (c < 6) {
            // An upper category scores face x count: six values, looked up by each outcome's count.
            const int face = c + 1;
            double byCount[DiceCount + 1][L];
            for (int n = 0; n <= DiceCount; ++n)
                for (int lane = 0; lane < L; ++lane) {
                    const int u = uppers[lane];
                    const int reached = u + face * n;
                    const double bonus = u < BonusThreshold && reached >= BonusThreshold ? BonusPoints : 0;
                    byCount[n][lane] = face * n + bonus + next[cappedUpper(reached)];
                }
            const std::uint16_t* count = sets.faceCounts(face);
            for (int o = 0; o < DiceSets::OutcomeCount; ++o) {
                const double* candidate = byCount[count[o]];
                for (int lane = 0; lane < L; ++lane)
                    out[o * L + lane] = larger(out[o * L + lane], candidate[lane]);
            }
        } else {
            double rest[L];
            for (int lane = 0; lane < L; ++lane)
                rest[lane] = next[uppers[lane]];
            const double* points = sets.scores(c);
            for (int o = 0; o < DiceSets::OutcomeCount; ++o) {
                // Through a local, so that the compiler need not fear `out` overlapping `points`.
                const double p = points[o];
                double candidate[L];
                for (int lane = 0; lane < L; ++lane)
                    candidate[lane] = p + rest[lane];
                for (int lane = 0; lane < L; ++lane)
                    out[o * L + lane] = larger(out[o * L + lane], candidate[lane]);
            }
        }
    }
}

void ValueTable::computeMask(unsigned used, BasicTurnSolver<Lanes>& solver, Coverage coverage) {
    double* row = at(used);
    // Once the bonus is given, or out of reach, the upper total no longer matters: one state
    // stands for all of those totals.
    const int possible = upperStillPossible(used);
    int live[UpperStates];
    int liveCount = 0;
    live[liveCount++] = BonusThreshold;
    for (int u = 0; u < BonusThreshold; ++u) {
        if (u + possible < BonusThreshold)
            continue; // settled: filled in below
        if (coverage == Coverage::EveryTotal || canOccur(used, u))
            live[liveCount++] = u;
        else
            row[u] = std::numeric_limits<double>::quiet_NaN();
    }
    for (int first = 0; first < liveCount; first += Lanes) {
        int uppers[Lanes];
        for (int lane = 0; lane < Lanes; ++lane)
            uppers[lane] = live[std::min(first + lane, liveCount - 1)];
        fillLanes<Lanes>(used, uppers, solver.placement);
        solver.solve(0);
        for (int lane = 0; lane < Lanes; ++lane)
            row[uppers[lane]] = solver.turnStart(lane);
    }
    for (int u = 0; u < BonusThreshold; ++u)
        if (u + possible < BonusThreshold)
            row[u] = row[BonusThreshold];
}

void ValueTable::compute(int threads, Coverage coverage) {
    threads = std::max(1, threads);
    std::vector<double> values(ValueCount, 0.0);
    m_values.swap(values);
    m_coverage = coverage;

    // A state depends only on states with one more category used: layer by layer from the full
    // sheet, the masks of one layer shared out among the threads.
    std::vector<std::vector<unsigned>> layers(CategoryCount + 1);
    for (unsigned used = 0; used < AllCategories; ++used)
        layers[std::popcount(used)].push_back(used);
    for (int layer = CategoryCount - 1; layer >= 0; --layer) {
        const std::vector<unsigned>& masks = layers[layer];
        shareOut(masks.size(), threads, [&] {
            return [&, solver = std::make_unique<BasicTurnSolver<Lanes>>()](std::size_t i) {
                if (!m_cancelled.load(std::memory_order_relaxed))
                    computeMask(masks[i], *solver, coverage);
            };
        });
    }
    if (m_cancelled.load(std::memory_order_relaxed))
        std::vector<double>().swap(m_values);
}

std::string ValueTable::toBytes() const {
    std::string bytes(Magic, sizeof Magic);
    bytes.reserve(FileSize);
    putLittle(bytes, FormatVersion, 4);
    putLittle(bytes, MaskCount, 4);
    putLittle(bytes, UpperStates, 4);
    putLittle(bytes, static_cast<std::uint32_t>(m_coverage), 4);
    putLittle(bytes, rulesFingerprint(), 8);
    const std::size_t checksumAt = bytes.size();
    static_assert(HeaderSize == 40);
    putLittle(bytes, 0, 8);
    for (double v : m_values)
        putLittle(bytes, std::bit_cast<std::uint64_t>(v), 8);
    Fnv1a checksum;
    checksum.add(bytes.data() + HeaderSize, bytes.size() - HeaderSize);
    for (int i = 0; i < 8; ++i)
        bytes[checksumAt + i] = static_cast<char>(checksum.hash >> (8 * i));
    return bytes;
}

bool ValueTable::fromBytes(std::string_view bytes) {
    if (bytes.size() != FileSize || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::uint64_t coverage = getLittle(p + 20, 4);
    if (getLittle(p + 8, 4) != FormatVersion || getLittle(p + 12, 4) != MaskCount ||
        getLittle(p + 16, 4) != UpperStates || coverage > 1 || getLittle(p + 24, 8) != rulesFingerprint())
        return false;
    Fnv1a checksum;
    checksum.add(p + HeaderSize, bytes.size() - HeaderSize);
    if (getLittle(p + 32, 8) != checksum.hash)
        return false;
    // Even a file that passes its checksum must hold a value, in range, for every state the
    // program can meet, and nothing but 0 for the full sheet.
    std::vector<double> values(ValueCount);
    for (std::size_t i = 0; i < ValueCount; ++i) {
        const double v = std::bit_cast<double>(getLittle(p + HeaderSize + 8 * i, 8));
        const auto used = static_cast<unsigned>(i / UpperStates);
        const int upper = static_cast<int>(i % UpperStates);
        const bool needed = coverage == 1 || canOccur(used, upper) || upper + upperStillPossible(used) < BonusThreshold;
        const bool inRange = v >= 0 && v <= MostPoints;
        if (!(used == AllCategories ? v == 0 : inRange || (!needed && std::isnan(v))))
            return false;
        values[i] = v;
    }
    m_values.swap(values);
    m_coverage = static_cast<Coverage>(coverage);
    return true;
}

bool ValueTable::load(const std::string& path) {
    std::string bytes;
    return readWholeFile(path, bytes, FileSize + 1) == FileRead::Ok && fromBytes(bytes);
}

bool ValueTable::save(const std::string& path) const { return ready() && writeFileAtomically(path, toBytes()); }

ValueTable::Origin ValueTable::loadOrCompute(const std::string& path, int threads, Coverage coverage) {
    if (load(path) && (coverage == Coverage::Reachable || m_coverage == Coverage::EveryTotal))
        return Origin::Loaded;
    compute(threads, coverage);
    return save(path) ? Origin::Computed : Origin::ComputedNotSaved;
}

} // namespace kwintor
