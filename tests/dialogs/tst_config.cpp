#include "dialogs/Config.h"
#include "resources/Plaatjes.h"
#include "support/DialogTestHelpers.h"

using namespace kwintor;
using test::child;

class TestConfig : public QObject {
    Q_OBJECT

    static QLabel* label(Config& dialog, const QString& name) { return child<QLabel>(&dialog, name); }

private slots:
    void theWindowIsFixedAndTabsFromCancelThroughTheBars() {
        Config dialog(Settings{});
        test::checkWindow(
            dialog, " Instellingen", QSize(334, 190),
            {"CancelKnop", "OkKnop", "ScrollColor(1)", "ScrollColor(2)", "ScrollColor(3)", "HScroll1", "CancelKnop"});
    }

    void theColourBarsPreviewAndOnlyOkKeepsTheColour_data() {
        QTest::addColumn<QString>("close"); // after moving red to 200; empty: the close box
        QTest::addColumn<int>("keptRed");
        QTest::newRow("Ok") << "OkKnop" << 200;
        QTest::newRow("Cancel") << "CancelKnop" << 192;
        QTest::newRow("the close box") << "" << 192;
    }
    void theColourBarsPreviewAndOnlyOkKeepsTheColour() {
        QFETCH(QString, close);
        QFETCH(int, keptRed);
        Config dialog(Settings{192, 192, 255, 0});
        QList<QColor> previews;
        connect(&dialog, &Config::previewColour, this, [&](int r, int g, int b) { previews << QColor(r, g, b); });
        dialog.show();
        const int components[] = {192, 192, 255};
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(child<QScrollBar>(&dialog, QStringLiteral("ScrollColor(%1)").arg(i))->value(), components[i - 1]);
            QCOMPARE(label(dialog, QStringLiteral("KleurLabel(%1)").arg(i))->text(),
                     QString::number(components[i - 1]));
        }
        child<QScrollBar>(&dialog, "ScrollColor(1)")->setValue(200);
        QCOMPARE(label(dialog, "KleurLabel(1)")->text(), "200");
        QCOMPARE(previews, QList<QColor>{QColor(200, 192, 255)});
        if (close.isEmpty())
            dialog.close();
        else
            test::click(&dialog, close);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.settings().AchtergrondRood, keptRed);
        // Every way out but Ok puts the opening colour back on the window.
        QCOMPARE(previews.last(), QColor(keptRed == 200 ? 200 : 192, 192, 255));
    }

    void theDiceColourShowsAndIsKeptAtOnce_data() {
        QTest::addColumn<int>("kleur");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("moveTo"); // then Cancel; -1: not moved
        QTest::addColumn<int>("face");   // the picture shown
        QTest::addColumn<int>("kept");   // DobbelsteenKleur afterwards, whichever button closed it
        QTest::newRow("grey") << 0 << 0 << -1 << 1 << 0;
        QTest::newRow("red") << 6 << 1 << -1 << 7 << 6;
        QTest::newRow("grey, bar to 2, Cancel") << 0 << 0 << 2 << 13 << 12;
    }
    void theDiceColourShowsAndIsKeptAtOnce() {
        QFETCH(int, kleur);
        QFETCH(int, position);
        QFETCH(int, moveTo);
        QFETCH(int, face);
        QFETCH(int, kept);
        Config dialog(Settings{110, 140, 90, std::uint8_t(kleur)});
        dialog.show();
        QCOMPARE(child<QScrollBar>(&dialog, "HScroll1")->value(), position);
        if (moveTo >= 0) {
            child<QScrollBar>(&dialog, "HScroll1")->setValue(moveTo);
            test::click(&dialog, "CancelKnop");
        }
        QCOMPARE(label(dialog, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Plaatjes::instance().Img(face).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(int(dialog.settings().DobbelsteenKleur), kept);
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
