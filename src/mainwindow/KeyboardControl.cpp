#include "mainwindow/KeyboardControl.h"

#include "mainwindow/Announcer.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SpokenTexts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace kwintor {

KeyboardControl::KeyboardControl(QWidget& window, GameFlow& flow, ScoreSheet& sheet, Announcer& announcer)
    : QObject(&window), m_window(window), m_flow(flow), m_sheet(sheet), m_announcer(announcer) {
    // The keys reach whichever control has the focus; the window sees them all here first.
    qApp->installEventFilter(this);
}

QMenuBar* KeyboardControl::menuBar() const { return m_window.findChild<QMenuBar*>(); }

QAction* KeyboardControl::menuFor(const QKeyEvent& key) const {
    const QList<QAction*> menus = menuBar() ? menuBar()->actions() : QList<QAction*>();
    if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier)
        return menus.isEmpty() ? nullptr : menus.first(); // Left and Right go on to the others
    if (key.modifiers() != Qt::AltModifier || key.key() < Qt::Key_A || key.key() > Qt::Key_Z)
        return nullptr;
    for (QAction* menu : menus) {
        const QString text = menu->text();
        const qsizetype amp = text.indexOf(u'&');
        if (menu->menu() && amp >= 0 && amp + 1 < text.size() && text[amp + 1].toUpper() == QChar(key.key()))
            return menu;
    }
    return nullptr;
}

void KeyboardControl::openMenu(QAction* menu) {
    menuBar()->setActiveAction(menu);
    // Its first item is chosen, so that a screen reader reads where Down starts.
    for (QAction* item : menu->menu()->actions())
        if (!item->isSeparator() && item->isEnabled()) {
            menu->menu()->setActiveAction(item);
            break;
        }
}

bool KeyboardControl::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != &m_window || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Alt with a menu's letter, and F10, open that menu here rather than through the menu bar's
    // own shortcuts: with a screen reader listening, those lose the race with the Alt key's
    // release, which closes the menu again at once.
    if (QAction* menu = menuFor(*key)) {
        if (type == QEvent::ShortcutOverride)
            event->accept(); // the key comes as a key press, here
        else
            openMenu(menu);
        return true;
    }
    if (type != QEvent::KeyPress)
        return false;
    // Alt alone makes the menu bar take the keys; they move through its menus, not the game.
    if (qobject_cast<QMenuBar*>(watched) || qobject_cast<QMenuBar*>(QApplication::focusWidget()))
        return false;
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
    if (key == Qt::Key_T) {
        m_announcer.say(totalsText(m_flow.state()));
        return true;
    }
    if (key == Qt::Key_W) {
        m_announcer.say(turnText(m_flow.state()));
        if (m_turnSupplement)
            m_announcer.say(m_turnSupplement());
        return true;
    }
    if (m_flow.game().over() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        m_announcer.say(gameOverText());
        return true; // the game is over: nothing to throw or place until a new one
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
