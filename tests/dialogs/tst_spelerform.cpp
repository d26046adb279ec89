#include "dialogs/SpelerForm.h"
#include "mainwindow/Main.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kwintor;

class TestSpelerForm : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<test::ScriptedPlatform> m_platform;
    std::unique_ptr<Main> m_main;

    template <typename T> T* on(QWidget* window, const QString& name) {
        auto* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QLineEdit* box(SpelerForm& dialog, int i) { return on<QLineEdit>(&dialog, QStringLiteral("Tsp(%1)").arg(i)); }
    // Widgets of the main window itself, not of the dialog that is its child.
    QWidget* sheet(const QString& name) { return on<QWidget>(m_main->centralWidget(), name); }
    void startWith(const QStringList& names) {
        std::array<std::string, MaxPlayers + 1> all = m_main->game().state().SpelerNaam;
        for (int i = 0; i < names.size(); ++i)
            all[i + 1] = names[i].toStdString();
        m_main->game().choosePlayers(int(names.size()), all);
        m_main->refreshSheet();
    }

private slots:
    void init() {
        m_platform = std::make_unique<test::ScriptedPlatform>(m_dir.path());
        m_main = std::make_unique<Main>(*m_platform);
    }
    void cleanup() { m_main.reset(); }

    void openingShowsTheCountAndEnablesOnlyTheBoxesInPlay_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("countText");
        QTest::newRow("one player") << QStringList{"Ann"} << "1 Speler";
        QTest::newRow("three players") << QStringList{"Ann", "Bob", "Cor"} << "3 Spelers";
    }
    void openingShowsTheCountAndEnablesOnlyTheBoxesInPlay() {
        QFETCH(QStringList, names);
        QFETCH(QString, countText);
        startWith({"Ann", "Bob", "Cor", "Dirk", "Eva", "Fien"});
        startWith(names);
        SpelerForm dialog(*m_main);
        QCOMPARE(on<QScrollBar>(&dialog, "HScroll1")->value(), names.size());
        QCOMPARE(on<QLabel>(&dialog, "Label2")->text(), countText);
        for (int i = 1; i <= MaxPlayers; ++i) {
            QCOMPARE(box(dialog, i)->isEnabled(), i <= names.size());
            QCOMPARE(box(dialog, i)->text(), QString::fromStdString(m_main->game().state().SpelerNaam[i]));
        }
        QCOMPARE(box(dialog, 6)->text(), "Fien");
    }

    void theWindowIsFixedAndTabsFromCancelThroughTheBoxes() {
        startWith({"A", "B", "C", "D", "E", "F"});
        SpelerForm dialog(*m_main);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), " Spelers");
        QCOMPARE(dialog.size(), QSize(334, 190));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(on<QWidget>(&dialog, "Frame1")->pos(), QPoint(4, -2));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"CancelKnop", "OkKnop", "HScroll1", "Tsp(1)", "Tsp(2)", "Tsp(3)", "Tsp(4)",
                                     "Tsp(5)", "Tsp(6)", "CancelKnop"}));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Cancel has the focus again
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void theBarDisablesBoxesWithoutClearingThemAndReportsADragOnlyWhenItEnds() {
        startWith({"Ann", "Bob", "Cor", "Dirk"});
        SpelerForm dialog(*m_main);
        auto* bar = on<QScrollBar>(&dialog, "HScroll1");
        bar->setValue(2);
        QVERIFY(!box(dialog, 3)->isEnabled() && !box(dialog, 4)->isEnabled());
        QCOMPARE(on<QLabel>(&dialog, "Label2")->text(), "2 Spelers");
        bar->setValue(4);
        QVERIFY(box(dialog, 3)->isEnabled() && box(dialog, 4)->isEnabled());
        QCOMPARE(box(dialog, 4)->text(), "Dirk");
        bar->setSliderDown(true);
        bar->setSliderPosition(6);
        QCOMPARE(on<QLabel>(&dialog, "Label2")->text(), "4 Spelers");
        bar->setSliderDown(false);
        QCOMPARE(on<QLabel>(&dialog, "Label2")->text(), "6 Spelers");
    }

    void okWritesTheCountNamesAndHeaders_data() {
        QTest::addColumn<int>("emptied");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("names");   // SpelerNaam(1..4) afterwards
        QTest::addColumn<QStringList>("headers"); // SpelersLabel(1..4) afterwards
        QTest::newRow("box 2 emptied") << 2 << 4 << QStringList{"Ann", "", "Cor", "Dirk"}
                                       << QStringList{"Ann", "", "Cor", "Dirk"};
        QTest::newRow("four down to two") << 0 << 2 << QStringList{"Ann", "Bob", "Cor", "Dirk"}
                                          << QStringList{"Ann", "Bob", "Speler 3", "Speler 4"};
    }
    void okWritesTheCountNamesAndHeaders() {
        QFETCH(int, emptied);
        QFETCH(int, count);
        QFETCH(QStringList, names);
        QFETCH(QStringList, headers);
        startWith({"Ann", "Bob", "Cor", "Dirk"});
        SpelerForm dialog(*m_main);
        dialog.show();
        if (emptied)
            QTest::mouseDClick(box(dialog, emptied), Qt::LeftButton);
        on<QScrollBar>(&dialog, "HScroll1")->setValue(count);
        QTest::mouseClick(on<QPushButton>(&dialog, "OkKnop"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        const GameState& state = m_main->game().state();
        QCOMPARE(int(state.AantalSpelers), count);
        QCOMPARE(qobject_cast<QLabel*>(sheet("Label1"))->text(), QStringLiteral("Aantal spelers : %1").arg(count));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(QString::fromStdString(state.SpelerNaam[i]), names[i - 1]);
            auto* header = qobject_cast<QLabel*>(sheet(QStringLiteral("SpelersLabel(%1)").arg(i)));
            QCOMPARE(header->text(), headers[i - 1]);
            QCOMPARE(header->isEnabled(), i <= count);
        }
        for (int p = 1; p <= MaxPlayers; ++p)
            QCOMPARE(sheet(QStringLiteral("SP%1(0)").arg(p))->isEnabled(), p <= count);
    }

    void cancelAfterTypingLeavesGameAndSheetAlone() {
        startWith({"Ann", "Bob"});
        SpelerForm dialog(*m_main);
        dialog.show();
        QTest::keyClicks(box(dialog, 1), "Zoe");
        on<QScrollBar>(&dialog, "HScroll1")->setValue(5);
        QTest::mouseClick(on<QPushButton>(&dialog, "CancelKnop"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(int(m_main->game().state().AantalSpelers), 2);
        QCOMPARE(m_main->game().state().SpelerNaam[1], "Ann");
        QCOMPARE(qobject_cast<QLabel*>(sheet("SpelersLabel(1)"))->text(), "Ann");
        QVERIFY(!sheet("SP3(0)")->isEnabled());
    }

    void okInTheMiddleOfAGameKeepsAScoredCellClosed() {
        Game& game = m_main->game();
        QVERIFY(game.beginThrow());
        for (int die = 1; die <= DiceCount; ++die)
            game.settleDie(die, 1);
        game.endThrow();
        QCOMPARE(game.place(1, 0), PlaceResult::Placed);
        const GameState before = game.state();
        SpelerForm dialog(*m_main);
        dialog.show();
        on<QScrollBar>(&dialog, "HScroll1")->setValue(2);
        QTest::mouseClick(on<QPushButton>(&dialog, "OkKnop"), Qt::LeftButton);
        const GameState& after = game.state();
        QCOMPARE(after.cells[1][0].text, "5");
        QVERIFY(!after.cells[1][0].open);
        QVERIFY(!sheet("SP1(0)")->isEnabled());
        QVERIFY(sheet("SP1(1)")->isEnabled() && sheet("SP2(0)")->isEnabled());
        QCOMPARE(after.TotaalAB[1], before.TotaalAB[1]);
        QCOMPARE(after.AanDeBeurt, before.AanDeBeurt);
        QCOMPARE(after.DobbelWaarde, before.DobbelWaarde);
    }
};

QTEST_MAIN(TestSpelerForm)
#include "tst_spelerform.moc"
