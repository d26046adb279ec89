#pragma once

#include <QLabel>
#include <functional>

namespace kwintor {

// A label that reports a click (press and release on it). A disabled label takes none
// and is drawn greyed: grey text over a white relief, readable on any background.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

// The red rounded frame shown around a held die; it lets clicks through to the die.
class HoldShape : public QWidget {
public:
    explicit HoldShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The advisor's mark: a blue triangle pointing at a die or a cell. Its shape, not only its
// colour, tells it from the red hold frame. It lets clicks through.
class AdviceMark : public QWidget {
public:
    static constexpr int Size = 12;
    explicit AdviceMark(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kwintor
