#pragma once

#include "engine/PlayerKind.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <array>
#include <atomic>
#include <memory>
#include <random>

namespace kwintor {

class Coach;
class GameFlow;
class SpreadTable;
class Strategy;

// The computer players. When the turn passes to one, it plays the turn itself through the
// game's flow, as a click would: it holds dice, throws with the animation and places,
// a step about every 0.6 s so that people can follow. Each step looks at the table anew, so a
// new game or another choice of players simply ends the turn at its next step.
class ComputerPlayers : public QObject {
    Q_OBJECT
public:
    static constexpr int StepMilliseconds = 600;

    ComputerPlayers(GameFlow& flow, Coach& coach);
    ~ComputerPlayers() override;

    // How long a step takes; people need about 0.6 s to follow, a test none.
    void setStepInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    // Plans the next step when a computer is on turn and has a move to make.
    void wake();

private:
    void step();
    const Strategy* strategy(PlayerKind kind);
    // "Meester" also needs the spread of Sterk's totals, made once on a thread of its own.
    void prepareSpread();

    GameFlow& m_flow;
    Coach& m_coach;
    QTimer m_timer;
    std::mt19937_64 m_random;
    std::array<std::unique_ptr<Strategy>, PlayerKindCount> m_strategies;
    std::shared_ptr<const SpreadTable> m_spread;
    std::shared_ptr<std::atomic<bool>> m_spreadCancel = std::make_shared<std::atomic<bool>>(false);
    QPointer<QThread> m_spreadWorker;
};

} // namespace kwintor
