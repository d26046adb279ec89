#include "mainwindow/WinChanceWatch.h"

#include "advisor/ValueTable.h"
#include "dialogs/ChanceChart.h"
#include "dialogs/WinkansForm.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/Coach.h"
#include "mainwindow/GameFlow.h"
#include "review/ChanceHistory.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace kwintor {

namespace {

bool sameColumns(const std::vector<ColumnState>& a, const std::vector<ColumnState>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) { return x.sameFuture(y); });
}

// The columns as they stand at the start of the turn: the dice on the table do not count.
std::vector<ColumnState> placedColumns(const GameState& state) {
    std::vector<ColumnState> columns;
    for (int p = 1; p <= std::clamp<int>(state.AantalSpelers, 1, MaxPlayers); ++p) {
        ColumnState c = WinChance::columnOf(state, p);
        c.throwNumber = 0;
        c.dice = {};
        columns.push_back(c);
    }
    return columns;
}

} // namespace

// What one computation works out: the chances now, then the rounds not known yet.
struct WinChanceWatch::Job {
    std::vector<ColumnState> now;
    std::vector<std::pair<int, std::vector<ColumnState>>> rounds;
};

WinChanceWatch::WinChanceWatch(GameFlow& flow, Coach& coach, Announcer& announcer, QWidget& window)
    : QObject(&window), m_flow(flow), m_coach(coach), m_announcer(announcer), m_window(window) {
    connect(&m_flow, &GameFlow::changed, this, &WinChanceWatch::refresh);
}

// A computation under way is called off and waited for: it ends at its next group of games.
WinChanceWatch::~WinChanceWatch() {
    if (m_cancel)
        m_cancel->store(true);
    if (m_worker)
        m_worker->wait();
}

bool WinChanceWatch::isOpen() const { return m_form && m_form->isVisible(); }

void WinChanceWatch::open() {
    if (!m_form) {
        m_form = new WinkansForm(&m_window);
        connect(m_form, &WinkansForm::closed, this, [this] {
            if (m_cancel)
                m_cancel->store(true); // nothing goes on computing for a closed window
        });
        // Beside the game, on the side where the screen has room.
        const QRect game = m_window.frameGeometry();
        const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        int left = game.right() + 8;
        if (left + m_form->width() > room.right())
            left = std::max(room.left(), game.left() - m_form->width() - 8);
        m_form->move(left, std::clamp(game.top(), room.top(), std::max(room.top(), room.bottom() - m_form->height())));
    }
    m_leader = 0;
    QWidget* focus = QApplication::focusWidget();
    m_form->show();
    if (focus && focus->window() == &m_window) { // where the window manager gave it the keys anyway
        m_window.activateWindow();
        focus->setFocus();
    }
    refresh();
}

void WinChanceWatch::refresh() {
    if (!isOpen())
        return;
    if (!m_chance) {
        m_coach.prepare();
        if (!m_coach.sharedTable()) {
            m_form->setStatus(WinkansForm::Status::WaitingForTable);
            if (!m_waitingForTable) {
                m_waitingForTable = true;
                connect(&m_coach, &Coach::tableReady, this, &WinChanceWatch::refresh, Qt::SingleShotConnection);
            }
            return;
        }
        m_table = m_coach.sharedTable();
        m_chance = std::make_shared<WinChance>(*m_table);
    }
    const GameState& state = m_flow.state();
    if (m_worker) {
        // The figures under way are finished (so that a quick game cannot starve them), the
        // rounds after them left for the next computation, which starts from the game as it is
        // then. A throw changes nothing that counts; a computation called off by a close does.
        if (m_cancel->load() || !sameColumns(placedColumns(state), m_runningColumns)) {
            m_again = true;
            m_superseded->store(true);
        }
        return;
    }
    m_names.clear();
    for (int p = 1; p <= std::clamp<int>(state.AantalSpelers, 1, MaxPlayers); ++p)
        m_names << QString::fromStdString(state.SpelerNaam[p]);

    auto job = std::make_shared<Job>();
    job->now = placedColumns(state);
    // The rounds of the game so far, from its decisions; those already known stay.
    const auto steps = columnsThroughGame(m_flow.decisions().decisions(), static_cast<int>(job->now.size()));
    const std::vector<std::size_t> ends =
        sameColumns(steps.back(), job->now) ? roundEnds(steps) : std::vector<std::size_t>{};
    for (auto it = m_rounds.begin(); it != m_rounds.end();)
        it = it->first >= static_cast<int>(ends.size()) || !sameColumns(it->second.first, steps[ends[it->first]])
                 ? m_rounds.erase(it)
                 : std::next(it);
    for (std::size_t r = 0; r < ends.size(); ++r)
        if (!m_rounds.count(static_cast<int>(r)))
            job->rounds.emplace_back(static_cast<int>(r), steps[ends[r]]);

    if (sameColumns(job->now, m_shownColumns) && job->rounds.empty()) {
        m_form->setChances(m_names, m_shown); // the names may have changed
        showRounds();
        m_form->setStatus(WinkansForm::Status::Ready);
        return;
    }
    start(job);
}

