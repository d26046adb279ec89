#pragma once

#include <QFrame>

#include <functional>

class QDateTime;
class QLabel;
class QTimer;

namespace kwintor {

// The frame above the dice that shows the time of day; its timer (KlokTimer) ticks twice a
// second and calls `tick`.
class ClockFrame : public QFrame {
public:
    ClockFrame(QWidget* parent, std::function<void()> tick);
    void stop();
    void show(const QDateTime& moment);
    using QFrame::show;

private:
    QLabel* m_klokLabel = nullptr;
    QTimer* m_klokTimer = nullptr;
};

} // namespace kwintor
