#pragma once

#include "engine/GameState.h"
#include "widgets/Speaker.h"

namespace kwintor {

// Says what happens in the game to a screen reader (see Speaker): each change of the state
// that is worth saying, as announcement() words it.
class Announcer : public Speaker {
public:
    using Speaker::Speaker;
    // What changed in the game since the last call that is worth saying, said at once.
    void update(const GameState& state);

private:
    GameState m_seen;
};

} // namespace kwintor
