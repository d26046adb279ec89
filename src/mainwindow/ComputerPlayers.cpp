#include "mainwindow/ComputerPlayers.h"

#include "advisor/MasterStrategy.h"
#include "advisor/Position.h"
#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"
#include "mainwindow/Coach.h"
#include "mainwindow/GameFlow.h"

#include <QApplication>
#include <QCoreApplication>

namespace kwintor {

ComputerPlayers::ComputerPlayers(GameFlow& flow, Coach& coach)
    : QObject(&flow), m_flow(flow), m_coach(coach), m_random(std::random_device{}()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(StepMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ComputerPlayers::step);
    connect(&flow, &GameFlow::changed, this, &ComputerPlayers::wake);
}

// The spread table still being made is called off and waited for: it ends at its next state.
ComputerPlayers::~ComputerPlayers() {
    m_spreadCancel->store(true);
    if (m_spreadWorker)
        m_spreadWorker->wait();
}

void ComputerPlayers::prepareSpread() {
    if (m_spreadWorker || m_spread)
        return;
    const std::shared_ptr<const ValueTable> table = m_coach.sharedTable();
    if (!table) {
        connect(&m_coach, &Coach::tableReady, this, &ComputerPlayers::wake, Qt::UniqueConnection);
        return;
    }
    QPointer<ComputerPlayers> self(this);
    QThread* worker = QThread::create([self, table, cancel = m_spreadCancel] {
        auto spread = std::make_shared<SpreadTable>();
        spread->compute(*table, std::max(1, QThread::idealThreadCount()), cancel.get());
        if (!spread->ready())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, spread] {
                if (!self)
                    return;
                self->m_spread = spread;
                self->wake();
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->setObjectName(QStringLiteral("Meester"));
    m_spreadWorker = worker;
    worker->start(QThread::LowPriority);
}

void ComputerPlayers::wake() {
    for (int p = 1; p <= MaxPlayers; ++p) {
        const PlayerKind kind = m_flow.kinds()[p];
        if (kind == PlayerKind::Sterk || kind == PlayerKind::Meester)
            m_coach.prepare(); // the strong players play from the advisor's table
        if (kind == PlayerKind::Meester)
            prepareSpread();
    }
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
        made = makeStrategy(kind, table ? *table : none);
    }
    return made.get();
}

void ComputerPlayers::step() {
    const GameState& state = m_flow.state();
    if (!m_flow.computerOnTurn() || state.throwing || m_flow.stopped())
        return;
    const int player = state.AanDeBeurt;
    const bool master = m_flow.kinds()[player] == PlayerKind::Meester;
    const Strategy* chosen = master ? nullptr : strategy(m_flow.kinds()[player]);
    const bool ready = master ? m_coach.table() && m_spread : chosen != nullptr;
    // While a question or a dialog is open, the computer waits for it to be answered.
    if (!ready || QApplication::activeModalWidget()) {
        m_timer.start();
        return;
    }
    Action action;
    if (master) {
        // Meester weighs its moves against every other player in play.
        std::vector<Rival> rivals;
        for (int p = 1; p <= state.AantalSpelers; ++p)
            if (p != player) {
                const Position other = positionOf(state, p);
                rivals.push_back({other.used, other.upper, static_cast<int>(state.TotaalAB[p])});
            }
        action = masterMove(*m_coach.table(), *m_spread, positionOf(state, player), state.TotaalAB[player], rivals);
    } else {
        action = chosen->decide(positionOf(state, player), m_random);
    }
    if (action.kind == Action::Kind::Place) {
        m_flow.place(player, action.row, Mover::Computer);
        return;
    }
    // First the holds, so that people see the red frames; the throw follows at the next step.
    bool changed = false;
    for (int die = 1; die <= DiceCount; ++die)
        if (state.Vastgezet[die] != bool(action.keep & (1u << (die - 1)))) {
            m_flow.toggleHold(die, Mover::Computer);
            changed = true;
        }
    if (changed)
        m_timer.start();
    else
        m_flow.throwDice(Mover::Computer);
}

} // namespace kwintor
