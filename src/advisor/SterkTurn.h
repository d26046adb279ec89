#pragma once

#include "advisor/DiceSets.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kwintor {

class ValueTable;

// A small, quick generator of random numbers (SplitMix64) for simulated turns, where millions of
// dice are drawn and a generator is started for every group of them.
class QuickDice {
public:
    using result_type = std::uint64_t;
    explicit QuickDice(std::uint64_t seed) : m_state(seed) {}
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type(0); }
    result_type operator()() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // A number in [0, 1).
    double uniform() { return static_cast<double>((*this)() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

// One turn of a column played as "Sterk" plays it: after each throw the hold worth most, or the
// placement when no hold is worth more, and the open category worth most. Solved once per column
// state, so that many turns of that state cost a few look-ups each.
class SterkTurn {
public:
    // `upper` is the column's upper total; the table must cover the state.
    SterkTurn(const ValueTable& table, unsigned used, int upper);

    // After throw 1 or 2 showing `outcome` (a DiceSets five-dice set): the keep to throw again
    // with, or -1 to place now.
    int choice(int throwMade, int outcome) const;
    // The open category the dice `outcome` go into at the end of the turn.
    int category(int outcome) const;
    // What placing `outcome` in `category` adds to the grand total, the bonus included.
    int gain(int category, int outcome) const;
    int upperAfter(int category, int outcome) const;

    // How a turn ends: its chance, the category filled and the dice placed there.
    struct Ending {
        double chance;
        int category;
        int outcome;
    };
    // Every way the turn can end from throw `throwMade` showing `outcome` (throwMade 0: before
    // the first throw, `outcome` unused), with its chance.
    std::vector<Ending> endings(int throwMade, int outcome) const;
    // One turn from the same point, with dice drawn from `rng`: the outcome placed.
    int play(int throwMade, int outcome, QuickDice& rng) const;

    // Five dice thrown afresh after keeping `keep`: each outcome with its chance.
    struct Roll {
        int outcome;
        double chance;
    };
    static const std::vector<Roll>& rolls(int keep);

private:
    unsigned m_used;
    int m_upper;
    const ValueTable& m_table;
    std::array<double, DiceSets::OutcomeCount> m_place{};
    std::array<double, DiceSets::FirstOutcome> m_keep1{}, m_keep2{};
    mutable std::array<std::int16_t, DiceSets::OutcomeCount> m_choice1{}, m_choice2{};
    mutable std::array<std::int8_t, DiceSets::OutcomeCount> m_category{};
};

} // namespace kwintor
