#pragma once

#include "engine/GameState.h"

#include "dialogs/FormDialog.h"

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kwintor {

// The players dialog: how many people play (1..6) and their first names. Built afresh at
// every opening from the count and names in play; after OK, count() and names() tell the choice.
class SpelerForm : public FormDialog {
    Q_OBJECT
public:
    SpelerForm(int count, const PlayerNames& names, QWidget* parent = nullptr);

    int count() const { return m_count; }
    // Names beyond the count keep their old values; they come back at the next opening.
    const PlayerNames& names() const { return m_names; }

    void HScroll1_Change(int value);
    void Tsp_DblClick(int index);

protected:
    void OkKnop_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();

    int m_count;
    PlayerNames m_names;
    std::array<QLineEdit*, MaxPlayers + 1> m_tsp{};
    std::array<QLabel*, MaxPlayers + 1> m_lsp{};
    QScrollBar* m_hScroll1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_cancelKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
