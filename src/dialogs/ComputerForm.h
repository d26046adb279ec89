#pragma once

#include "dialogs/FormDialog.h"
#include "dialogs/SpelerForm.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace kwintor {

class Speaker;

// The computer players dialog: for every player in play, whether a person or the computer at
// one of three levels plays. A kind is 0 for a person, 1..3 for the computer from easy to
// strong, per player 1..6. Built afresh at every opening; after OK, kinds() tells the choice.
class ComputerForm : public FormDialog {
    Q_OBJECT
public:
    ComputerForm(int count, const PlayerNames& names, const std::array<int, MaxPlayers + 1>& kinds,
                 QWidget* parent = nullptr);

    // Players out of play keep the kinds they came with.
    const std::array<int, MaxPlayers + 1>& kinds() const { return m_kinds; }

protected:
    void OkKnop_Click() override;
    // Unlike the older dialogs, Escape cancels here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load(const PlayerNames& names);

    int m_count;
    std::array<int, MaxPlayers + 1> m_kinds;
    std::array<QLabel*, MaxPlayers + 1> m_naam{};
    std::array<QComboBox*, MaxPlayers + 1> m_soort{};
    Speaker* m_speaker = nullptr; // says a changed choice, which a screen reader passes over
    QPushButton* m_cancelKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
