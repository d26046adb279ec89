#pragma once

#include <QObject>

namespace kwintor {

class Main;

// Play by keyboard in the main window while no dialog or menu is open: 1..5 hold a die,
// Space throws, Up and Down move the cell cursor over the open cells of the player on turn,
// Enter places there (or throws when no cursor is shown), Escape hides the cursor. It also
// gives the menu items their shortcuts.
class KeyboardControl : public QObject {
public:
    explicit KeyboardControl(Main& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handle(int key, bool autoRepeat);
    void moveCursor(int step);

    Main& m_main;
};

} // namespace kwintor
