#pragma once

#include "engine/GameState.h"

#include <QObject>

class QWidget;

namespace kwintor {

// Says once what a redraw brought (the dice of a throw, a placement, the turn passing): the
// text becomes the accessible name of `target`, which a screen reader hears as a name change.
class Announcer : public QObject {
public:
    explicit Announcer(QWidget* target);
    void update(const GameState& state);
    const QString& last() const { return m_said; }

private:
    QWidget* m_target;
    GameState m_seen;
    QString m_said;
};

} // namespace kwintor
