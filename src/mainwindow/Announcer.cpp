#include "mainwindow/Announcer.h"

#include "mainwindow/SpokenTexts.h"

#include <QWidget>

namespace kwintor {

Announcer::Announcer(QWidget* target) : QObject(target), m_target(target) {}

void Announcer::update(const GameState& state) {
    const QString text = announcement(m_seen, state);
    m_seen = state;
    if (text.isEmpty())
        return;
    m_said = text;
    m_target->setAccessibleName(text); // sends QAccessible::NameChanged
}

} // namespace kwintor
