#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace kwintor::test {

// A Platform whose answers the test writes beforehand: queued message-box answers,
// a clock the test moves, waits that return at once after moving that clock, a
// scripted sequence of die faces, and a record of sounds, messages and shell opens.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        Buttons buttons;
        QString title;       // as shown: "Kwintor" when none was given
        QString spokenFirst; // what a screen reader hears before the text
    };

    explicit ScriptedPlatform(QString directory = {});

    Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, const QString& title = {},
                      const QString& spokenFirst = {}) override;
    QString programDirectory() const override { return m_directory; }
    QString dataDirectory() const override { return m_directory; }
    QString documentsDirectory() const override { return documents; }
    double clockSeconds() const override { return m_clock; }
    QDateTime now() const override { return m_now; }
    bool processEventsFor(double seconds) override;
    int randomFace() override;
    void play(Sound sound) override { sounds.append(sound); }
    bool openWithShell(QWidget* owner, const QString& target) override;
    QSize screenPixels() const override { return {1920, 1080}; }
    int screenDpi() const override { return 96; }
    void setBusyCursor(bool busy) override { busyCursor.append(busy); }
    QString saveFileName(QWidget*, const QString& title, const QString& suggested, const QString&) override {
        saveQuestions.append(title + u'|' + suggested);
        return savePath;
    }

    // Answers for the next message boxes, in order; an empty queue answers Yes or OK.
    QQueue<Answer> answers;
    // Faces handed out by randomFace(), in order; when empty, faces cycle 1..6.
    QQueue<int> faces;
    // Called from every wait, after the clock moved.
    std::function<void()> onWait;
    // Called with every message box's text while it is open, before it is answered.
    std::function<void(const QString&)> onMessage;

    QList<Message> messages;
    QStringList opened;
    QString documents;      // the documents folder; empty: the desktop has none
    bool shellOpens = true; // false: the desktop has no program for what is opened
    QList<double> waits;    // the length of each processEventsFor call
    QList<Sound> sounds;
    QList<bool> busyCursor;       // every change of the mouse pointer: true = hourglass
    QString savePath;             // what every save dialog answers; empty: cancelled
    QStringList saveQuestions;    // each save dialog asked: "title|suggested path"
    double m_clock = 12 * 3600.0; // seconds since midnight
    QDateTime m_now;
    // How far one processEventsFor call moves the clock; 0 means "the whole wait".
    double step = 0;

private:
    QString m_directory;
    int m_nextCycleFace = 0;
};

} // namespace kwintor::test
