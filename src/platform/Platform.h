#pragma once

#include "platform/Language.h"
#include "platform/RulesDocument.h"

#include <QDateTime>
#include <QSize>
#include <QString>

class QWidget;

namespace kwintor {

// The windowing and runtime services the game needs, by role: each part of the program takes
// only the roles it uses. QtPlatform is the real one, playing every role; tests hand the windows
// a scripted double.

// Message boxes and the save dialog.
class Dialogs {
public:
    enum class Buttons { Ok = 0, YesNo = 4, OkStop = 16 };
    enum class Answer { Ok = 1, Yes = 6, No = 7 };

    virtual ~Dialogs() = default;

    // A modal message box. An empty title shows the application title "Kwintor". The text is
    // shown as plain text, never as markup, so a name shows as it was typed. A screen reader
    // reads the title and the text as the box opens, after `spokenFirst` (what has just
    // happened, which the box would otherwise cut short).
    virtual Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, const QString& title = {},
                              const QString& spokenFirst = {}) = 0;
    // A question with Ja and Nee: true for Ja.
    bool ask(QWidget* parent, const QString& text, const QString& title, const QString& spokenFirst = {}) {
        return messageBox(parent, text, Buttons::YesNo, title, spokenFirst) == Answer::Yes;
    }
    // Asks where to save a file, starting from `suggested` (a path); empty when the user cancels.
    // `filter` is as Qt writes it: "CSV-bestanden (*.csv)".
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
};

// The time of day and the waits that keep the window live.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since midnight, with fractions; starts again from 0 at midnight.
    virtual double clockSeconds() const = 0;
    // The current local date and time.
    virtual QDateTime now() const = 0;
    // Handles window events for at most `seconds`, sleeping while none arrive.
    // Answers false when the program is ending and no wait should go on.
    virtual bool processEventsFor(double seconds) = 0;

    // Waits `seconds` while the window stays live: ends at the first clock reading
    // at or past the wanted time, also when midnight passes during the wait.
    void Pauze(double seconds);
};

// Where the dice's faces come from.
class DiceRoller {
public:
    virtual ~DiceRoller() = default;
    // A fair die face, 1..6.
    virtual int randomFace() = 0;
};

// The game's sounds. Today each one is the system's own sound.
enum class Sound {
    Throw, // the dice are thrown
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Sound sound) = 0;
};

// The desktop around the program: its folders, what it opens, the screen and the mouse pointer.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The directory of the executable, without a trailing separator.
    virtual QString programDirectory() const = 0;
    // Where the settings and score list live: beside a program run from its own folder while
    // that is writable, else in the per-user data folder (always so for an installed program).
    virtual QString dataDirectory() const = 0;
    // The user's documents folder as the desktop names it; empty where it has none.
    virtual QString documentsDirectory() const = 0;
    // Asks the desktop to open a document, a web address or a "mailto:" address; false when
    // the desktop has nothing to open it with.
    virtual bool openWithShell(QWidget* owner, const QString& target) = 0;
    // The screen as the user set it up: its size in device pixels, and its dots per inch
    // (96 at normal size, 120 at 125 %).
    virtual QSize screenPixels() const = 0;
    virtual int screenDpi() const = 0;
    // The mouse pointer of all windows: the hourglass while busy, else the arrow.
    virtual void setBusyCursor(bool busy) = 0;

    // The rules document beside the program or in its installed share folder, and where it was looked for.
    RulesDocument rulesDocument() const { return findRulesDocument(programDirectory(), language::current()); }
};

// Every role at once, as the program's window and the tests hand it round.
class Platform : public Dialogs, public Clock, public DiceRoller, public SoundPlayer, public Desktop {};

// Seconds from `start` to `now` on a clock that starts again at midnight.
double elapsedSince(double start, double now);

} // namespace kwintor
