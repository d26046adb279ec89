#include "dialogs/Config.h"
#include "resources/Plaatjes.h"
#include "support/DialogTestHelpers.h"

using namespace kwintor;
using test::child;

class TestConfig : public QObject {
    Q_OBJECT
    test::MainOnScript m;

    static QLabel* label(Config& dialog, const QString& name) { return child<QLabel>(&dialog, name); }
    // The colour of the main window and of each of its sixteen frames; invalid when they differ.
    QColor shown() const {
        const QColor colour = m.main->centralWidget()->palette().color(QPalette::Window);
        for (int f = 1; f <= 16; ++f)
            if (child(m.main->centralWidget(), QStringLiteral("Frame%1").arg(f))->palette().color(QPalette::Window) != colour)
                return {};
        return colour;
    }

private slots:
    void init() {
        m.open();
        m.main->ZetAchtergrond(110, 140, 90);
    }
    void cleanup() { m.close(); }

    void theWindowIsFixedAndTabsFromCancelThroughTheBars() {
        Config dialog(*m.main);
        test::checkWindow(dialog, " Instellingen", QSize(334, 190),
                          {"CancelKnop", "OkKnop", "ScrollColor(1)", "ScrollColor(2)", "ScrollColor(3)", "HScroll1",
                           "CancelKnop"});
    }

    void theColourBarsPreviewAndOnlyOkStoresTheColour_data() {
        QTest::addColumn<QColor>("stored");
        QTest::addColumn<QColor>("paintedOnOpening");
        QTest::addColumn<QString>("close"); // after moving red to 200; empty: the close box
        QTest::addColumn<int>("storedRed");
        const QColor lilac(192, 192, 255);
        QTest::newRow("192,192,255 then Ok") << lilac << lilac << "OkKnop" << 200;
        QTest::newRow("192,192,255 then Cancel") << lilac << lilac << "CancelKnop" << 192;
        QTest::newRow("192,192,255 then the close box") << lilac << lilac << "" << 192;
        QTest::newRow("0,0,0 repaints nothing until a bar moves") << QColor(0, 0, 0) << QColor(110, 140, 90) << "CancelKnop" << 0;
    }
    void theColourBarsPreviewAndOnlyOkStoresTheColour() {
        QFETCH(QColor, stored);
        QFETCH(QColor, paintedOnOpening);
        QFETCH(QString, close);
        QFETCH(int, storedRed);
        m.main->settings().AchtergrondRood = stored.red();
        m.main->settings().AchtergrondGroen = stored.green();
        m.main->settings().AchtergrondBlauw = std::uint8_t(stored.blue());
        Config dialog(*m.main);
        dialog.show();
        const int components[] = {stored.red(), stored.green(), stored.blue()};
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(child<QScrollBar>(&dialog, QStringLiteral("ScrollColor(%1)").arg(i))->value(), components[i - 1]);
            QCOMPARE(label(dialog, QStringLiteral("KleurLabel(%1)").arg(i))->text(), QString::number(components[i - 1]));
        }
        QCOMPARE(shown(), paintedOnOpening);
        child<QScrollBar>(&dialog, "ScrollColor(1)")->setValue(200);
        QCOMPARE(label(dialog, "KleurLabel(1)")->text(), "200");
        QCOMPARE(shown(), QColor(200, stored.green(), stored.blue()));
        QCOMPARE(m.main->settings().AchtergrondRood, stored.red());
        if (close.isEmpty())
            dialog.close();
        else
            test::click(&dialog, close);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m.main->settings().AchtergrondRood, storedRed);
        QCOMPARE(shown(), QColor(storedRed, stored.green(), stored.blue()));
    }

    void theDiceColourShowsAndIsStoredAtOnce_data() {
        QTest::addColumn<int>("kleur");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("moveTo"); // then Cancel; -1: not moved
        QTest::addColumn<int>("face");   // the picture shown; 0: the dialog's own sample die
        QTest::addColumn<int>("kept");   // DobbelsteenKleur afterwards
        QTest::newRow("grey") << 0 << 0 << -1 << 1 << 0;
        QTest::newRow("red") << 6 << 1 << -1 << 7 << 6;
        QTest::newRow("damaged value") << 9 << 0 << -1 << 0 << 9;
        QTest::newRow("grey, bar to 2, Cancel") << 0 << 0 << 2 << 13 << 12;
    }
    void theDiceColourShowsAndIsStoredAtOnce() {
        QFETCH(int, kleur);
        QFETCH(int, position);
        QFETCH(int, moveTo);
        QFETCH(int, face);
        QFETCH(int, kept);
        m.main->settings().DobbelsteenKleur = std::uint8_t(kleur);
        Config dialog(*m.main);
        dialog.show();
        QCOMPARE(child<QScrollBar>(&dialog, "HScroll1")->value(), position);
        if (moveTo >= 0) {
            child<QScrollBar>(&dialog, "HScroll1")->setValue(moveTo);
            test::click(&dialog, "CancelKnop");
        }
        const QImage& expected = face ? Plaatjes::instance().Img(face) : Plaatjes::instance().sampleDie();
        QCOMPARE(label(dialog, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(int(m.main->settings().DobbelsteenKleur), kept);
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
