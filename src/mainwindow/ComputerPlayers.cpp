#include "mainwindow/ComputerPlayers.h"

#include "advisor/Position.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"
#include "mainwindow/Coach.h"
#include "mainwindow/GameFlow.h"

#include <QApplication>

namespace kwintor {

namespace {

Level levelOf(PlayerKind kind) {
    return kind == PlayerKind::Sterk ? Level::Strong : kind == PlayerKind::Gemiddeld ? Level::Medium : Level::Easy;
}

} // namespace

ComputerPlayers::ComputerPlayers(GameFlow& flow, Coach& coach)
    : QObject(&flow), m_flow(flow), m_coach(coach), m_random(std::random_device{}()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(StepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ComputerPlayers::step);
    connect(&flow, &GameFlow::changed, this, &ComputerPlayers::wake);
}

ComputerPlayers::~ComputerPlayers() = default;

void ComputerPlayers::wake() {
    for (int p = 1; p <= MaxPlayers; ++p)
        if (m_flow.kinds()[p] == PlayerKind::Sterk)
            m_coach.prepare(); // the strong player plays from the advisor's table
    const GameState& state = m_flow.state();
    if (m_flow.computerOnTurn() && !state.throwing && !m_flow.game().playerFinished(state.AanDeBeurt) &&
        !m_flow.stopped())
        m_timer.start();
    else
        m_timer.stop();
}

const Strategy* ComputerPlayers::strategy(PlayerKind kind) {
    const ValueTable* table = m_coach.table();
    auto& made = m_strategies[std::size_t(kind)];
    if (!made) {
        if (kind == PlayerKind::Sterk && !table)
            return nullptr; // the strong player waits for the table, a step at a time
        static const ValueTable none;
        made = makeStrategy(levelOf(kind), table ? *table : none);
    }
    return made.get();
}

void ComputerPlayers::step() {
    const GameState& state = m_flow.state();
    if (!m_flow.computerOnTurn() || state.throwing || m_flow.stopped())
        return;
    const int player = state.AanDeBeurt;
    const Strategy* chosen = strategy(m_flow.kinds()[player]);
    // While a question or a dialog is open, the computer waits for it to be answered.
    if (!chosen || QApplication::activeModalWidget()) {
        m_timer.start();
        return;
    }
    const Action action = chosen->decide(positionOf(state, player), m_random);
    if (action.kind == Action::Kind::Place) {
        m_flow.place(player, action.row);
        return;
    }
    // First the holds, so that people see the red frames; the throw follows at the next step.
    bool changed = false;
    for (int die = 1; die <= DiceCount; ++die)
        if (state.Vastgezet[die] != bool(action.keep & (1u << (die - 1)))) {
            m_flow.toggleHold(die);
            changed = true;
        }
    if (changed)
        m_timer.start();
    else
        m_flow.throwDice();
}

} // namespace kwintor