void WinChanceWatch::start(std::shared_ptr<const Job> job) {
    m_form->setStatus(WinkansForm::Status::Computing);
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_superseded = std::make_shared<std::atomic<bool>>(false);
    m_runningColumns = job->now;
    QPointer<WinChanceWatch> self(this);
    auto post = [self](auto&& show) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, show = std::move(show)] {
                if (self)
                    show(*self);
            },
            Qt::QueuedConnection);
    };
    QThread* worker =
        QThread::create([job, chance = m_chance, table = m_table, cancel = m_cancel, superseded = m_superseded, post] {
            const std::vector<double> now = chance->chances(job->now, cancel.get());
            if (!now.empty())
                post([job, now](WinChanceWatch& w) { w.showNow(job->now, now); });
            for (const auto& [round, columns] : job->rounds) {
                if (cancel->load() || superseded->load())
                    break;
                const std::vector<double> then = chance->chances(columns, cancel.get());
                if (!then.empty())
                    post([round, columns, then](WinChanceWatch& w) { w.showRound(round, columns, then); });
            }
            post([](WinChanceWatch& w) { w.ended(); });
        });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->setObjectName(QStringLiteral("Winkans"));
    m_worker = worker;
    worker->start(QThread::LowPriority);
}

void WinChanceWatch::showNow(const std::vector<ColumnState>& columns, const std::vector<double>& chances) {
    m_shownColumns = columns;
    m_shown.assign(chances.begin() + 1, chances.end());
    if (!m_form)
        return;
    m_form->setChances(m_names, m_shown);
    // A single player with the best chance; equal best chances name no leader.
    const auto best = std::max_element(m_shown.begin(), m_shown.end());
    const bool single = m_shown.size() > 1 &&
                        std::count_if(m_shown.begin(), m_shown.end(), [&](double c) { return c > *best - 1e-9; }) == 1;
    const int leader = single ? static_cast<int>(best - m_shown.begin()) + 1 : 0;
    if (leader != 0 && m_leader != 0 && leader != m_leader && isOpen())
        m_announcer.say(
            tr("%1 heeft nu de grootste winkans, %2.")
                .arg(m_names.value(leader - 1), percentText(m_shown[static_cast<std::size_t>(leader - 1)])));
    if (leader != 0)
        m_leader = leader;
    emit shown();
}

void WinChanceWatch::showRound(int round, const std::vector<ColumnState>& columns, const std::vector<double>& chances) {
    m_rounds[round] = {columns, std::vector<double>(chances.begin() + 1, chances.end())};
    showRounds();
}

void WinChanceWatch::showRounds() {
    if (!m_form)
        return;
    std::vector<std::vector<double>> rounds;
    for (const auto& [round, known] : m_rounds) {
        if (known.second.size() != static_cast<std::size_t>(m_names.size()))
            continue;
        rounds.resize(static_cast<std::size_t>(round) + 1);
        rounds[static_cast<std::size_t>(round)] = known.second;
    }
    m_form->setRounds(m_names, rounds);
}

void WinChanceWatch::ended() {
    m_worker = nullptr;
    if (m_again) {
        m_again = false;
        refresh();
        return;
    }
    if (m_form)
        m_form->setStatus(WinkansForm::Status::Ready);
    emit shown();
}

QString WinChanceWatch::spokenChances() const {
    if (!isOpen() || m_shown.empty())
        return {};
    QStringList parts;
    for (int p = 0; p < m_names.size() && p < static_cast<int>(m_shown.size()); ++p)
        parts << m_names[p] + QStringLiteral(" ") + percentText(m_shown[static_cast<std::size_t>(p)]);
    return tr("Winkans: %1.").arg(parts.join(QStringLiteral(", ")));
}

} // namespace kwintor
