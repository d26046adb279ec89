#pragma once

class QMenuBar;

namespace kwintor {

class Main;

// The menu bar of the main window, as a table: each menu in order, each item with its name,
// caption, handler and shortcut. Separators have no handler.
struct MenuItem {
    const char* menu;
    const char* name;
    const char* caption;
    void (Main::*handler)();
    const char* shortcut = "";
    bool checkable = false;
};

// Builds the menus of the table on the bar, each item's triggered() calling its handler.
// MainMenus.cpp also holds those of Main's handlers that only the menus reach: the dialogs
// (built afresh at every opening, their results applied by Main), the tools and the help.
void buildMenus(QMenuBar& bar, Main& main);

} // namespace kwintor
