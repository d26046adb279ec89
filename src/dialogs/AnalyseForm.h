#pragma once

#include "dialogs/FormDialog.h"
#include "engine/PlayedGame.h"
#include "review/GameReview.h"

#include <array>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;

namespace kwintor {

class ChanceChart;
class Dialogs;
class ValueTable;

// The review of a game: every decision of every player weighed by the exact advisor, with the
// expected final total of the move made and of the best move and what it cost; per player the
// total cost, the share of best decisions, his three costliest decisions with their dice, and a
// chart of the cost of each turn. "Opslaan..." writes it all as CSV. Until the advisor's table is
// there the window says so; setTable() fills it in.
class AnalyseForm : public FormDialog {
    Q_OBJECT
public:
    // `diceColour` is the offset of the dice's colour in the picture store (0, 6 or 12).
    AnalyseForm(PlayedGame game, int diceColour, Dialogs& dialogs, QWidget* parent = nullptr);

    // The advisor's table is there: weighs every decision and shows the review.
    void setTable(const ValueTable& table);
    bool ready() const { return m_ready; }
    const GameReview& review() const { return m_review; }

    void OpslaanKnop_Click();

    // The chance to win of every player after each placement (steps[k], players 1..n at
    // [0..n-1]; [0] the start), in a page of its own once the review stands; `complete` when no
    // more steps will come.
    void setChances(const QStringList& names, const std::vector<std::vector<double>>& steps, bool complete);
    ChanceChart* chanceChart() const { return m_chanceChart; }

private:
    void Form_Load();
    QWidget* playerPage(const PlayerReview& player);
    // The review as the saved file holds it, its header and moves in the player's language.
    std::string csv() const;

    PlayedGame m_game;
    int m_diceColour;
    Dialogs& m_dialogs;
    bool m_ready = false;
    GameReview m_review;
    QLabel* m_wachtLabel = nullptr;
    QLabel* m_samenvatting = nullptr;
    QTabWidget* m_spelers = nullptr;
    QPushButton* m_opslaanKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
    ChanceChart* m_chanceChart = nullptr;
    QLabel* m_chanceStatus = nullptr;
};

} // namespace kwintor
