#pragma once

class QAction;
class QMenuBar;

namespace kwintor {

class Main;

// The menu items that the window needs to reach after the menus are built.
struct MenuActions {
    QAction* ongedaan = nullptr;       // enabled while there is a placement to take back
    QAction* advies = nullptr;         // checked while the advice is on
    QAction* mogelijkeScore = nullptr; // checked while the score preview is shown
    QAction* help = nullptr;           // checked while the help panel is shown
    QAction* info = nullptr;           // the rotating message at the end of the bar
};

// One row of the menu bar's table: each menu in order, each item with its name, caption,
// handler and shortcut. Separators have no handler.
struct MenuItem {
    const char* menu;
    const char* name;
    const char* caption;
    void (Main::*handler)();
    const char* shortcut = "";
    bool checkable = false;
    QAction* MenuActions::*kept = nullptr;
};

// Builds the menus of the table on the bar, each item's triggered() calling its handler, and
// the rotating message after them. MainMenus.cpp also holds those of Main's handlers that only
// the menus reach: the dialogs (built afresh at every opening, their results applied by Main),
// the tools and the help.
MenuActions buildMenus(QMenuBar& bar, Main& main);

} // namespace kwintor
