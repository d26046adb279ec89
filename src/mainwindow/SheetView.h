#pragma once

#include "engine/GameState.h"
#include "engine/PlayerKind.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace kwintor {

// The inks of the sheet's texts; the sheet gives each its colour.
enum class Ink { Name, OnTurn, Cell, Total, Bonus };

// The ink of a row's cells: the totals red, the bonus and the grand total green, the rest dark red.
Ink cellInk(int row);

// What one score cell shows and says.
struct CellView {
    QString text;         // its value, or what it would score while the preview is on
    bool enabled = false; // open: a click may place in it
    bool faint = false;   // the preview's value, drawn faintly
    Ink ink = Ink::Cell;
    QString toolTip;    // what it would score now, then the advisor's word on it
    QString spokenName; // what a screen reader reads
    bool outOfPlay = false;
    bool choosable = false; // open to the player on turn: the keyboard's cell cursor may stand on it
};

// What a player's name above his column shows and says.
struct NameView {
    QString text;
    bool enabled = false;
    bool underlined = false;
    Ink ink = Ink::Name;
    QString spokenName, spokenDescription;
    bool outOfPlay = false;
};

// What the dice column shows and says (the faces themselves follow the throw as it rolls).
struct TrayView {
    std::array<bool, DiceCount + 1> held{};
    std::array<bool, DiceCount + 1> adviceMarked{};
    std::array<QString, DiceCount + 1> dieSpoken;
    int throwCount = 0; // the counter's picture
    QString sum, sumSpoken, counterSpoken;
    bool throwEnabled = false;
    QString throwSpoken, throwToolTip;
};

// What is laid over the game's state: the advisor's advice and the window's preview switch.
struct SheetOverlay {
    // The cell the advice places in (row -1: none) and the dice it keeps (bit i for die i + 1).
    int markedPlayer = 0;
    int markedRow = -1;
    unsigned keep = 0;
    // Each cell's expected final total, after its tooltip; the throw button's tip.
    std::array<std::array<QString, CellCount>, MaxPlayers + 1> cellTips;
    QString throwTip;
    // The advice in words, for a screen reader ("Advies: plaats bij Kans.").
    QString words;
    // Open cells show faintly what they would score.
    bool preview = false;
};

// Everything the sheet and the dice column show and say.
struct SheetView {
    Q_DECLARE_TR_FUNCTIONS(SheetView)
public:
    std::array<std::array<CellView, CellCount>, MaxPlayers + 1> cells; // [player 1..6][row]
    std::array<NameView, MaxPlayers + 1> names;                        // [player 1..6]
    QString playerCount;
    int markedPlayer = 0;
    int markedRow = -1;
    TrayView tray;
};

// The sheet and the dice column for a state, the players' kinds and what lies over them. It
// touches no widget: the sheet and the tray only apply what it returns.
SheetView sheetView(const GameState& state, const PlayerKinds& kinds, const SheetOverlay& overlay);

} // namespace kwintor
