#include "dialogs/Titel.h"
#include "resources/Plaatjes.h"
#include "support/ScriptedPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using kwintor::Titel;
using kwintor::test::ScriptedPlatform;

namespace {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
QLabel* label(Titel& titel, const char* name) { return titel.findChild<QLabel*>(QLatin1String(name)); }

} // namespace

class TestTitel : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    // At 120 dpi the screen is told in logical pixels, rounded.
    void factsAreWrittenLineByLine() {
        const Titel::Facts facts{"2.4.0.9",        true, 1234567, QDateTime(QDate(2026, 12, 6), QTime(20, 11, 34)),
                                 QSize(1366, 768), 120};
        const QStringList lines = Titel::factsText(facts, QLocale(QLocale::Dutch, QLocale::Netherlands)).split(u'\n');
        QVERIFY(lines.at(0).contains("Dobbelwerken Software")); // the maker, then the rights
        QCOMPARE(lines.mid(2),
                 (QStringList{"For 32-bit computers with Windows Development.", "", "Version number : 2.4.0.9",
                              "Filesize............. : 1.234.567 Bytes", "Filedate............ : 06-12-2026 20:11:34",
                              "Screen............. : 1093 x 614 pixels", "Dpi................... : 120",
                              "Time / Date..... :"}));
    }

    void theGameStartsOnceHoweverManyClicksOrClosesComeDuringTheBar() {
        ScriptedPlatform platform(m_dir.path());
        platform.m_clock = 0;
        QPointer<Titel> titel = new Titel(platform, platform);
        titel->show();
        QSignalSpy started(titel.data(), &Titel::started);
        int clicksDuringBar = 0;
        platform.onWait = [&] {
            if (clicksDuringBar < 5)
                click(label(*titel, ++clicksDuringBar % 2 ? "Image1" : "Label1"));
            if (clicksDuringBar == 5) {
                // Closing now is refused; and whatever a close did, the window stands until its
                // handler has returned (deferred deletes run here, inside the wait).
                QVERIFY(!titel->close());
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY(titel);
            }
        };
        click(label(*titel, "Label1"));
        platform.onWait = nullptr;
        QCOMPARE(clicksDuringBar, 5);
        QCOMPARE(started.size(), 1);
        QVERIFY(!titel->isVisible());
        QCOMPARE(platform.busyCursor, (QList<bool>{true, false}));
        click(label(*titel, "Image1"));
        QCOMPARE(started.size(), 1);
        // The bar brightens from left to right in three bands: red, grey, blue.
        const QImage strip = label(*titel, "Picture1")->grab().toImage();
        const qreal ratio = strip.devicePixelRatio(); // the screen's pixels to a point
        QCOMPARE(strip.pixelColor(0, 0), QColor(130, 0, 0));
        QCOMPARE(strip.pixelColor((QPointF(239, 8) * ratio).toPoint()), QColor(250, 250, 250));
        QCOMPARE(strip.pixelColor(QPoint(240, 16) * ratio - QPoint(1, 1)), QColor(0, 0, 250));
        delete titel;
    }

    void keysStartAsTheClickDoesAndTheWindowSaysSo_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("starts");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 1;
        QTest::newRow("Tab starts nothing") << int(Qt::Key_Tab) << 0;
    }

    void keysStartAsTheClickDoesAndTheWindowSaysSo() {
        QFETCH(int, key);
        QFETCH(int, starts);
        ScriptedPlatform platform(m_dir.path());
        Titel titel(platform, platform);
        titel.show();
        QVERIFY(QTest::qWaitForWindowActive(&titel));
        QLabel* picture = label(titel, "Image1");
        QCOMPARE(QApplication::focusWidget(), picture);
        const QString prompt = QStringLiteral("Kwintor. Druk op Enter om te beginnen.");
        for (QObject* spoken : {static_cast<QObject*>(&titel), static_cast<QObject*>(picture)})
            QCOMPARE(QAccessible::queryAccessibleInterface(spoken)->text(QAccessible::Name), prompt);
        QSignalSpy started(&titel, &Titel::started);
        QTest::keyClick(picture, Qt::Key(key));
        QCOMPARE(started.size(), starts);
        QCOMPARE(platform.busyCursor.size(), 2 * starts); // the bar ran, as after a click
    }

    // The picture and the strip are drawn in the screen's pixels (this test runs again at 200 %),
    // so the picture on the screen is the picture as drawn, pixel for pixel, never enlarged.
    void thePictureAndTheStripAreDrawnInTheScreensPixels() {
        ScriptedPlatform platform(m_dir.path());
        Titel titel(platform, platform);
        titel.show();
        const qreal ratio = titel.devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? 2.0 : 1.0);
        for (const char* name : {"Image1", "Picture1"}) {
            const QPixmap pixmap = label(titel, name)->pixmap();
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
            QCOMPARE(pixmap.size(), label(titel, name)->size() * ratio);
        }
        const QImage shown = label(titel, "Image1")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, kwintor::Plaatjes::titlePicture(ratio).convertToFormat(QImage::Format_RGB32));
    }

    void clockShowsTimeAndShortDateAndTheMailLinkOpensMail() {
        ScriptedPlatform platform(m_dir.path());
        platform.m_now = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 7));
        Titel titel(platform, platform);
        titel.show();
        titel.Timer1_Timer();
        QCOMPARE(label(titel, "KlokLabel")->text(), " 9:05:07 / 07-03-2026");
        click(label(titel, "Label4"));
        click(label(titel, "Label3")); // the rights line is no link
        QCOMPARE(platform.opened, QStringList{"mailto:info@dobbelwerken.example"});
    }
};

QTEST_MAIN(TestTitel)
#include "tst_titel.moc"
