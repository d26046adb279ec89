#include "mainwindow/SheetView.h"

#include "engine/Game.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SpokenTexts.h"

#include <QStringList>

namespace kwintor {

namespace {

// The cell's own tooltip, then the advisor's word on it, a line each.
QString joinedTip(const QString& score, const QString& advice) {
    QStringList parts{score, advice};
    parts.removeAll(QString());
    return parts.join(u'\n');
}

CellView cellView(const GameState& s, const SheetOverlay& overlay, int player, int row) {
    const Cell& cell = s.cells[player][row];
    const int preview = overlay.preview ? previewValue(s, player, row) : -1;
    CellView view;
    view.text = QString::number(preview >= 0 ? preview : cell.value);
    view.enabled = cell.open;
    view.faint = preview >= 0;
    view.ink = cellInk(row);
    view.toolTip = joinedTip(cellToolTip(s, player, row), overlay.cellTips[player][row]);
    view.spokenName = cellText(s, player, row);
    view.outOfPlay = player > s.AantalSpelers;
    view.choosable = player == s.AanDeBeurt && cell.open;
    return view;
}

NameView nameView(const GameState& s, const PlayerKinds& kinds, int player) {
    const bool inPlay = player <= s.AantalSpelers;
    const bool onTurn = player == s.AanDeBeurt;
    const bool computer = inPlay && isComputer(kinds[player]);
    const QString name = inPlay ? QString::fromStdString(s.SpelerNaam[player]) : defaultPlayerName(player);
    NameView view;
    view.text = computer ? name + SheetView::tr(" [PC]") : name;
    view.enabled = inPlay;
    view.underlined = onTurn;
    view.ink = onTurn ? Ink::OnTurn : Ink::Name;
    view.spokenName = nameText(s, player);
    view.spokenDescription = computer ? SheetView::tr("computerspeler") : QString();
    view.outOfPlay = !inPlay;
    return view;
}

TrayView trayView(const GameState& s, const SheetOverlay& overlay) {
    TrayView view;
    for (int die = 1; die <= DiceCount; ++die) {
        view.held[die] = s.Vastgezet[die];
        view.adviceMarked[die] = overlay.keep & (1u << (die - 1));
        view.dieSpoken[die] = dieText(s, die);
    }
    view.throwCount = s.WorpTeller;
    view.sum = QString::number(tableSum(s));
    view.sumSpoken = sumText(s);
    view.counterSpoken = throwCounterText(s);
    view.throwEnabled = canThrow(s);
    view.throwSpoken = throwButtonText(s);
    view.throwToolTip = overlay.throwTip;
    return view;
}

} // namespace

Ink cellInk(int row) {
    switch (row) {
    case RowTotalA:
    case RowTotalB: return Ink::Total;
    case RowBonus:
    case RowGrandTotal: return Ink::Bonus;
    default: return Ink::Cell;
    }
}

SheetView sheetView(const GameState& state, const PlayerKinds& kinds, const SheetOverlay& overlay) {
    SheetView view;
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int row = 0; row < CellCount; ++row)
            view.cells[p][row] = cellView(state, overlay, p, row);
        view.names[p] = nameView(state, kinds, p);
    }
    view.playerCount = SheetView::tr("Aantal spelers : %1").arg(state.AantalSpelers);
    view.markedPlayer = overlay.markedPlayer;
    view.markedRow = overlay.markedRow;
    view.tray = trayView(state, overlay);
    return view;
}

} // namespace kwintor
