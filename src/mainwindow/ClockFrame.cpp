#include "mainwindow/ClockFrame.h"

#include "widgets/Theme.h"
#include "widgets/Twips.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

namespace kwintor {

ClockFrame::ClockFrame(QWidget* parent, std::function<void()> tick) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame14"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setGeometry(twipsRect(11370, 0, 1350, 690));
    m_klokLabel = new QLabel(QStringLiteral("00:00:00"), this);
    m_klokLabel->setObjectName(QStringLiteral("KlokLabel"));
    m_klokLabel->setFont(arialFont(14.25));
    setTextColour(m_klokLabel, QColor(180, 180, 180));
    m_klokLabel->move(twips(30), twips(240));
    m_klokTimer = new QTimer(this);
    m_klokTimer->setObjectName(QStringLiteral("KlokTimer"));
    m_klokTimer->setInterval(500);
    connect(m_klokTimer, &QTimer::timeout, this, tick);
    m_klokTimer->start();
}

void ClockFrame::stop() { m_klokTimer->stop(); }

void ClockFrame::show(const QDateTime& moment) {
    m_klokLabel->setText(QStringLiteral(" ") + moment.time().toString(QStringLiteral("H:mm:ss")));
    m_klokLabel->adjustSize();
}

} // namespace kwintor
