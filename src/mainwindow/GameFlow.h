#pragma once

#include "engine/Game.h"
#include "engine/PlayerKind.h"
#include "mainwindow/CommandQueue.h"
#include "review/DecisionLog.h"

#include <QObject>

#include <functional>

class QWidget;

namespace kwintor {

class GameFiles;
class Platform;
struct KeptGame;

// Why a move did nothing; the window says so where a player needs to know.
enum class Refusal {
    NotOnTurn,    // a cell of another player's column
    NotThrownYet, // a hold or a placement before the turn's first throw
    NoThrowsLeft, // a fourth throw
};

// The game as it is played: the rules, who plays each column, the throw with its animation,
// holds, placements, undo, a new game, the end of a player's game and the keeping of the game for
// the next start. Clicks, keys and the computer players all move through it, so they obey the
// same rules; it tells the window what changed and never draws.
class GameFlow : public QObject {
    Q_OBJECT
public:
    // Questions at the end of a player's game are asked over `window`.
    GameFlow(Platform& platform, GameFiles& files, QWidget& window);

    const Game& game() const { return m_game; }
    const GameState& state() const { return m_game.state(); }
    const PlayerKinds& kinds() const { return m_kinds; }
    // Every hold and placement of the game, kept with it (and of the game just finished).
    const DecisionLog& decisions() const { return m_decisions; }
    bool isComputer(int player) const;
    // A computer plays the turn: the clicks and keys of people do nothing.
    bool computerOnTurn() const;
    // A throw is under way: commands that change the game wait for its end.
    bool throwing() const { return m_game.state().throwing; }

    // The window closes: a throw under way stops at its next frame, and nothing more happens.
    void stop() { m_stopped = true; }
    bool stopped() const { return m_stopped; }

    // The moves. Each one the rules refuse changes nothing.
    void throwDice();
    void toggleHold(int die);
    void place(int player, int row);
    void undo();
    void newGame();
    // A new game with the same players, names and computer players.
    void newGameWithSamePlayers();
    void choosePlayers(int count, const PlayerNames& names);
    void setKinds(const PlayerKinds& kinds);
    // Takes up a game kept at an earlier end.
    void resume(const KeptGame& kept);

    // Runs a command now, or at the end of the throw under way.
    void whenIdle(std::function<void()> command);
    // What a screen reader should hear before the score question (what the placement brought,
    // which the question would otherwise cut short).
    void setSpokenFirst(std::function<QString()> spokenFirst) { m_spokenFirst = std::move(spokenFirst); }
    // While an earlier game still waits for its question, nothing overwrites the kept file.
    void setKeeping(bool keeping) { m_keeping = keeping; }

signals:
    // After every move: the window draws the state anew.
    void changed();
    // A throw begins (the counter is up, the rolling dice are blank) and each frame settles a die.
    void throwBegun();
    void dieSettled(int die);
    // The dice lie still.
    void thrown();
    void placed(int player, int row);
    void refused(Refusal why);
    // A person's score went onto the score list: the list is shown.
    void scoreRecorded();
    // Every player in play has placed his thirteenth score, and his score question is answered.
    void gameOver();

private:
    void moved();
    // The player's thirteenth score: the score question, and the score list.
    void playerEnds(int player);

    Platform& m_platform;
    GameFiles& m_files;
    QWidget& m_window;
    Game m_game;
    PlayerKinds m_kinds{};
    DecisionLog m_decisions;
    CommandQueue m_pending;
    bool m_stopped = false;
    bool m_keeping = true;
    std::function<QString()> m_spokenFirst;
};

} // namespace kwintor
