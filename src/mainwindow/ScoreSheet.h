#pragma once

#include "engine/GameState.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace kwintor {

class AdviceMark;
class CellCursor;
class ClickLabel;
struct SheetView;

// The score sheet: twelve frames with the row captions, the player count, the six name
// labels and the 6 × 17 cells, and the help panel that stands beneath them. It holds no game
// state and decides nothing of what it shows: apply() draws what the sheet's view says.
class ScoreSheet : public QWidget {
    Q_OBJECT
public:
    explicit ScoreSheet(QWidget* parent = nullptr);

    // Shows what the view says of every cell, name and the player count, and the advice mark.
    void apply(const SheetView& view);
    // The help panel in place of the upper rows (Frame4 and Frame6), or the rows again.
    void setHelpShown(bool shown);
    bool helpShown() const;

    // The keyboard's cell cursor around a cell, or none (cursorPlayer() is then 0). apply()
    // takes it away once its cell is no longer open to the player on turn.
    void setCellCursor(int player, int row);
    void clearCellCursor();
    int cursorPlayer() const { return m_cursorPlayer; }
    int cursorRow() const { return m_cursorRow; }

    QLabel* cell(int player, int row) const;
    QLabel* nameLabel(int player) const { return m_spelersLabel[player]; }
    // The row of the advisor's mark beside a cell, or -1.
    int adviceMarkedRow() const { return m_markedRow; }

signals:
    void cellClicked(int player, int row);

private:
    void addFrames();
    void addCaptions();
    void addCells();
    void addHelpPanel();
    void setAdviceMark(int player, int row);

    std::array<QFrame*, 13> m_frames{}; // Frame1..Frame12
    std::array<std::array<ClickLabel*, CellCount>, MaxPlayers + 1> m_cells{};
    std::array<QLabel*, MaxPlayers + 1> m_spelersLabel{};
    AdviceMark* m_mark = nullptr;
    int m_markedRow = -1;
    QLabel* m_label1 = nullptr;
    QLabel* m_backHelp = nullptr;
    QLabel* m_helpLabel = nullptr;
    CellCursor* m_cursor = nullptr;
    int m_cursorPlayer = 0;
    int m_cursorRow = 0;
};

} // namespace kwintor
