#pragma once

#include "engine/Game.h"
#include "engine/PlayerKind.h"
#include "mainwindow/CommandQueue.h"
#include "review/DecisionLog.h"

#include <QObject>

#include <functional>

namespace kwintor {

class Clock;
class DiceRoller;
class GameFiles;
class SoundPlayer;
struct KeptGame;

// Who makes a move: a person by mouse or key, or a computer player.
enum class Mover { Person, Computer };

// Why a move did nothing; the window says so where a player needs to know.
enum class Refusal {
    NotOnTurn,    // a cell of another player's column
    NotThrownYet, // a hold or a placement before the turn's first throw
    NoThrowsLeft, // a fourth throw
};

// The game as it is played: the rules, who plays each column, the throw with its animation,
// holds, placements, undo, a new game, the end of a player's game and the keeping of the game for
// the next start. It is the one door into the game: clicks, keys and the computer players all
// move through it, so they obey the same rules, and while a computer plays its turn the moves of
// people do nothing. It tells what changed, and never draws nor asks.
class GameFlow : public QObject {
    Q_OBJECT
public:
    // The dice come from `dice`, a throw sounds on `sound` and waits on `clock`; the game is
    // kept in `files` for the next start.
    GameFlow(DiceRoller& dice, SoundPlayer& sound, Clock& clock, GameFiles& files, QObject* parent = nullptr);

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

    // The moves. Each one the rules refuse changes nothing; so does a person's move while a
    // computer plays the turn.
    void throwDice(Mover who = Mover::Person);
    void toggleHold(int die, Mover who = Mover::Person);
    void place(int player, int row, Mover who = Mover::Person);
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
    // The player placed his thirteenth score; his last placement can no longer be taken back.
    // Emitted before gameOver(), so that a person's score question is answered first.
    void playerEnded(int player);
    // Every player in play has placed his thirteenth score.
    void gameOver();

private:
    void moved();
    bool refusesPerson(Mover who) const { return who == Mover::Person && computerOnTurn(); }

    DiceRoller& m_dice;
    SoundPlayer& m_sound;
    Clock& m_clock;
    GameFiles& m_files;
    Game m_game;
    PlayerKinds m_kinds{};
    DecisionLog m_decisions;
    CommandQueue m_pending;
    bool m_stopped = false;
    bool m_keeping = true;
};

} // namespace kwintor
