#include "support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <cmath>

namespace kwintor::test {

ScriptedPlatform::ScriptedPlatform(QString directory)
    : m_now(QDate(2026, 12, 6), QTime(12, 0, 0)), m_directory(std::move(directory)) {}

Platform::Answer ScriptedPlatform::messageBox(QWidget*, const QString& text, Buttons buttons, const QString& title,
                                              const QString& spokenFirst) {
    messages.append({text, buttons, title.isEmpty() ? QStringLiteral("Kwintor") : title, spokenFirst});
    if (onMessage)
        onMessage(text);
    if (buttons != Buttons::YesNo)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::Yes : answers.dequeue();
}

bool ScriptedPlatform::processEventsFor(double seconds) {
    waits.append(seconds);
    // At least a millisecond: a remainder too small to change the clock's reading must
    // not keep a wait going for ever.
    const double move = std::max(0.001, step > 0 ? std::min(step, seconds) : seconds);
    m_clock = std::fmod(m_clock + move, 86400.0);
    QCoreApplication::processEvents();
    if (onWait)
        onWait();
    return true;
}

int ScriptedPlatform::randomFace() {
    if (!faces.isEmpty())
        return faces.dequeue();
    m_nextCycleFace = m_nextCycleFace % 6 + 1;
    return m_nextCycleFace;
}

bool ScriptedPlatform::openWithShell(QWidget*, const QString& target) {
    opened.append(target);
    return shellOpens;
}

} // namespace kwintor::test
