#pragma once

#include "dialogs/FormDialog.h"
#include "persistence/Settings.h"

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

namespace kwintor {

class Speaker;

// The settings dialog: the main window's background colour, previewed (previewColour) while
// the bars move, and the dice colour, shown on a sample die. settings() is the choice: the
// bars' colour after OK, the opening colour otherwise; the dice colour as chosen either way.
class Config : public FormDialog {
    Q_OBJECT
public:
    explicit Config(const Settings& settings, QWidget* parent = nullptr);

    const Settings& settings() const { return m_settings; }

    void ScrollColor_Change(int index);
    void HScroll1_Change(int value);

    // Every way of closing other than OK (Cancel, the close box) puts the opening colour back.
    void reject() override;

signals:
    void previewColour(int rood, int groen, int blauw);

protected:
    void OkKnop_Click() override;

private:
    void Form_Load();

    Settings m_settings;
    std::array<QScrollBar*, 4> m_scrollColor{}; // 1 red, 2 green, 3 blue
    std::array<QLabel*, 4> m_kleurLabel{};
    QScrollBar* m_hScroll1 = nullptr;
    QLabel* m_image1 = nullptr;
    Speaker* m_speaker = nullptr; // says the dice colour chosen
    QPushButton* m_cancelKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
};

} // namespace kwintor
