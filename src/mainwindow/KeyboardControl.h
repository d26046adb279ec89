#pragma once

#include <QObject>

namespace kwintor {

class GameFlow;
class ScoreSheet;

// Play by keyboard in the main window while no dialog or menu is open: 1..5 hold a die,
// Space throws, Up and Down move the cell cursor over the open cells of the player on turn,
// Enter places there (or throws when no cursor is shown), Escape hides the cursor. The keys
// move through the game's flow, as clicks do.
class KeyboardControl : public QObject {
public:
    KeyboardControl(QWidget& window, GameFlow& flow, ScoreSheet& sheet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handle(int key, bool autoRepeat);
    void moveCursor(int step);

    QWidget& m_window;
    GameFlow& m_flow;
    ScoreSheet& m_sheet;
};

} // namespace kwintor
