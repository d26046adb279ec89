#pragma once

#include <QFrame>

class QDateTime;
class QLabel;

namespace kwintor {

// The frame above the dice that shows the time of day.
class ClockFrame : public QFrame {
public:
    explicit ClockFrame(QWidget* parent = nullptr);
    void show(const QDateTime& moment);
    using QFrame::show;

private:
    QLabel* m_klokLabel = nullptr;
};

} // namespace kwintor
