#pragma once

#include "engine/Game.h"
#include "persistence/Settings.h"

#include <QMainWindow>
#include "persistence/ScoreList.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QMenu;
class QAction;

namespace kwintor {

class Platform;
class ClickLabel;

// The window in which the game is played: the score sheet, the dice, the throw button,
// the clock and the menu bar. It mirrors the Game's state; it keeps none of its own.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(Platform& platform, QWidget* parent = nullptr);
    ~Main() override;

    Game& game() { return m_game; }
    const Game& game() const { return m_game; }
    Settings& settings() { return m_settings; }
    Platform& platform() { return m_platform; }
    // The score list, kept in ascending order without regard to letter case.
    ScoreList& ScoreLijst() { return m_scoreLijst; }

    // Paints the window and its sixteen frames in the colour; the die corners keep the stored colour.
    void ZetAchtergrond(int rood, int groen, int blauw);
    // Paints the twelve corner pixels of each die picture in the stored background colour.
    void DobbelHoeken();
    // Mirrors the whole game state into the widgets (after a dialog changed it).
    void refreshSheet();
    // A throw is under way: commands that change the game wait for its end.
    bool throwing() const { return m_game.state().throwing; }

    // Handlers named after their control and event.
    void SchudKnop_Click();
    void DobbelsteenPic_Click(int index);
    void SP_Click(int player, int index);
    void SP1_Click(int index) { SP_Click(1, index); }
    void SP2_Click(int index) { SP_Click(2, index); }
    void SP3_Click(int index) { SP_Click(3, index); }
    void SP4_Click(int index) { SP_Click(4, index); }
    void SP5_Click(int index) { SP_Click(5, index); }
    void SP6_Click(int index) { SP_Click(6, index); }

private:
    void Form_Load();
    void layOutSheet();
    void showDie(int die, int value);
    void showTurn();
    void showHolds();
    void showWorp();

    Platform& m_platform;
    Game m_game;
    Settings m_settings;
    ScoreList m_scoreLijst;

    std::array<QFrame*, 17> m_frames{};                              // Frame1..Frame16
    std::array<std::array<ClickLabel*, CellCount>, MaxPlayers + 1> m_cells{}; // SP1..SP6
    std::array<QLabel*, MaxPlayers + 1> m_spelersLabel{};
    std::array<ClickLabel*, DiceCount + 1> m_dobbelsteenPic{};
    std::array<QWidget*, DiceCount + 1> m_shape{};
    QLabel* m_label1 = nullptr;
    QLabel* m_scoreLabel = nullptr;
    QLabel* m_worpPic = nullptr;
    QLabel* m_klokLabel = nullptr;
    QLabel* m_helpLabel = nullptr;
    QLabel* m_backHelp = nullptr;
    QLabel* m_backKnop = nullptr;
    QPushButton* m_schudKnop = nullptr;
    QTimer* m_klokTimer = nullptr;
};

} // namespace kwintor
