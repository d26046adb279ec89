#include "mainwindow/GameFlow.h"

#include "mainwindow/GameFiles.h"
#include "mainwindow/SheetTexts.h"
#include "platform/Platform.h"

#include <utility>

namespace kwintor {

GameFlow::GameFlow(DiceRoller& dice, SoundPlayer& sound, Clock& clock, GameFiles& files, QObject* parent)
    : QObject(parent), m_dice(dice), m_sound(sound), m_clock(clock), m_files(files), m_game(defaultPlayerNames()) {}

bool GameFlow::isComputer(int player) const {
    return player >= 1 && player <= MaxPlayers && kwintor::isComputer(m_kinds[player]);
}

bool GameFlow::computerOnTurn() const {
    const GameState& s = state();
    return s.AanDeBeurt <= s.AantalSpelers && isComputer(s.AanDeBeurt);
}

void GameFlow::moved() {
    if (m_keeping)
        m_files.keepGame({state(), m_kinds, m_decisions.decisions()});
    emit changed();
}

void GameFlow::throwDice(Mover who) {
    if (refusesPerson(who))
        return;
    const GameState before = state();
    if (!m_game.beginThrow()) {
        if (!throwing() && state().WorpTeller >= 3)
            emit refused(Refusal::NoThrowsLeft);
        return;
    }
    m_decisions.held(before);
    emit throwBegun();
    m_sound.play(Sound::Throw);
    // Each rolling die shows five faces a tenth of a second apart; the last one stays.
    constexpr int Frames = 5;
    const auto rolling = m_game.rolling();
    for (int die = 1; die <= DiceCount; ++die) {
        for (int frame = 0; rolling[die] && frame < Frames; ++frame) {
            m_game.settleDie(die, m_dice.randomFace());
            emit dieSettled(die);
            m_clock.Pauze(0.1);
            if (m_stopped)
                return;
        }
    }
    m_game.endThrow();
    moved();
    emit thrown();
    m_pending.release([this] { return throwing(); });
}

void GameFlow::toggleHold(int die, Mover who) {
    if (refusesPerson(who))
        return;
    if (state().WorpTeller == 0 && !throwing()) {
        emit refused(Refusal::NotThrownYet);
        return;
    }
    m_game.toggleHold(die);
    moved();
}

void GameFlow::place(int player, int row, Mover who) {
    if (refusesPerson(who))
        return;
    const bool beforeFirstThrow = state().WorpTeller == 0 && !throwing() && player == state().AanDeBeurt;
    const GameState before = state();
    const PlaceResult result = m_game.place(player, row);
    if (result == PlaceResult::Ignored) {
        if (beforeFirstThrow && isCategoryRow(row))
            emit refused(Refusal::NotThrownYet);
        return;
    }
    if (result == PlaceResult::NotOnTurn) {
        emit refused(Refusal::NotOnTurn);
        return;
    }
    m_decisions.placed(before, row);
    const bool ends = result == PlaceResult::PlayerFinished;
    // A person takes back his own misclick, not the computer's move; the placement that ends a
    // column stands, since its score may go onto the score list.
    if (isComputer(player) || ends)
        m_game.forgetUndo();
    moved();
    emit placed(player, row);
    if (!ends)
        return;
    emit playerEnded(player);
    if (!m_stopped && m_game.over())
        emit gameOver();
}

void GameFlow::whenIdle(std::function<void()> command) { m_pending.run(throwing(), std::move(command)); }

void GameFlow::undo() {
    whenIdle([this] {
        if (m_game.undo()) {
            m_decisions.undoLast();
            moved();
        }
    });
}

void GameFlow::newGame() {
    m_game.newGame();
    m_decisions.clear();
    m_kinds = {}; // the players are new, and people
    moved();
}

void GameFlow::newGameWithSamePlayers() {
    const GameState s = state();
    if (!m_game.newGame())
        return;
    m_decisions.clear();
    m_game.choosePlayers(s.AantalSpelers, s.SpelerNaam);
    moved();
}

void GameFlow::choosePlayers(int count, const PlayerNames& names) {
    m_game.choosePlayers(count, names);
    moved();
}

void GameFlow::setKinds(const PlayerKinds& kinds) {
    for (int p = 1; p <= MaxPlayers; ++p)
        m_kinds[p] = playerKindOf(int(kinds[p]));
    moved();
}

void GameFlow::resume(const KeptGame& kept) {
    m_game.restore(kept.state);
    m_decisions.restore(kept.decisions);
    setKinds(kept.kinds);
}

} // namespace kwintor
