#pragma once

#include "engine/GameState.h"

#include <QImage>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace kwintor {

class AdviceMark;
class ClickLabel;
class GameFlow;
class HoldShape;
struct TrayView;

// The dice column beside the sheet: the five die pictures (die 5 at the top) with their hold
// frames, the dice sum, the throw counter and the throw button. It draws the dice as the throw
// rolls them, and the rest as the tray's view says.
class DiceTray : public QWidget {
    Q_OBJECT
public:
    explicit DiceTray(QWidget* parent = nullptr);

    // The colour the die corners take (the stored window colour), at once, and the dice colour
    // (0, 6, 12).
    void setColours(const QColor& corners, int diceColour);

    // Draws every throw of the game as it goes: the counter and the blank rolling dice as it
    // begins, each die as it settles, the rounded corners and the focus on the throw button at its end.
    void follow(const GameFlow& flow);

    // The holds, the throw counter, the sum, the throw button and the advice marks as the view
    // says, with what a screen reader reads of them.
    void apply(const TrayView& view);
    // The throw counter's picture, as it changes when a throw begins.
    void showWorp(const GameState& state);
    // Every die's face as the state holds it, corners rounded.
    void showDice(const GameState& state);
    // One die as the state holds it now, without rounded corners (the throw rounds them at its end).
    void showDie(int die, const GameState& state);
    // The dice that are about to roll show nothing (rolling[die] for die 1..5).
    void clearDice(const std::array<bool, DiceCount + 1>& rolling);
    // Paints the twelve corner pixels of each die picture in the corner colour.
    void DobbelHoeken();

    const QImage& diePicture(int die) const { return m_canvas[die]; }
    QPushButton& throwButton() const { return *m_schudKnop; }
    // The advisor's mark beside a die to keep.
    bool adviceMarked(int die) const;

signals:
    void dieClicked(int die);
    void throwClicked();

private:
    void showWorp(int throws);

    std::array<QFrame*, 3> m_frames{}; // Frame13, Frame16, Frame15
    std::array<ClickLabel*, DiceCount + 1> m_dobbelsteenPic{};
    std::array<HoldShape*, DiceCount + 1> m_shape{};
    std::array<AdviceMark*, DiceCount + 1> m_mark{};
    std::array<QImage, DiceCount + 1> m_canvas{};
    QLabel* m_scoreLabel = nullptr;
    QLabel* m_worpPic = nullptr;
    QPushButton* m_schudKnop = nullptr;
    QColor m_corners;
    int m_diceColour = 0;
};

} // namespace kwintor
