#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QScrollBar;

namespace kwintor {

class Main;

// The settings dialog: the main window's background colour, previewed on the main window
// while the bars move, and the dice colour, shown on a sample die.
class Config : public QDialog {
    Q_OBJECT
public:
    explicit Config(Main& main);

    void ScrollColor_Change(int index);
    void HScroll1_Change(int value);
    void OkKnop_Click();
    void CancelKnop_Click();

    // Every way of closing other than OK (Cancel, the close box) puts the opening colour back.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    // The one place that writes the background colour.
    void storeColour();

    Main& m_main;
    std::array<QScrollBar*, 4> m_scrollColor{}; // 1 red, 2 green, 3 blue
    std::array<QLabel*, 4> m_kleurLabel{};
    QScrollBar* m_hScroll1 = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_cancelKnop = nullptr;
    QPushButton* m_okKnop = nullptr;
    int m_oudRood = 0;
    int m_oudGroen = 0;
    std::uint8_t m_oudBlauw = 0;
};

} // namespace kwintor
