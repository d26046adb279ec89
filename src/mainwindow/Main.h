#pragma once

#include "mainwindow/GameFiles.h"
#include "mainwindow/MainMenus.h"

#include <QMainWindow>

class QPushButton;
class QSessionManager;

namespace kwintor {

class Announcer;
class ClockFrame;
class Coach;
class ComputerPlayers;
class DiceTray;
class GameEnd;
class GameFlow;
class Platform;
class ScoreSheet;
class WinChanceWatch;
struct Settings;
struct SheetOverlay;

// The window in which the game is played: the score sheet, the dice tray, the throw button,
// the clock and the menu bar. The game itself goes on in its flow (GameFlow); the window sends
// it the clicks, draws what it tells, and owns the menus, the dialogs, the exit and the session.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(Platform& platform, QWidget* parent = nullptr);
    ~Main() override;

    GameFlow& flow() const { return *m_flow; }
    GameFiles& files() { return m_files; }
    ScoreSheet& sheet() const { return *m_sheet; }
    DiceTray& tray() const { return *m_tray; }
    Coach& coach() const { return *m_coach; }
    ComputerPlayers& computers() const { return *m_computers; }
    const MenuActions& actions() const { return m_actions; }
    Announcer& announcer() const { return *m_announcer; }
    WinChanceWatch& winChance() const { return *m_winChance; }
    // The exit was answered Yes: no handler goes on with the game.
    bool closing() const;

    // The settings dialog's choice: the colours, kept in the settings file.
    void applySettings(const Settings& settings);
    // Paints the window and its sixteen frames in the colour; the die corners keep the stored colour.
    void ZetAchtergrond(int rood, int groen, int blauw);

    // Handlers named after their control and event. A click of a person does nothing while a
    // computer player is on turn.
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
    void ToolsAnalyse_Click();
    void ToolsWinkans_Click();
    void HelpHelp_Click();
    void HelpSpelregels_Click();
    void HelpZegelhof_Click();
    void HelpMeerSoftware_Click();
    void KlokTimer_Timer();
    // Asks the desktop to open a document or a web address; where it cannot, the user is told
    // what to open by hand, under `title`.
    void OpenMetShell(const QString& target, const QString& title);

    // Whose game a kept game is and how far it went, as its offer at start says.
    static QString keptGameSummary(const GameState& state);

    // The desktop session ends. With `mayAsk` the exit question decides (false: the session
    // is cancelled); without it both files are kept, since nobody is there to answer.
    bool sessionEnds(bool mayAsk);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void layOut();
    void follow();
    // A player placed his thirteenth score: a person is asked whether it goes onto the score list.
    void playerEnds(int player);
    void commitData(QSessionManager& manager);
    // Offers, one question each, to finish the games left unfinished that no running copy plays.
    void offerKeptGame();
    // Asks the exit question and writes both files on Yes; false keeps the window open.
    bool Form_Unload();
    // After every move: draws the sheet and the tray anew (the dice faces only change with a
    // throw), and lets the advisor and the screen reader look.
    void mirror();
    // Draws the sheet and the tray from the game's state, the players' kinds, the advice and the
    // preview switch; returns the advice drawn.
    SheetOverlay draw();
    // The same after a switch or the advisor's table; a throw under way is drawn at its end.
    void redraw();

    Platform& m_platform;
    GameFiles m_files;
    GameFlow* m_flow = nullptr;
    std::vector<KeptGame> m_offers; // the games left unfinished, until their questions are answered
    GameEnd* m_end = nullptr;

    ScoreSheet* m_sheet = nullptr;
    DiceTray* m_tray = nullptr;
    ClockFrame* m_clock = nullptr;
    Coach* m_coach = nullptr;
    ComputerPlayers* m_computers = nullptr;
    QPushButton* m_schudKnop = nullptr;
    bool m_preview = false; // open cells show what they would score
    MenuActions m_actions;
    Announcer* m_announcer = nullptr;
    WinChanceWatch* m_winChance = nullptr;
};

} // namespace kwintor
