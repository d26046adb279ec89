#include "dialogs/Titel.h"

#include "platform/FileVersion.h"
#include "platform/Links.h"
#include "platform/Platform.h"
#include "resources/Plaatjes.h"
#include "widgets/Theme.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QTimer>

#include <cmath>

namespace kwintor {

namespace {

constexpr double SansSerifPoints = 8.25;
const QColor TextColour(64, 64, 64);
const QColor LinkColour(192, 64, 0);
const QColor ClockColour(0, 64, 0);
const QColor StripBackground(64, 0, 0);
const QColor StripText(192, 192, 192);
QString prompt() { return QCoreApplication::translate("kwintor::Titel", "Klik op het plaatje om te beginnen..."); }
// What a screen reader says on arrival: the picture is the start button, and so is Enter.
QString spokenPrompt() {
    return QCoreApplication::translate("kwintor::Titel", "Kwintor. Druk op Enter om te beginnen.");
}

QString rightsText() {
    return QCoreApplication::translate("kwintor::Titel", "Kwintor, een dobbelspel\n"
                                                         "\u00A9 2026 %1\n"
                                                         "Alle rechten voorbehouden.\n"
                                                         "E-mail :")
        .arg(QString::fromUtf8(links::Maker));
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(sansFont(SansSerifPoints));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintAllGroups(label, QPalette::WindowText, colour);
    return label;
}

} // namespace

Titel::Titel(Clock& clock, Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_clock(clock), m_desktop(desktop) {
    setObjectName(QStringLiteral("Titel"));
    Form_Load();
}

Titel::~Titel() = default;

QString Titel::GetFileVersion(const QString& path) { return kwintor::GetFileVersion(path); }

QString Titel::programFile(const QString& programDirectory) {
#ifdef Q_OS_WIN
    return programDirectory + QStringLiteral("/kwintor.exe");
#else
    return programDirectory + QStringLiteral("/kwintor");
#endif
}

Titel::Facts Titel::gatherFacts(const Desktop& desktop) {
    Facts facts;
    const QString path = programFile(desktop.programDirectory());
    facts.version = GetFileVersion(path);
    const QFileInfo info(path);
    facts.fileFound = info.isFile();
    if (facts.fileFound) {
        facts.size = info.size();
        facts.written = info.lastModified();
    }
    facts.screenPixels = desktop.screenPixels();
    facts.dpi = desktop.screenDpi();
    return facts;
}

QString Titel::factsText(const Facts& facts, const QLocale& locale) {
    // The screen in logical pixels, as the window is laid out on it: whole numbers.
    const double dpi = facts.dpi > 0 ? facts.dpi : 96;
    const double width = facts.screenPixels.width() * 96.0 / dpi;
    const double height = facts.screenPixels.height() * 96.0 / dpi;

    QStringList lines;
    lines << tr("Made by %1").arg(QString::fromUtf8(links::Maker));
    lines << tr("Copyright \u00A9 2026, all rights reserved.");
    lines << tr("For 32-bit computers with Windows Development.") << QString();
    lines << tr("Version number : ") + facts.version;
    // Digits grouped by three; a file of 0 bytes or none at all shows no number.
    const QString sizeText = facts.fileFound && facts.size > 0 ? locale.toString(facts.size) : QString();
    lines << tr("Filesize............. : ") + sizeText + tr(" Bytes");
    if (facts.fileFound)
        lines << tr("Filedate............ : ") + locale.toString(facts.written.date(), QLocale::ShortFormat) + u' ' +
                     facts.written.time().toString(QStringLiteral("h:mm:ss"));
    lines << tr("Screen............. : ") + QString::number(qRound(width)) + QStringLiteral(" x ") +
                 QString::number(qRound(height)) + tr(" pixels");
    lines << tr("Dpi................... : ") + QString::number(facts.dpi);
    lines << tr("Time / Date..... :");
    return lines.join(u'\n');
}

int Titel::barShade(int x) {
    int v = 130 + x / 2;
    if (x % 2 != 0 && v % 2 != 0)
        ++v; // a half rounds to the even neighbour
    return v;
}

void Titel::Form_Load() {
    // The window is the title picture's size: 7500 x 4800 twips.
    setFixedSize(twips(7500), twips(4800));

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(0, 0, width(), height());
    m_image1->setScaledContents(true);
    // The picture and the strip are drawn in the screen's pixels, as sharp as the sheet.
    const qreal ratio = devicePixelRatioF();
    m_image1->setPixmap(QPixmap::fromImage(Plaatjes::titlePicture(ratio)));
    m_image1->installEventFilter(this);
    // The picture holds the keyboard focus: Enter, Space and Escape start as a click does.
    setAccessibleName(spokenPrompt());
    m_image1->setAccessibleName(spokenPrompt());
    m_image1->setFocusPolicy(Qt::StrongFocus);
    m_image1->setFocus();

    m_label3 = makeLabel(this, QStringLiteral("Label3"), TextColour);
    m_label3->setGeometry(twipsRect(300, 300, 3150, 900));
    m_label3->setWordWrap(true);
    m_label3->setText(rightsText());

    m_label4 = makeLabel(this, QStringLiteral("Label4"), LinkColour);
    QFont linkFont = sansFont(SansSerifPoints, true);
    linkFont.setUnderline(true);
    m_label4->setFont(linkFont);
    m_label4->setText(QString::fromUtf8(links::MakerMail));
    m_label4->move(twips(990), twips(885));
    m_label4->adjustSize();
    m_label4->setCursor(Plaatjes::handCursor());
    m_label4->installEventFilter(this);

    m_klokLabel = makeLabel(this, QStringLiteral("KlokLabel"), ClockColour);
    m_klokLabel->move(twips(1485), twips(3870));
    m_klokLabel->setText(QStringLiteral("00:00:00"));
    m_klokLabel->adjustSize();

    m_label1 = makeLabel(this, QStringLiteral("Label1"), TextColour);
    m_label1->setGeometry(twipsRect(300, 2100, 3900, 2100));
    m_label1->setWordWrap(true);
    m_label1->installEventFilter(this);

    // Facts that cannot be had (a missing program file) simply stay out of the text.
    const Facts facts = gatherFacts(m_desktop);
    m_schermDpi = static_cast<short>(facts.dpi);
    m_label1->setText(factsText(facts, QLocale()));
    m_klokLabel->raise(); // the clock stands at the end of the facts' last line

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(twipsRect(240, 4260, 3690, 330));
    m_label2->setAutoFillBackground(true);
    m_label2->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid black; }"));

    m_picture1 = new QLabel(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipsRect(285, 4305, 3600, 240));
    m_strip = QImage(qRound(StripWidth * ratio), qRound(StripHeight * ratio), QImage::Format_RGB32);
    m_strip.setDevicePixelRatio(ratio);
    m_strip.fill(StripBackground);
    {
        QPainter painter(&m_strip);
        painter.setFont(sansFont(SansSerifPoints));
        painter.setPen(StripText);
        const QFontMetrics metrics(painter.font());
        painter.drawText(QPoint(3, 1 + metrics.ascent()), prompt());
    }
    drawStrip();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Titel::Timer1_Timer);
    m_timer1->start();

