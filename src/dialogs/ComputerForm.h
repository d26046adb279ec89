#pragma once

#include "dialogs/FormDialog.h"
#include "dialogs/SpelerForm.h"
#include "engine/PlayerKind.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace kwintor {

class Speaker;

// The computer players dialog: for every player in play, whether a person or the computer at
// one of three levels plays, per player 1..6. Built afresh at every opening; after OK, kinds() tells the choice.
class ComputerForm : public FormDialog {
    Q_OBJECT
public:
    ComputerForm(int count, const PlayerNames& names, const PlayerKinds& kinds, QWidget* parent = nullptr);

    // Players out of play keep the kinds they came with.
    const PlayerKinds& kinds() const { return m_kinds; }

protected:
    void OkKnop_Click() override;
    // Unlike the older dialogs, Escape cancels here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load(const PlayerNames& names);

    int m_count;
    PlayerKinds m_kinds;
    std::array<QLabel*, MaxPlayers + 1> m_naam{};
    std::array<QComboBox*, MaxPlayers + 1> m_soort{};
    Speaker* m_speaker = nullptr; // says a changed choice, which a screen reader passes over
    QPushButton* m_cancelKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
