#include "dialogs/Config.h"
#include "mainwindow/Main.h"
#include "resources/Plaatjes.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kwintor;

class TestConfig : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<test::ScriptedPlatform> m_platform;
    std::unique_ptr<Main> m_main;

    QScrollBar* bar(Config& dialog, const QString& name) { return dialog.findChild<QScrollBar*>(name); }
    QString value(Config& dialog, int i) {
        return dialog.findChild<QLabel*>(QStringLiteral("KleurLabel(%1)").arg(i))->text();
    }
    // The colour of the main window and of each of its sixteen frames; invalid when they differ.
    QColor shown() const {
        const QColor colour = m_main->centralWidget()->palette().color(QPalette::Window);
        for (int f = 1; f <= 16; ++f) {
            auto* frame = m_main->centralWidget()->findChild<QWidget*>(QStringLiteral("Frame%1").arg(f));
            if (!frame || frame->palette().color(QPalette::Window) != colour)
                return {};
        }
        return colour;
    }
    void store(const QColor& colour) {
        m_main->settings().AchtergrondRood = colour.red();
        m_main->settings().AchtergrondGroen = colour.green();
        m_main->settings().AchtergrondBlauw = std::uint8_t(colour.blue());
    }
    static QImage pictureOf(Config& dialog) {
        return dialog.findChild<QLabel*>("Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void init() {
        m_platform = std::make_unique<test::ScriptedPlatform>(m_dir.path());
        m_main = std::make_unique<Main>(*m_platform);
        store(QColor(110, 140, 90));
        m_main->ZetAchtergrond(110, 140, 90);
    }
    void cleanup() { m_main.reset(); }

    void openingSetsTheBarsAndPaintsTheStoredColourOnlyWhenABarMoves_data() {
        QTest::addColumn<QColor>("stored");
        QTest::addColumn<QColor>("painted");
        QTest::newRow("192,192,255") << QColor(192, 192, 255) << QColor(192, 192, 255);
        QTest::newRow("0,0,0 repaints nothing") << QColor(0, 0, 0) << QColor(110, 140, 90);
    }
    void openingSetsTheBarsAndPaintsTheStoredColourOnlyWhenABarMoves() {
        QFETCH(QColor, stored);
        QFETCH(QColor, painted);
        store(stored);
        Config dialog(*m_main);
        const int components[] = {stored.red(), stored.green(), stored.blue()};
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(bar(dialog, QStringLiteral("ScrollColor(%1)").arg(i))->value(), components[i - 1]);
            QCOMPARE(value(dialog, i), QString::number(components[i - 1]));
        }
        QCOMPARE(shown(), painted);
    }

    void theRedBarPreviewsAndOnlyOkStoresIt_data() {
        QTest::addColumn<QString>("close");
        QTest::addColumn<int>("storedRed");
        QTest::addColumn<QColor>("painted");
        QTest::newRow("Ok") << "OkKnop" << 200 << QColor(200, 192, 255);
        QTest::newRow("Cancel") << "CancelKnop" << 192 << QColor(192, 192, 255);
        QTest::newRow("close box") << "" << 192 << QColor(192, 192, 255);
    }
    void theRedBarPreviewsAndOnlyOkStoresIt() {
        QFETCH(QString, close);
        QFETCH(int, storedRed);
        QFETCH(QColor, painted);
        store(QColor(192, 192, 255));
        Config dialog(*m_main);
        dialog.show();
        bar(dialog, "ScrollColor(1)")->setValue(200);
        QCOMPARE(value(dialog, 1), "200");
        QCOMPARE(shown(), QColor(200, 192, 255));
        QCOMPARE(m_main->settings().AchtergrondRood, 192);
        if (close.isEmpty())
            dialog.close();
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(close), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_main->settings().AchtergrondRood, storedRed);
        QCOMPARE(shown(), painted);
    }

    void theDiceColourBarTakesEffectAtOnceAndCancelKeepsIt() {
        Config dialog(*m_main);
        dialog.show();
        bar(dialog, "HScroll1")->setValue(2);
        QCOMPARE(int(m_main->settings().DobbelsteenKleur), 12);
        QCOMPARE(pictureOf(dialog), Plaatjes::instance().Img(13).convertToFormat(QImage::Format_RGB32));
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelKnop"), Qt::LeftButton);
        QCOMPARE(int(m_main->settings().DobbelsteenKleur), 12);
    }

    void openingShowsTheStoredDiceColour_data() {
        QTest::addColumn<int>("kleur");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("face"); // 0: the dialog's own sample die
        QTest::newRow("grey") << 0 << 0 << 1;
        QTest::newRow("red") << 6 << 1 << 7;
        QTest::newRow("green") << 12 << 2 << 13;
        QTest::newRow("damaged value") << 9 << 0 << 0;
    }
    void openingShowsTheStoredDiceColour() {
        QFETCH(int, kleur);
        QFETCH(int, position);
        QFETCH(int, face);
        m_main->settings().DobbelsteenKleur = std::uint8_t(kleur);
        Config dialog(*m_main);
        QCOMPARE(bar(dialog, "HScroll1")->value(), position);
        const QImage& expected = face ? Plaatjes::instance().Img(face) : Plaatjes::instance().sampleDie();
        QCOMPARE(pictureOf(dialog), expected.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(int(m_main->settings().DobbelsteenKleur), kleur);
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
