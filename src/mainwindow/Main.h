#pragma once

#include "engine/Game.h"
#include "mainwindow/CommandQueue.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/GameFiles.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;
class QPushButton;
class QSessionManager;

namespace kwintor {

class ClockFrame;
class Coach;
class Announcer;
class DiceTray;
class Platform;
class ScoreSheet;

// The window in which the game is played: the score sheet, the dice tray, the throw button,
// the clock and the menu bar. Its handlers call the game and redraw the views from its state;
// the window keeps no game state of its own. People, the keyboard and the computer players all
// act through the same handlers.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(Platform& platform, QWidget* parent = nullptr);
    ~Main() override;

    const Game& game() const { return m_game; }
    GameFiles& files() { return m_files; }
    ScoreSheet& sheet() const { return *m_sheet; }
    DiceTray& tray() const { return *m_tray; }
    Coach& coach() const { return *m_coach; }
    ComputerPlayers& computers() const { return *m_computers; }
    Announcer& announcer() const { return *m_announcer; }
    // The exit was answered Yes: no handler goes on with the game.
    bool closing() const { return m_closing; }

    // The results of the dialogs are applied here, and only here.
    void applyPlayers(int count, const std::array<std::string, MaxPlayers + 1>& names);
    void applyKinds(const PlayerKinds& kinds);
    void applySettings(const Settings& settings);

    // Paints the window and its sixteen frames in the colour; the die corners keep the stored colour.
    void ZetAchtergrond(int rood, int groen, int blauw);
    // A throw is under way: commands that change the game wait for its end.
    bool throwing() const { return m_game.state().throwing; }

    // Handlers named after their control and event.
    void SchudKnop_Click();
    void DobbelsteenPic_Click(int index);
    void SP_Click(int player, int index);
    void BestandNieuw_Click();
    void BestandOngedaan_Click();
    void PrintFormulieren_Click();
    void BestandExit_Click();
    void Spelersaantal_Click();
    void Computerspelers_Click();
    void HoogstScores_Click();
    void Statistieken_Click();
    void ToolsConfig_Click();
    void ToolsAdvies_Click();
    void ToolsMogelijkeScore_Click();
    void HelpHelp_Click();
    void HelpSpelregels_Click();
    void HelpZegelhof_Click();
    void HelpMeerSoftware_Click();
    void KlokTimer_Timer();
    void OpenMetShell(const QString& target);

    // The desktop session ends. With `mayAsk` the exit question decides (false: the session
    // is cancelled); without it both files are kept, since nobody is there to answer.
    bool sessionEnds(bool mayAsk);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void createMenus();
    void layOut();
    void commitData(QSessionManager& manager);
    // Offers to finish the game left unfinished at the last end.
    void offerKeptGame();
    // Asks the exit question and writes both files on Yes; false keeps the window open.
    bool Form_Unload();
    void endOfGame(int player);
    // Runs a command now, or at the end of the throw under way.
    void whenIdle(std::function<void()> command);
    // A click of a person: refused while a computer player is on turn.
    void byPerson(const std::function<void()>& handler);
    // After every change: redraws the sheet and the tray (the dice faces only change with a
    // throw), keeps the game for the next start, and lets the advisor and the computer look.
    void refresh();
    // A question with Ja and Nee: true for Ja.
    bool ask(const QString& text, const QString& title);

    Platform& m_platform;
    Game m_game;
    GameFiles m_files;
    bool m_closing = false;
    std::optional<KeptGame> m_offer; // the game left unfinished, until the question is answered
    CommandQueue m_pending;

    ScoreSheet* m_sheet = nullptr;
    DiceTray* m_tray = nullptr;
    ClockFrame* m_clock = nullptr;
    Coach* m_coach = nullptr;
    ComputerPlayers* m_computers = nullptr;
    QPushButton* m_schudKnop = nullptr;
    QAction* m_helpHelp = nullptr;
    QAction* m_advies = nullptr;
    QAction* m_info = nullptr;
    QAction* m_ongedaan = nullptr;
    Announcer* m_announcer = nullptr;
};

} // namespace kwintor
