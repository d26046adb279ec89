#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QLocale;
class QTimer;

namespace kwintor {

class Clock;
class Desktop;

// The window shown at start: the title picture, the maker's rights and mail link, facts
// about the program file and the screen, a clock, and the strip that starts the game. Once
// the strip has run it says started(), and whoever listens opens the main window.
class Titel : public QWidget {
    Q_OBJECT
public:
    // What the facts block tells; gathered from the program file and the screen.
    struct Facts {
        QString version; // the program file's version, four numbers with dots, or "Error"
        bool fileFound = false;
        qint64 size = 0;   // bytes
        QDateTime written; // last written
        QSize screenPixels;
        int dpi = 96;
    };

    static constexpr int StripWidth = 240; // Picture1, in pixels
    static constexpr int StripHeight = 16;

    // The window's animation waits on `clock`; its facts and its link come from `desktop`.
    Titel(Clock& clock, Desktop& desktop, QWidget* parent = nullptr);
    ~Titel() override;

    // The file version of `path`, or "Error".
    static QString GetFileVersion(const QString& path);
    // The program's own file, as the facts block names it.
    static QString programFile(const QString& programDirectory);
    static Facts gatherFacts(const Desktop& desktop);
    // The facts text, line by line ("\n" between lines, none after the last).
    static QString factsText(const Facts& facts, const QLocale& locale);
    // The bar's brightness in column x: x / 2 + 130, halves to the even neighbour.
    static int barShade(int x);

    // The measured density; the window scales to it, so no density needs a warning.
    short SchermDpi() const { return m_schermDpi; }

    // Handlers named after their control and event.
    void Timer1_Timer();
    void Image1_Click();
    void Label1_Click() { Image1_Click(); }
    void Label4_Click();

signals:
    void started();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void drawStrip();

    Clock& m_clock;
    Desktop& m_desktop;
    short m_schermDpi = 96;
    bool m_starting = false; // the start sequence is running or done: later clicks do nothing
    bool m_finished = false;
    QImage m_strip;

    QLabel* m_image1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_klokLabel = nullptr;
    QLabel* m_picture1 = nullptr;
    QTimer* m_timer1 = nullptr;
};

} // namespace kwintor
