#include "widgets/Speaker.h"

#include <QAccessible>
#include <QWidget>

namespace kwintor {

Speaker::Speaker(QWidget* host) : QObject(host) {
    for (int i = 0; i < 2; ++i) {
        // A plain widget: for most other kinds a reader adds the kind's name ("label").
        auto* speaker = new QWidget(host);
        speaker->setObjectName(QStringLiteral("Melding%1").arg(i + 1));
        speaker->setGeometry(0, 0, 1, 1); // shown, so that it counts, yet nothing is painted
        speaker->setAttribute(Qt::WA_TransparentForMouseEvents);
        speaker->show();
        m_speakers[i] = speaker;
    }
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &Speaker::speak);
}

void Speaker::say(const QString& text) {
    if (text.isEmpty())
        return;
    m_pending = m_pending.isEmpty() ? text : m_pending + u' ' + text;
    m_timer.start();
}

QString Speaker::takePending() {
    m_timer.stop();
    return std::exchange(m_pending, QString());
}

void Speaker::speak() {
    QWidget* speaker = m_speakers[m_next];
    m_next = 1 - m_next;
    m_said = std::exchange(m_pending, QString());
    speaker->setAccessibleName(m_said);
    QAccessibleEvent event(speaker, QAccessible::Focus);
    if (m_report)
        m_report(event);
    else
        QAccessible::updateAccessibility(&event);
}

} // namespace kwintor
