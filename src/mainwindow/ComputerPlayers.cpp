#include "mainwindow/ComputerPlayers.h"

#include "advisor/Position.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"
#include "mainwindow/Coach.h"
#include "mainwindow/Main.h"

namespace kwintor {

ComputerPlayers::ComputerPlayers(Main& main, Coach& coach)
    : QObject(&main), m_main(main), m_coach(coach), m_random(std::random_device{}()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(StepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ComputerPlayers::step);
}

ComputerPlayers::~ComputerPlayers() = default;

void ComputerPlayers::setKinds(const PlayerKinds& kinds) {
    for (int p = 1; p <= MaxPlayers; ++p) {
        m_kinds[p] = kinds[p] >= 0 && kinds[p] <= 3 ? kinds[p] : 0;
        if (m_kinds[p] == 3)
            m_coach.prepare();
    }
}

bool ComputerPlayers::onTurn(const GameState& state) const {
    return state.AanDeBeurt <= state.AantalSpelers && isComputer(state.AanDeBeurt);
}

void ComputerPlayers::wake(const GameState& state) {
    if (onTurn(state) && !state.throwing && !m_main.game().playerFinished(state.AanDeBeurt) && !m_main.closing())
        m_timer.start();
    else
        m_timer.stop();
}

const Strategy* ComputerPlayers::strategy(int kind) {
    const ValueTable* table = m_coach.table();
    if (!m_strategies[kind]) {
        if (kind == 3 && !table)
            return nullptr; // the strong player waits for the table, a step at a time
        static const ValueTable none;
        m_strategies[kind] = makeStrategy(Level(kind - 1), table ? *table : none);
    }
    return m_strategies[kind].get();
}

void ComputerPlayers::step() {
    const GameState& state = m_main.game().state();
    if (!onTurn(state) || state.throwing || m_main.closing())
        return;
    const int player = state.AanDeBeurt;
    const Strategy* chosen = strategy(m_kinds[player]);
    if (!chosen) {
        m_timer.start();
        return;
    }
    const Action action = chosen->decide(positionOf(state, player), m_random);
    if (action.kind == Action::Kind::Place) {
        m_main.SP_Click(player, action.row);
        return;
    }
    // First the holds, so that people see the red frames; the throw follows at the next step.
    bool changed = false;
    for (int die = 1; die <= DiceCount; ++die)
        if (state.Vastgezet[die] != bool(action.keep & (1u << (die - 1)))) {
            m_main.DobbelsteenPic_Click(die);
            changed = true;
        }
    if (changed)
        m_timer.start();
    else
        m_main.SchudKnop_Click();
}

} // namespace kwintor
