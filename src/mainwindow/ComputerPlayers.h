#pragma once

#include "engine/GameState.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <memory>
#include <random>

namespace kwintor {

class Coach;
class Main;
class Strategy;

// Who plays each column: 0 a person, 1..3 the computer at the levels Makkelijk, Gemiddeld and
// Sterk, indexed by player 1..6.
using PlayerKinds = std::array<int, MaxPlayers + 1>;

// The computer players. When the turn passes to one, it plays the turn itself through the
// window's own handlers, as a click would: it holds dice, throws with the animation and places,
// a step about every 0.6 s so that people can follow. Each step looks at the table anew, so a
// new game or another choice of players simply ends the turn at its next step.
class ComputerPlayers : public QObject {
    Q_OBJECT
public:
    static constexpr int StepMilliseconds = 600;

    ComputerPlayers(Main& main, Coach& coach);
    ~ComputerPlayers() override;

    const PlayerKinds& kinds() const { return m_kinds; }
    void setKinds(const PlayerKinds& kinds);
    bool isComputer(int player) const { return player >= 1 && player <= MaxPlayers && m_kinds[player] > 0; }
    // A computer is on turn: clicks of people on dice, cells and the throw button do nothing.
    bool onTurn(const GameState& state) const;
    // How long a step takes; people need about 0.6 s to follow, a test none.
    void setStepInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    // Plans the next step when a computer is on turn and has a move to make.
    void wake(const GameState& state);

private:
    void step();
    const Strategy* strategy(int kind);

    Main& m_main;
    Coach& m_coach;
    QTimer m_timer;
    PlayerKinds m_kinds{};
    std::mt19937_64 m_random;
    std::array<std::unique_ptr<Strategy>, 4> m_strategies;
};

} // namespace kwintor
