#include "mainwindow/GameEnd.h"

#include "advisor/ValueTable.h"
#include "dialogs/AnalyseForm.h"
#include "dialogs/UitslagForm.h"
#include "mainwindow/ChanceRun.h"
#include "mainwindow/Coach.h"
#include "mainwindow/GameFiles.h"
#include "mainwindow/GameFlow.h"
#include "platform/Platform.h"
#include "review/ChanceHistory.h"
#include "review/GameReview.h"

#include <QWidget>

#include <algorithm>
#include <memory>

namespace kwintor {

GameEnd::GameEnd(GameFlow& flow, Coach& coach, GameFiles& files, Clock& clock, Dialogs& dialogs, QWidget& window)
    : QObject(&window), m_flow(flow), m_coach(coach), m_files(files), m_clock(clock), m_dialogs(dialogs),
      m_window(window) {
    connect(&m_flow, &GameFlow::gameOver, this, &GameEnd::finish);
}

PlayedGame GameEnd::played() const { return {m_flow.state(), m_flow.kinds(), m_flow.decisions().decisions()}; }

PlayedGame GameEnd::reviewed() const { return m_flow.decisions().empty() && m_finished ? *m_finished : played(); }

void GameEnd::finish() {
    m_finished = played();
    recordHistory(*m_finished);
    UitslagForm dialog(m_finished->state, m_finished->kinds, &m_window);
    dialog.exec();
    if (m_flow.stopped())
        return;
    if (dialog.choice() == UitslagForm::Choice::Analyse) {
        review(*m_finished);
    } else if (dialog.choice() == UitslagForm::Choice::NieuwSpel) {
        m_flow.newGameWithSamePlayers();
        emit newGameBegun();
    }
}

void GameEnd::recordHistory(const PlayedGame& game) {
    const QString when = m_clock.now().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const GameState& s = game.state;
    std::vector<HistoryEntry> entries;
    for (int p = 1; p <= s.AantalSpelers; ++p)
        entries.push_back({when.toStdString(), s.SpelerNaam[p], static_cast<int>(s.TotaalAB[p]), 0, 0});
    auto write = [this, decisions = game.decisions, entries]() mutable {
        const GameReview review(*m_coach.table(), decisions);
        for (int p = 1; p <= static_cast<int>(entries.size()); ++p)
            if (const PlayerReview* r = review.player(p)) {
                entries[static_cast<std::size_t>(p - 1)].cost = r->cost;
                entries[static_cast<std::size_t>(p - 1)].decisions = r->decisions;
            }
        m_files.recordHistory(entries); // a history that cannot be written never stops the game
    };
    m_coach.prepare();
    if (m_coach.table())
        write();
    else
        connect(&m_coach, &Coach::tableReady, this, write, Qt::SingleShotConnection);
}

void GameEnd::review(PlayedGame game) {
    const PlayedGame reviewed = game;
    AnalyseForm dialog(std::move(game), m_files.settings().DobbelsteenKleur, m_dialogs, &m_window);
    auto weigh = [this, &dialog, reviewed] {
        dialog.setTable(*m_coach.table());
        reviewChances(dialog, reviewed);
    };
    m_coach.prepare();
    if (m_coach.table())
        weigh();
    else
        connect(&m_coach, &Coach::tableReady, &dialog, weigh);
    dialog.exec();
}

void GameEnd::reviewChances(AnalyseForm& dialog, const PlayedGame& game) {
    int players = 0;
    for (const Decision& d : game.decisions)
        players = std::max(players, d.player);
    if (players == 0)
        return;
    QStringList shown;
    for (int p = 1; p <= players; ++p)
        shown << QString::fromStdString(game.state.SpelerNaam[p]);
    auto* run = new ChanceRun(m_coach.sharedTable(), columnsThroughGame(game.decisions, players), &dialog);
    auto steps = std::make_shared<std::vector<std::vector<double>>>();
    dialog.setChances(shown, *steps, false);
    connect(run, &ChanceRun::pointDone, &dialog,
            [&dialog, shown, steps](int index, const std::vector<double>& chances) {
                if (steps->size() <= static_cast<std::size_t>(index))
                    steps->resize(static_cast<std::size_t>(index) + 1);
                (*steps)[static_cast<std::size_t>(index)] = chances;
                dialog.setChances(shown, *steps, false);
            });
    connect(run, &ChanceRun::finished, &dialog, [&dialog, shown, steps] { dialog.setChances(shown, *steps, true); });
}

} // namespace kwintor
