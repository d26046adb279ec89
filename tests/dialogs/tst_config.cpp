#include "dialogs/Config.h"
#include "resources/Plaatjes.h"
#include "support/DialogTestHelpers.h"

using namespace kwintor;
using test::child;

// The background colour's preview and its Ok and Cancel are played through the main window
// (tst_main); here the dialog itself.
class TestConfig : public QObject {
    Q_OBJECT

private slots:
    void theBarsOpenAtTheStoredColour() {
        Config dialog(Settings{192, 10, 255, 0});
        test::checkWindow(
            dialog, " Instellingen", QSize(334, 190),
            {"CancelKnop", "OkKnop", "ScrollColor(1)", "ScrollColor(2)", "ScrollColor(3)", "HScroll1", "CancelKnop"});
        QCOMPARE(child<QScrollBar>(&dialog, "ScrollColor(2)")->value(), 10);
        QCOMPARE(child<QLabel>(&dialog, "KleurLabel(3)")->text(), "255");
        child<QScrollBar>(&dialog, "ScrollColor(1)")->setValue(200);
        QCOMPARE(child<QLabel>(&dialog, "KleurLabel(1)")->text(), "200");
        dialog.close(); // the close box is a Cancel
        QCOMPARE(dialog.settings().AchtergrondRood, 192);
    }

    void theDiceColourShowsAndIsKeptAtOnce_data() {
        QTest::addColumn<int>("kleur");
        QTest::addColumn<int>("moveTo"); // then Cancel; -1: not moved
        QTest::addColumn<int>("face");   // the picture shown
        QTest::addColumn<int>("kept");   // whichever button closed it
        QTest::newRow("grey") << 0 << -1 << 1 << 0;
        QTest::newRow("red") << 6 << -1 << 7 << 6;
        QTest::newRow("grey, bar to green, Cancel") << 0 << 2 << 13 << 12;
    }
    void theDiceColourShowsAndIsKeptAtOnce() {
        QFETCH(int, kleur);
        QFETCH(int, moveTo);
        QFETCH(int, face);
        QFETCH(int, kept);
        Config dialog(Settings{110, 140, 90, std::uint8_t(kleur)});
        dialog.show();
        QCOMPARE(child<QScrollBar>(&dialog, "HScroll1")->value(), kleur / 6);
        if (moveTo >= 0) {
            child<QScrollBar>(&dialog, "HScroll1")->setValue(moveTo);
            test::click(&dialog, "CancelKnop");
        }
        QCOMPARE(child<QLabel>(&dialog, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Plaatjes::instance().Img(face).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(int(dialog.settings().DobbelsteenKleur), kept);
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
