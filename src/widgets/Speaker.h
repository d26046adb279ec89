#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

class QAccessibleEvent;
class QWidget;

namespace kwintor {

// Says something to a screen reader without taking the keyboard focus from where the user
// works. A reader hears only what concerns the object it thinks has the
// focus, and skips a name change altogether; so the text becomes the name of one of two small
// unpainted widgets, and a moment later that widget reports that it has the focus. They take
// turns, since a reader ignores a second focus report from the object it already has.
// Whatever is said within a moment goes out as one announcement.
class Speaker : public QObject {
public:
    static constexpr int DelayMilliseconds = 50;

    // The two widgets stand in `host`.
    explicit Speaker(QWidget* host);
    void say(const QString& text);
    // What waits to be said, taken back: a question that opens now says it first, since the
    // reader would skip it for the question.
    QString takePending();
    bool waiting() const { return m_timer.isActive(); }
    // Where the focus reports go: to the screen reader, unless a test listens instead.
    using Report = std::function<void(QAccessibleEvent&)>;
    void setReport(Report report) { m_report = std::move(report); }
    // The last announcement made, and the widget that said it.
    const QString& last() const { return m_said; }
    QWidget* speaker(int index) const { return m_speakers[index]; }

private:
    void speak();

    std::array<QWidget*, 2> m_speakers{};
    int m_next = 0;
    QTimer m_timer;
    QString m_pending;
    QString m_said;
    Report m_report;
};

} // namespace kwintor