    centreOnScreen(*this, size());
}

void Titel::drawStrip() { m_picture1->setPixmap(QPixmap::fromImage(m_strip)); }

void Titel::Timer1_Timer() {
    const QDateTime now = m_clock.now();
    m_klokLabel->setText(u' ' + now.time().toString(QStringLiteral("h:mm:ss")) + QStringLiteral(" / ") +
                         QLocale().toString(now.date(), QLocale::ShortFormat));
    m_klokLabel->adjustSize();
}

void Titel::Image1_Click() {
    if (m_starting)
        return; // clicks during the bar's pauses start nothing more
    m_starting = true;
    m_desktop.setBusyCursor(true);
    for (int x = 0; x <= StripWidth; ++x) {
        const int v = barShade(x);
        QPainter painter(&m_strip);
        // Column x in three bands: rows 0-4, 5-10 and 11-15.
        painter.fillRect(QRectF(x, 0, 1, 5), QColor(v, 0, 0));
        painter.fillRect(QRectF(x, 5, 1, 6), QColor(v, v, v));
        painter.fillRect(QRectF(x, 11, 1, 5), QColor(0, 0, v));
        painter.end();
        drawStrip();
        m_clock.Pauze(0.01);
    }
    m_clock.Pauze(0.2);
    m_desktop.setBusyCursor(false);

    // The main window comes first: with no window open the program would end.
    m_timer1->stop();
    m_finished = true;
    emit started();
    close();
}

void Titel::Label4_Click() {
    m_desktop.openWithShell(this, QStringLiteral("mailto:") + QString::fromUtf8(links::MakerMail));
}

void Titel::closeEvent(QCloseEvent* event) {
    // Closing while the bar runs would end the program under the start sequence's feet.
    if (m_starting && !m_finished) {
        event->ignore();
        return;
    }
    m_timer1->stop();
    QWidget::closeEvent(event);
}

bool Titel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_image1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Escape) {
            Image1_Click();
            return true;
        }
    }
    const bool clickable = watched == m_image1 || watched == m_label1 || watched == m_label4;
    if (clickable && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        return true; // taken, so that the release comes here too
    if (clickable && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget && widget->rect().contains(mouse->position().toPoint())) {
            if (watched == m_image1)
                Image1_Click();
            else if (watched == m_label1)
                Label1_Click();
            else if (watched == m_label4)
                Label4_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kwintor
