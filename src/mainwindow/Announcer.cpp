#include "mainwindow/Announcer.h"

#include "mainwindow/SpokenTexts.h"

namespace kwintor {

void Announcer::update(const GameState& state) {
    say(announcement(m_seen, state));
    m_seen = state;
}

} // namespace kwintor
