#include "mainwindow/KeyboardControl.h"

#include "mainwindow/GameFlow.h"
#include "mainwindow/ScoreSheet.h"

#include <QApplication>
#include <QKeyEvent>

#include <vector>

namespace kwintor {

KeyboardControl::KeyboardControl(QWidget& window, GameFlow& flow, ScoreSheet& sheet)
    : QObject(&window), m_window(window), m_flow(flow), m_sheet(sheet) {
    // The keys reach whichever control has the focus; the window sees them all here first.
    qApp->installEventFilter(this);
}

bool KeyboardControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != &m_window || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (m_flow.computerOnTurn())
        return false; // a computer plays this turn: the keys of people do nothing
    if (key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier))
        return false; // Ctrl+N and the like are the menus' shortcuts
    return handle(key->key(), key->isAutoRepeat());
}

bool KeyboardControl::handle(int key, bool autoRepeat) {
    ScoreSheet& sheet = m_sheet;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        moveCursor(key == Qt::Key_Down ? 1 : -1);
        return true;
    }
    if (autoRepeat) // a key held down throws or places once
        return key >= Qt::Key_1 && key <= Qt::Key_5
                   ? true
                   : key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        m_flow.toggleHold(key - Qt::Key_0);
        return true;
    }
    if (key == Qt::Key_Space) {
        m_flow.throwDice();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (sheet.cursorPlayer() != 0)
            m_flow.place(sheet.cursorPlayer(), sheet.cursorRow());
        else
            m_flow.throwDice();
        return true;
    }
    if (key == Qt::Key_Escape && sheet.cursorPlayer() != 0) {
        sheet.clearCellCursor();
        return true;
    }
    return false;
}

void KeyboardControl::moveCursor(int step) {
    const GameState& s = m_flow.state();
    const int player = s.AanDeBeurt;
    std::vector<int> rows;
    for (int row = 0; row < CellCount; ++row)
        if (isCategoryRow(row) && s.cells[player][row].open && !s.cells[player][row].scored)
            rows.push_back(row);
    ScoreSheet& sheet = m_sheet;
    if (rows.empty()) {
        sheet.clearCellCursor();
        return;
    }
    const int count = int(rows.size());
    int at = step > 0 ? -1 : count; // from outside the list when no cursor stands on it
    for (int i = 0; i < count; ++i)
        if (sheet.cursorPlayer() == player && rows[i] == sheet.cursorRow())
            at = i;
    sheet.setCellCursor(player, rows[((at + step) % count + count) % count]);
}

} // namespace kwintor
