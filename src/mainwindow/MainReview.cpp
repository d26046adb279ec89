#include "mainwindow/Main.h"

#include "advisor/ValueTable.h"
#include "dialogs/UitslagForm.h"
#include "mainwindow/Coach.h"
#include "platform/Platform.h"
#include "review/GameReview.h"

#include <QPushButton>

namespace kwintor {

// ---- the end of a whole game: the history, the final order and the review ----

AnalyseForm::Game Main::reviewedGame() const {
    const GameState& s = m_game.state();
    return {s.SpelerNaam, m_computers->kinds(), m_decisions.decisions()};
}

void Main::finishGame() {
    m_finished = reviewedGame();
    recordHistory(*m_finished);
    UitslagForm dialog(m_game.state(), m_computers->kinds(), this);
    dialog.exec();
    if (m_closing)
        return;
    if (dialog.choice() == UitslagForm::Choice::Analyse)
        openAnalyse(*m_finished);
    else if (dialog.choice() == UitslagForm::Choice::NieuwSpel)
        newGameWithSamePlayers();
}

void Main::recordHistory(const AnalyseForm::Game& game) {
    const QString when = m_platform.now().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const GameState& s = m_game.state();
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
    whenIdle([this] { openAnalyse(m_decisions.empty() && m_finished ? *m_finished : reviewedGame()); });
}

void Main::openAnalyse(AnalyseForm::Game game) {
    AnalyseForm dialog(std::move(game), m_files.settings().DobbelsteenKleur, m_platform, this);
    m_coach->prepare();
    if (m_coach->table())
        dialog.setTable(*m_coach->table());
    else
        connect(m_coach, &Coach::tableReady, &dialog, [this, &dialog] { dialog.setTable(*m_coach->table()); });
    dialog.exec();
}

void Main::newGameWithSamePlayers() {
    const GameState s = m_game.state();
    const PlayerKinds kinds = m_computers->kinds();
    if (!m_game.newGame())
        return;
    m_decisions.clear();
    m_game.choosePlayers(s.AantalSpelers, s.SpelerNaam);
    applyKinds(kinds);
    m_schudKnop->setFocus();
}

} // namespace kwintor
