#include "mainwindow/Main.h"

#include "advisor/ValueTable.h"
#include "dialogs/UitslagForm.h"
#include "mainwindow/ChanceRun.h"
#include "mainwindow/Coach.h"
#include "mainwindow/GameFlow.h"
#include "platform/Platform.h"
#include "review/ChanceHistory.h"
#include "review/GameReview.h"

#include <QPushButton>

namespace kwintor {

// ---- the end of a whole game: the history, the final order and the review ----

AnalyseForm::Game Main::reviewedGame() const {
    return {m_flow->state().SpelerNaam, m_flow->kinds(), m_flow->decisions().decisions()};
}

void Main::finishGame() {
    m_finished = reviewedGame();
    recordHistory(*m_finished);
    UitslagForm dialog(m_flow->state(), m_flow->kinds(), this);
    dialog.exec();
    if (closing())
        return;
    if (dialog.choice() == UitslagForm::Choice::Analyse) {
        openAnalyse(*m_finished);
    } else if (dialog.choice() == UitslagForm::Choice::NieuwSpel) {
        m_flow->newGameWithSamePlayers();
        m_schudKnop->setFocus();
    }
}

void Main::recordHistory(const AnalyseForm::Game& game) {
    const QString when = m_platform.now().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const GameState& s = m_flow->state();
    std::vector<HistoryEntry> entries;
    for (int p = 1; p <= s.AantalSpelers; ++p)
        entries.push_back({when.toStdString(), s.SpelerNaam[p], static_cast<int>(s.TotaalAB[p]), 0, 0});
    auto write = [this, game, entries]() mutable {
        const GameReview review(*m_coach->table(), game.decisions);
        for (int p = 1; p <= static_cast<int>(entries.size()); ++p)
            if (const PlayerReview* r = review.player(p)) {
                entries[static_cast<std::size_t>(p - 1)].cost = r->cost;
                entries[static_cast<std::size_t>(p - 1)].decisions = r->decisions;
            }
        m_files.recordHistory(entries); // a history that cannot be written never stops the game
    };
    m_coach->prepare();
    if (m_coach->table())
        write();
    else
        connect(m_coach, &Coach::tableReady, this, write, Qt::SingleShotConnection);
}

void Main::ToolsAnalyse_Click() {
    m_flow->whenIdle([this] { openAnalyse(m_flow->decisions().empty() && m_finished ? *m_finished : reviewedGame()); });
}

void Main::openAnalyse(AnalyseForm::Game game) {
    const std::vector<Decision> decisions = game.decisions;
    const auto names = game.names;
    AnalyseForm dialog(std::move(game), m_files.settings().DobbelsteenKleur, m_platform, this);
    auto review = [this, &dialog, decisions, names] {
        dialog.setTable(*m_coach->table());
        reviewChances(dialog, decisions, names);
    };
    m_coach->prepare();
    if (m_coach->table())
        review();
    else
        connect(m_coach, &Coach::tableReady, &dialog, review);
    dialog.exec();
}

// The chance to win after each placement, worked out on a thread of its own while the review is
// open; the chart fills in as the figures come.
void Main::reviewChances(AnalyseForm& dialog, const std::vector<Decision>& decisions,
                         const std::array<std::string, MaxPlayers + 1>& names) {
    int players = 0;
    for (const Decision& d : decisions)
        players = std::max(players, d.player);
    if (players == 0)
        return;
    QStringList shown;
    for (int p = 1; p <= players; ++p)
        shown << QString::fromStdString(names[p]);
    auto* run = new ChanceRun(m_coach->sharedTable(), columnsThroughGame(decisions, players), &dialog);
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
