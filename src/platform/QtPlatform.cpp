#include "platform/QtPlatform.h"

#include "platform/DataDirectory.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace kwintor {

QtPlatform::QtPlatform() : m_generator(std::random_device{}()) {}

Platform::Answer QtPlatform::messageBox(QWidget* parent, const QString& text, Buttons buttons, const QString& title,
                                        const QString& spokenFirst) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::translate("kwintor::QtPlatform", "Kwintor") : title);
    QString shown = text;
    box.setTextFormat(Qt::PlainText);
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))); // line ends as the toolkit draws them
    // A screen reader names the box as it opens, but skips its text: the name carries both.
    QString spoken = box.windowTitle().trimmed() + QStringLiteral(": ") + QString(shown).replace(u'\n', u' ');
    if (!spokenFirst.isEmpty())
        spoken = spokenFirst + u' ' + spoken;
    box.setAccessibleName(spoken);
    box.setIcon(buttons == Buttons::OkStop ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        QPushButton* yes =
            box.addButton(QCoreApplication::translate("kwintor::QtPlatform", "Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QCoreApplication::translate("kwintor::QtPlatform", "Nee"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.addButton(QCoreApplication::translate("kwintor::QtPlatform", "OK"), QMessageBox::AcceptRole);
    box.exec();
    return Answer::Ok;
}

QString QtPlatform::programDirectory() const {
    QString dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && (dir.endsWith(u'/') || dir.endsWith(u'\\')))
        dir.chop(1);
    return dir;
}

QString QtPlatform::dataDirectory() const {
    if (m_dataDirectory.isEmpty())
        m_dataDirectory =
            prepareDataDirectory(programDirectory(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return m_dataDirectory;
}

QString QtPlatform::documentsDirectory() const {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

double QtPlatform::clockSeconds() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QDateTime QtPlatform::now() const { return QDateTime::currentDateTime(); }

bool QtPlatform::processEventsFor(double seconds) {
    if (QCoreApplication::closingDown() || !QCoreApplication::instance())
        return false;
    // A local event loop ended by a precise timer: the window paints and takes input,
    // and the process sleeps until an event or the timer arrives.
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::clamp(std::ceil(seconds * 1000.0), 1.0, 86400000.0)));
    return loop.exec() == 0;
}

int QtPlatform::randomFace() { return m_face(m_generator); }

void QtPlatform::play(Sound) { QApplication::beep(); }

bool QtPlatform::openWithShell(QWidget*, const QString& target) {
    const QUrl url = target.contains(QStringLiteral("://")) || target.startsWith(QStringLiteral("mailto:"))
                         ? QUrl(target)
                         : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

// Qt hands out sizes in device-independent pixels; the user's screen setting is
// those times the scale factor (1920 x 1080 at 125 % is 1536 x 864 logical, dpi 120).
QSize QtPlatform::screenPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const qreal ratio = screen->devicePixelRatio();
    return {qRound(screen->geometry().width() * ratio), qRound(screen->geometry().height() * ratio)};
}

int QtPlatform::screenDpi() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96;
    return qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio());
}

void QtPlatform::setBusyCursor(bool busy) {
    if (busy == m_busy)
        return; // the override cursor is a stack: keep one entry at most
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

} // namespace kwintor
