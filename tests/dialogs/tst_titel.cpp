#include "dialogs/Titel.h"
#include "mainwindow/Main.h"
#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <numeric>

using kwintor::Platform;
using kwintor::Titel;
using kwintor::test::ScriptedPlatform;

namespace {

// The scripted clock moves by each wait's length; near noon a wait's last few picoseconds
// fall below the clock's precision, so the bar's tests start it at midnight.
void startClockAtMidnight(ScriptedPlatform& platform) { platform.setClock(0); }

QList<kwintor::Main*> openMainWindows() {
    QList<kwintor::Main*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<kwintor::Main*>(widget); main && main->isVisible())
            found.append(main);
    return found;
}

void closeMainWindows() {
    for (kwintor::Main* main : openMainWindows())
        delete main; // straight away: the exit question belongs to other tests
}

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }

} // namespace

class TestTitel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void factsAreWrittenLineByLine_data();
    void factsAreWrittenLineByLine();
    void factsComeFromTheProgramFile();
    void warningOnlyWhenTheScreenIsNotAt96Dpi_data();
    void warningOnlyWhenTheScreenIsNotAt96Dpi();
    void startBarBrightensInThreeBands_data();
    void startBarBrightensInThreeBands();
    void mainWindowOpensOnceHoweverManyClicks();
    void clockShowsTimeAndShortDate();
    void mailLinkOpensTheMailAddress();

private:
    QTemporaryDir m_dir;
};

void TestTitel::initTestCase() {
    QVERIFY(m_dir.isValid());
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
}

void TestTitel::cleanup() { closeMainWindows(); }

void TestTitel::factsAreWrittenLineByLine_data() {
    QTest::addColumn<bool>("found");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QStringList>("tail"); // the lines after the maker and rights lines

    const QString date = QStringLiteral("Filedate............ : 06-12-2026 20:11:34");
    QTest::newRow("1920 x 1080 at 96 dpi")
        << true << qint64(1234567) << QSize(1920, 1080) << 96
        << QStringList{"For 32-bit computers with Windows Development.", "", "Version number : 1.0.0.3",
                       "Filesize............. : 1.234.567 Bytes", date, "Screen............. : 1920 x 1080 pixels",
                       "Dpi................... : 96", "Time / Date..... :"};
    QTest::newRow("1920 x 1080 at 120 dpi gives twips over 15")
        << true << qint64(999) << QSize(1920, 1080) << 120
        << QStringList{"For 32-bit computers with Windows Development.", "", "Version number : 1.0.0.3",
                       "Filesize............. : 999 Bytes", date, "Screen............. : 1536 x 864 pixels",
                       "Dpi................... : 120", "Time / Date..... :"};
    QTest::newRow("1366 x 768 at 120 dpi keeps the fraction")
        << true << qint64(1000) << QSize(1366, 768) << 120
        << QStringList{"For 32-bit computers with Windows Development.", "", "Version number : 1.0.0.3",
                       "Filesize............. : 1.000 Bytes", date, "Screen............. : 1092,8 x 614,4 pixels",
                       "Dpi................... : 120", "Time / Date..... :"};
    QTest::newRow("empty file: no size, date kept")
        << true << qint64(0) << QSize(1024, 768) << 96
        << QStringList{"For 32-bit computers with Windows Development.", "", "Version number : 1.0.0.3",
                       "Filesize............. :  Bytes", date, "Screen............. : 1024 x 768 pixels",
                       "Dpi................... : 96", "Time / Date..... :"};
    QTest::newRow("missing file: no size, no date line")
        << false << qint64(0) << QSize(1024, 768) << 96
        << QStringList{"For 32-bit computers with Windows Development.", "", "Version number : 1.0.0.3",
                       "Filesize............. :  Bytes", "Screen............. : 1024 x 768 pixels",
                       "Dpi................... : 96", "Time / Date..... :"};
}

void TestTitel::factsAreWrittenLineByLine() {
    QFETCH(bool, found);
    QFETCH(qint64, size);
    QFETCH(QSize, screen);
    QFETCH(int, dpi);
    QFETCH(QStringList, tail);
    Titel::Facts facts;
    facts.version = QStringLiteral("1.0.0.3");
    facts.fileFound = found;
    facts.size = size;
    facts.written = QDateTime(QDate(2026, 12, 6), QTime(20, 11, 34));
    facts.screenPixels = screen;
    facts.dpi = dpi;
    const QString text = Titel::factsText(facts, QLocale(QLocale::Dutch, QLocale::Netherlands));
    QVERIFY2(!text.endsWith(u'\n'), "the last line has no line end");
    const QStringList lines = text.split(u'\n');
    QCOMPARE(lines.size(), tail.size() + 2);
    QVERIFY(lines.at(0).contains(QStringLiteral("Dobbelwerken Software"))); // the maker
    QCOMPARE(lines.mid(2), tail);
}

