#pragma once

#include <QObject>

class QAction;
class QKeyEvent;

namespace kwintor {

class Main;

// Play by keyboard in the main window while no dialog or menu is open: 1..5 hold a die,
// Space throws, Up and Down move the cell cursor over the open cells of the player on turn,
// Enter places there (or throws when no cursor is shown), Escape hides the cursor, T reads the
// totals of the player on turn, W who is on turn and his throw. F10 opens the first menu.
// While the menu bar has the keys (after Alt) they are its own. It also gives the menu items
// their shortcuts.
class KeyboardControl : public QObject {
public:
    explicit KeyboardControl(Main& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handle(int key, bool autoRepeat);
    // The menu that Alt with its letter, or F10, opens; none for other keys.
    QAction* menuFor(const QKeyEvent& key) const;
    void openMenu(QAction* menu);
    void moveCursor(int step);

    Main& m_main;
};

} // namespace kwintor
