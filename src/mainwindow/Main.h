#pragma once

#include "engine/Game.h"
#include "persistence/ScoreList.h"
#include "persistence/Settings.h"

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QSessionManager;
class QTimer;

namespace kwintor {

class Platform;
class ClickLabel;
class HoldShape;

// The window in which the game is played: the score sheet, the dice, the throw button,
// the clock and the menu bar. It mirrors the Game's state and keeps none of its own.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(Platform& platform, QWidget* parent = nullptr);
    ~Main() override;

    Game& game() { return m_game; }
    const Game& game() const { return m_game; }
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
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
    // The picture shown by die `die` (1..5), corners included.
    const QImage& diePicture(int die) const { return m_dieCanvas[die]; }

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
    void BestandNieuw_Click();
    void PrintFormulieren_Click();
    void BestandExit_Click();
    void Spelersaantal_Click();
    void HoogstScores_Click();
    void ToolsConfig_Click();
    void HelpHelp_Click();
    void HelpSpelregels_Click();
    void HelpZegelhof_Click();
    void HelpMeerSoftware_Click();
    void KlokTimer_Timer();
    void OpenMetShell(const QString& target);

    // The thirteen lines of the help panel, each followed by a line end.
    static QString helpText();
    // The Info caption of the menu bar at a moment.
    static QString infoCaption(const QDateTime& moment);

    // Where the two files live.
    QString settingsPath() const;
    QString scoreListPath() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void commitData(QSessionManager& manager);
    void createMenus();
    void layOutSheet();
    QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QColor& colour,
                     int left, int top);
    void loadFiles();
    // Asks the exit question and writes both files on Yes; false keeps the window open.
    bool Form_Unload();
    bool saveFiles(QStringList& failed);
    // Writes the score list; a file that could not be read to its end is kept as .bak first.
    bool saveScoreList();
    void endOfGame(int player);
    // Runs a command now, or at the end of the throw under way.
    void whenIdle(std::function<void()> command);
    void showDie(int die);
    void showTurn();
    void showHolds();
    void showWorp();
    void showScore(int value);

    Platform& m_platform;
    Game m_game;
    Settings m_settings;
    ScoreList m_scoreLijst;
    bool m_scoreListDamaged = false;
    bool m_closing = false;
    std::vector<std::function<void()>> m_pending; // commands chosen during a throw, in order

    std::array<QFrame*, 17> m_frames{}; // Frame1..Frame16
    std::array<std::array<ClickLabel*, CellCount>, MaxPlayers + 1> m_cells{};
    std::array<QLabel*, MaxPlayers + 1> m_spelersLabel{};
    std::array<ClickLabel*, DiceCount + 1> m_dobbelsteenPic{};
    std::array<QImage, DiceCount + 1> m_dieCanvas{};
    std::array<HoldShape*, DiceCount + 1> m_shape{};
    QLabel* m_label1 = nullptr;
    QLabel* m_scoreLabel = nullptr;
    QLabel* m_worpPic = nullptr;
    QLabel* m_klokLabel = nullptr;
    QLabel* m_helpLabel = nullptr;
    QLabel* m_backHelp = nullptr;
    QPushButton* m_schudKnop = nullptr;
    QTimer* m_klokTimer = nullptr;
    QAction* m_helpHelp = nullptr;
    QAction* m_info = nullptr;
};

} // namespace kwintor
