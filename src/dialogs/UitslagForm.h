#pragma once

#include "dialogs/FormDialog.h"
#include "engine/GameState.h"
#include "engine/PlayerKind.h"

#include <array>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kwintor {

// The final order once every column is full: place, name (with a computer player's level),
// Totaal A with its bonus, Totaal B and Totaal, the highest grand total first; equal totals share
// a place. A game of one shows his result alone. Return presses Ok. After it closes, choice()
// tells which button was pressed.
class UitslagForm : public FormDialog {
    Q_OBJECT
public:
    enum class Choice { Ok, Analyse, NieuwSpel };
    enum Column { Plaats, Naam, TotaalA, TotaalB, Totaal, ColumnCount };

    UitslagForm(const GameState& state, const PlayerKinds& kinds, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    // The whole result in one text, as a screen reader reads it.
    const QString& spokenText() const { return m_spoken; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load(const GameState& state, const PlayerKinds& kinds);
    void close(Choice choice);

    Choice m_choice = Choice::Ok;
    QString m_spoken;
    QLabel* m_kop = nullptr;
    QTreeWidget* m_list1 = nullptr;
    QPushButton* m_analyseKnop = nullptr;
    QPushButton* m_nieuwKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
