#pragma once

#include "engine/GameState.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kwintor {

class Main;

// The players dialog: how many people play (1..6) and their first names. Built afresh at
// every opening from the game; only OK writes the game and the main window.
class SpelerForm : public QDialog {
    Q_OBJECT
public:
    explicit SpelerForm(Main& main);

    void HScroll1_Change(int value);
    void Tsp_DblClick(int index);
    void OkKnop_Click();
    void CancelKnop_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    // The one place that writes the number of players and the names.
    void storePlayers();

    Main& m_main;
    std::array<QLineEdit*, MaxPlayers + 1> m_tsp{};
    std::array<QLabel*, MaxPlayers + 1> m_lsp{};
    QScrollBar* m_hScroll1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_cancelKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