void TestTitel::factsComeFromTheProgramFile() {
    QTemporaryDir dir;
    QFile program(dir.filePath(QStringLiteral("kwintor")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    QCOMPARE(program.write(QByteArray(2048, 'x')), qint64(2048));
    program.close();

    ScriptedPlatform platform(dir.path());
    Titel titel(platform);
    const QStringList lines = titel.findChild<QLabel*>(QStringLiteral("Label1"))->text().split(u'\n');
    QVERIFY(lines.contains(QStringLiteral("Version number : Error")));
    QVERIFY(lines.contains(QStringLiteral("Filesize............. : 2.048 Bytes")));
    QVERIFY(lines.filter(QStringLiteral("Filedate")).size() == 1);
}

void TestTitel::warningOnlyWhenTheScreenIsNotAt96Dpi_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("warning"); // empty: none
    QTest::newRow("96 dpi") << 96 << QString();
    QTest::newRow("120 dpi")
        << 120
        << QStringLiteral("Uw beeldscherm is ingesteld op 120 DPI (Dots Per Inch)\n"
                          "wijzig dit naar 96 DPI. Klik met de rechtermuisknop op \n"
                          "het bureaublad, dan tabblad Eigenschappen, vervolgens\n"
                          "op de button Geavanceerd en wijzig hier de instelling.");
    QTest::newRow("144 dpi") << 144 << Titel::dpiWarning(144);
}

void TestTitel::warningOnlyWhenTheScreenIsNotAt96Dpi() {
    QFETCH(int, dpi);
    QFETCH(QString, warning);
    ScriptedPlatform platform(m_dir.path());
    platform.dpi = dpi;
    Titel titel(platform);
    titel.show();
    QTest::qWait(20);
    QCOMPARE(titel.SchermDpi(), dpi);
    if (warning.isEmpty()) {
        QVERIFY(platform.messages.isEmpty());
        return;
    }
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral(" Error"));
    QCOMPARE(platform.messages.first().buttons, Platform::Buttons::OkStop);
    QCOMPARE(platform.messages.first().text, warning);
    QVERIFY(titel.isVisible()); // the window stays open afterwards
}

void TestTitel::startBarBrightensInThreeBands_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("v");
    QTest::newRow("first column") << 0 << 130;
    QTest::newRow("a half rounds down to even") << 1 << 130;
    QTest::newRow("a half rounds up to even") << 3 << 132;
    QTest::newRow("middle") << 120 << 190;
    QTest::newRow("last column") << 239 << 250;
}

void TestTitel::startBarBrightensInThreeBands() {
    QFETCH(int, x);
    QFETCH(int, v);
    static QImage strip; // one start sequence serves every row
    if (strip.isNull()) {
        ScriptedPlatform platform(m_dir.path());
        startClockAtMidnight(platform);
        Titel titel(platform);
        titel.show();
        click(titel.findChild<QLabel*>(QStringLiteral("Image1")));
        strip = titel.findChild<QLabel*>(QStringLiteral("Picture1"))->grab().toImage();
    }
    QCOMPARE(strip.size(), QSize(240, 16));
    QCOMPARE(Titel::barShade(x), v);
    for (int y : {0, 4})
        QCOMPARE(strip.pixelColor(x, y), QColor(v, 0, 0));
    for (int y : {5, 10})
        QCOMPARE(strip.pixelColor(x, y), QColor(v, v, v));
    for (int y : {11, 15})
        QCOMPARE(strip.pixelColor(x, y), QColor(0, 0, v));
}

void TestTitel::mainWindowOpensOnceHoweverManyClicks() {
    ScriptedPlatform platform(m_dir.path());
    startClockAtMidnight(platform);
    Titel titel(platform);
    titel.show();
    auto* image = titel.findChild<QLabel*>(QStringLiteral("Image1"));
    auto* facts = titel.findChild<QLabel*>(QStringLiteral("Label1"));
    int clicksDuringBar = 0;
    platform.onWait = [&] {
        if (clicksDuringBar < 5) {
            ++clicksDuringBar;
            click(clicksDuringBar % 2 ? image : facts);
        }
    };
    click(facts);
    platform.onWait = nullptr;

    QCOMPARE(clicksDuringBar, 5);
    QCOMPARE(openMainWindows().size(), 1);
    QCOMPARE(titel.mainWindow(), openMainWindows().first());
    QVERIFY(!titel.isVisible());
    QCOMPARE(platform.busyCursor, (QList<bool>{true, false}));
    // 241 columns of a hundredth and the closing pause (the scripted clock may add slivers).
    QCOMPARE(std::count_if(platform.waits.begin(), platform.waits.end(), [](double w) { return w > 0.001; }), 242);
    const double waited = std::accumulate(platform.waits.begin(), platform.waits.end(), 0.0);
    QVERIFY2(waited >= 2.61 - 1e-9, qPrintable(QString::number(waited)));

    click(image);
    QCOMPARE(openMainWindows().size(), 1);
}

void TestTitel::clockShowsTimeAndShortDate() {
    ScriptedPlatform platform(m_dir.path());
    platform.m_now = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 7));
    Titel titel(platform);
    auto* clock = titel.findChild<QLabel*>(QStringLiteral("KlokLabel"));
    QCOMPARE(clock->text(), QStringLiteral("00:00:00"));
    titel.Timer1_Timer();
    QCOMPARE(clock->text(), QStringLiteral(" 9:05:07 / 07-03-2026"));
}

void TestTitel::mailLinkOpensTheMailAddress() {
    ScriptedPlatform platform(m_dir.path());
    Titel titel(platform);
    titel.show();
    click(titel.findChild<QLabel*>(QStringLiteral("Label4")));
    click(titel.findChild<QLabel*>(QStringLiteral("Label3"))); // the rights line is no link
    QCOMPARE(platform.opened, QStringList{QStringLiteral("mailto:info@dobbelwerken.example")});
    QVERIFY(openMainWindows().isEmpty());
}

QTEST_MAIN(TestTitel)
#include "tst_titel.moc"
