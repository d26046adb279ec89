#pragma once

#include "advisor/Action.h"
#include "advisor/Position.h"
#include "engine/PlayerKind.h"

#include <memory>
#include <random>

namespace kwintor {

class ValueTable;

// How a computer player chooses its moves. It sees only what a player sees on the table (the
// Position), never the dice to come; `rng` is for strategies that play with a little chance.
// Before the first throw of a turn every strategy throws and holds nothing; after the third it
// places.
class Strategy {
public:
    virtual ~Strategy() = default;
    virtual Action decide(const Position& position, std::mt19937_64& rng) const = 0;
};

// The strategy of a computer player: Makkelijk, Gemiddeld or Sterk; Sterk reads `table`, which
// must outlive it. Meester weighs each turn against his rivals (masterMove) and has none, nor has
// a person: null for both.
std::unique_ptr<Strategy> makeStrategy(PlayerKind kind, const ValueTable& table);

} // namespace kwintor
