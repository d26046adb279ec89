#include "mainwindow/GameFlow.h"

#include "mainwindow/GameFiles.h"
#include "mainwindow/SheetTexts.h"
#include "persistence/ScoreList.h"
#include "platform/Platform.h"

#include <QWidget>

#include <utility>

namespace kwintor {

GameFlow::GameFlow(Platform& platform, GameFiles& files, QWidget& window)
    : QObject(&window), m_platform(platform), m_files(files), m_window(window), m_game(defaultPlayerNames()) {}

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

void GameFlow::throwDice() {
    const GameState before = state();
    if (!m_game.beginThrow()) {
        if (!throwing() && state().WorpTeller >= 3)
            emit refused(Refusal::NoThrowsLeft);
        return;
    }
    m_decisions.held(before);
    emit throwBegun();
    m_platform.beep();
    // Each rolling die shows five faces a tenth of a second apart; the last one stays.
    constexpr int Frames = 5;
    const auto rolling = m_game.rolling();
    for (int die = 1; die <= DiceCount; ++die) {
        for (int frame = 0; rolling[die] && frame < Frames; ++frame) {
            m_game.settleDie(die, m_platform.randomFace());
            emit dieSettled(die);
            m_platform.Pauze(0.1);
            if (m_stopped)
                return;
        }
    }
    m_game.endThrow();
    moved();
    emit thrown();
    m_pending.release([this] { return throwing(); });
}

void GameFlow::toggleHold(int die) {
    if (state().WorpTeller == 0 && !throwing()) {
        emit refused(Refusal::NotThrownYet);
        return;
    }
    m_game.toggleHold(die);
    moved();
}

void GameFlow::place(int player, int row) {
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
    if (isComputer(player))
        m_game.forgetUndo(); // a person takes back his own misclick, not the computer's move
    moved();
    emit placed(player, row);
    if (result == PlaceResult::PlayerFinished)
        playerEnds(player);
}

void GameFlow::playerEnds(int player) {
    if (!isComputer(player)) { // the score list is for people
        const GameState& s = state();
        const bool yes = m_platform.ask(&m_window,
                                        tr("Score van %1 toegevoegen aan de\r\nscorelijst voor %2?")
                                            .arg(s.TotaalAB[player])
                                            .arg(QString::fromStdString(s.SpelerNaam[player])),
                                        tr(" Score"), m_spokenFirst ? m_spokenFirst() : QString());
        m_game.forgetUndo(); // answered: the placement that ended the column stands
        emit changed();
        if (yes) {
            if (!m_files.recordScore(s.TotaalAB[player], s.SpelerNaam[player])) {
                m_platform.messageBox(&m_window,
                                      tr("De scorelijst is vol (%1 namen). Verwijder eerst namen uit de lijst.")
                                          .arg(ScoreList::MaxEntries),
                                      Platform::Buttons::Ok, tr(" Scorelijst"));
            } else {
                m_platform.Pauze(1);
                if (!m_stopped)
                    emit scoreRecorded();
            }
        }
    }
    if (m_stopped)
        return;
    for (int p = 1; p <= state().AantalSpelers; ++p)
        if (!m_game.playerFinished(p))
            return;
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
