#pragma once

#include "engine/PlayerKind.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace kwintor {

class AdviceMark;
class CellCursor;
class ClickLabel;

// The score sheet: twelve frames with the row captions, the player count, the six name
// labels and the 6 × 17 cells, and the help panel that stands beneath them. It holds no game
// state: show() draws every cell, name and total from the state.
class ScoreSheet : public QWidget {
    Q_OBJECT
public:
    explicit ScoreSheet(QWidget* parent = nullptr);

    using QWidget::show;
    void show(const GameState& state);
    // The help panel in place of the upper rows (Frame4 and Frame6), or the rows again.
    void setHelpShown(bool shown);
    bool helpShown() const;

    // Which players the computer plays: their name labels carry a mark.
    void setPlayerKinds(const PlayerKinds& kinds) { m_kinds = kinds; }
    // The keyboard's cell cursor around a cell, or none (cursorPlayer() is then 0). show()
    // takes it away once its cell is no longer open to the player on turn.
    void setCellCursor(int player, int row);
    void clearCellCursor();
    int cursorPlayer() const { return m_cursorPlayer; }
    int cursorRow() const { return m_cursorRow; }
    // What an open cell would score, shown faintly in place of its "0"; show() draws it.
    void setPreviewShown(bool shown) { m_preview = shown; }
    bool previewShown() const { return m_preview; }

    QLabel* cell(int player, int row) const;
    QLabel* nameLabel(int player) const { return m_spelersLabel[player]; }

    // The advisor's mark beside one cell (row -1: none), and its word on a cell.
    void setAdviceMark(int player, int row);
    int adviceMarkedRow() const { return m_markedRow; }
    void setAdviceTip(int player, int row, const QString& tip);

signals:
    void cellClicked(int player, int row);

private:
    void addFrames();
    void addCaptions();
    void addCells();
    void addHelpPanel();
    // The tooltips, the preview and what a screen reader reads of each cell and name.
    void describe(const GameState& state);

    std::array<QFrame*, 13> m_frames{}; // Frame1..Frame12
    std::array<std::array<ClickLabel*, CellCount>, MaxPlayers + 1> m_cells{};
    std::array<QLabel*, MaxPlayers + 1> m_spelersLabel{};
    PlayerKinds m_kinds{};
    // A cell's tooltip is what it would score now, then the advisor's word on it.
    std::array<std::array<QString, CellCount>, MaxPlayers + 1> m_scoreTips, m_adviceTips;
    void showTip(int player, int row);
    AdviceMark* m_mark = nullptr;
    int m_markedRow = -1;
    QLabel* m_label1 = nullptr;
    QLabel* m_backHelp = nullptr;
    QLabel* m_helpLabel = nullptr;
    CellCursor* m_cursor = nullptr;
    int m_cursorPlayer = 0;
    int m_cursorRow = 0;
    bool m_preview = false;
};

} // namespace kwintor
