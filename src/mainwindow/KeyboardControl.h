#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QKeyEvent;
class QMenuBar;

namespace kwintor {

class Announcer;
class GameFlow;
class ScoreSheet;

// Play by keyboard in the main window while no dialog or menu is open: 1..5 hold a die,
// Space throws, Up and Down move the cell cursor over the open cells of the player on turn,
// Enter places there (or throws when no cursor is shown), Escape hides the cursor, T reads the
// totals of the player on turn, W who is on turn and his throw. The keys move through the
// game's flow, as clicks do. F10, and Alt with a menu's letter, open the menus; while the menu
// bar has the keys (after Alt) they are its own.
class KeyboardControl : public QObject {
public:
    KeyboardControl(QWidget& window, GameFlow& flow, ScoreSheet& sheet, Announcer& announcer);
    // What W says after who is on turn (the chances to win, while their window is open).
    void setTurnSupplement(std::function<QString()> supplement) { m_turnSupplement = std::move(supplement); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handle(int key, bool autoRepeat);
    // The menu that Alt with its letter, or F10, opens; none for other keys.
    QAction* menuFor(const QKeyEvent& key) const;
    void openMenu(QAction* menu);
    QMenuBar* menuBar() const;
    void moveCursor(int step);

    QWidget& m_window;
    GameFlow& m_flow;
    ScoreSheet& m_sheet;
    Announcer& m_announcer;
    std::function<QString()> m_turnSupplement;
};

} // namespace kwintor
