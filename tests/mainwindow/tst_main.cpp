#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/ScoreSheet.h"
#include "resources/Plaatjes.h"
#include "support/MainFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>

using namespace kwintor;
using test::MainFixture;
using Answer = Platform::Answer;

// The main window played by mouse: what a throw, a hold and a placement show, the turn passing,
// the clicks the rules refuse, the menus and the settings dialog.
class TestMain : public QObject {
    Q_OBJECT
    std::unique_ptr<MainFixture> f;

    QColor dieAt(int die, QPoint at) const { return f->main->tray().diePicture(die).pixelColor(at); }
    QColor face(int picture) const { return Plaatjes::instance().Img(picture).pixelColor(25, 25); }
    QColor windowColour() const { return f->main->centralWidget()->grab().toImage().pixelColor(3, 300); }
    QImage worp() const {
        return f->widget<QLabel>("WorpPic")->pixmap().toImage().convertToFormat(QImage::Format_RGB888);
    }

private slots:
    void init() {
        f = std::make_unique<MainFixture>();
        f->open();
    }
    void cleanup() { f.reset(); }

    void aFreshWindowWaitsForPlayerOnesFirstThrow() {
        QCOMPARE(f->main->windowTitle(), " Kwintor");
        QCOMPARE(f->text("Label1"), "Aantal spelers : 1");
        QCOMPARE(f->text("KlokLabel"), " 12:00:00");
        QVERIFY(f->main->tray().throwButton().hasFocus());
        QStringList hints; // of the lower rows, in their captions' tooltips
        for (int i = 0; i <= RowKwintor - RowDrieGelijke; ++i)
            hints << f->widget(QStringLiteral("LabelO(%1)").arg(i))->toolTip();
        QCOMPARE(hints.join('|'),
                 " 3 Gelijke stenen | 4 Gelijke stenen | 4 Opeenvolgende | 5 Opeenvolgende | 2 Gelijke en 3 "
                 "Gelijke | Totaal alle stenen | 5 dezelfde ");
    }

    void aTurnThrowsHoldsAndPlaces() {
        f->throwDice({6, 5, 4, 3, 2});
        QCOMPARE(f->platform.sounds, QList<Sound>{Sound::Throw});
        QCOMPARE(f->platform.waits.first(), 0.1); // a frame a tenth of a second
        QCOMPARE(f->text("ScoreLabel"), "20");
        QCOMPARE(worp(), Plaatjes::instance().Worp(1));
        QCOMPARE(dieAt(1, {25, 25}), face(6));
        f->hold(2);
        f->hold(4);
        QVERIFY(f->widget("Shape(2)")->isVisible() && f->widget("Shape(4)")->isVisible());
        QVERIFY(f->widget("Shape(1)")->isHidden());
        f->throwDice({6, 6, 6}); // dice 1, 3 and 5 roll
        f->throwDice({1, 1, 1});
        QCOMPARE(f->text("ScoreLabel"), "11");
        QCOMPARE(worp(), Plaatjes::instance().Worp(3));
        QVERIFY(!f->main->tray().throwButton().isEnabled()); // three throws a turn
        f->place(1, RowEnen);
        QCOMPARE(f->cell(1, RowEnen)->text(), "3");
        QVERIFY(!f->cell(1, RowEnen)->isEnabled());
        QVERIFY(f->widget("Shape(2)")->isHidden());
        QVERIFY(f->main->tray().throwButton().isEnabled());
        QVERIFY(f->main->tray().throwButton().hasFocus()); // the keyboard can throw at once
        QCOMPARE(f->text("ScoreLabel"), "0");
        QCOMPARE(worp(), Plaatjes::instance().Worp(0));
    }

    void aClickOutOfTurnIsToldAndTheTurnPassesOnAPlacement() {
        f->setPlayers({"Ann", "Bob"});
        QCOMPARE(f->text("SpelersLabel(2)"), "Bob");
        f->throwDice({2, 2, 3, 3, 3});
        f->hold(1);
        f->place(2, RowFullHouse);
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].text, "U bent nu niet aan de beurt!");
        QCOMPARE(f->cell(2, RowFullHouse)->text(), "0");
        QVERIFY(f->widget("Shape(1)")->isVisible());
        f->place(1, RowFullHouse);
        QCOMPARE(f->cell(1, RowFullHouse)->text(), "25");
        QCOMPARE(f->cell(1, RowGrandTotal)->text(), "25");
        f->throwDice({5, 5, 5, 5, 5}); // Bob's dice, in Bob's column
        f->place(2, RowKwintor);
        QCOMPARE(f->cell(2, RowKwintor)->text(), "50");
        QCOMPARE(f->platform.messages.size(), 1);
    }

    // While the dice roll, a click on a cell or the button does nothing; menu commands wait for
    // the dice and then run in the order chosen.
    void duringAThrowClicksAreIgnoredAndCommandsWait() {
        f->setPlayers({"Ann", "Bob"});
        f->platform.answers << Answer::Yes << Answer::No; // the new game, the print
        bool chosen = false;
        f->platform.onWait = [&] {
            if (std::exchange(chosen, true))
                return;
            f->place(1, RowEnen);
            QTest::mouseClick(&f->main->tray().throwButton(), Qt::LeftButton);
            f->run("Bestand/Nieuw");
            f->run("Bestand/Print Formulieren");
            QVERIFY(f->platform.messages.isEmpty());
        };
        f->throwDice({4, 4, 4, 4, 4});
        f->platform.onWait = nullptr;
        QCOMPARE(f->platform.faces.size(), 0); // one throw only
        QStringList titles;
        for (const auto& message : f->platform.messages)
            titles << message.title;
        QCOMPARE(titles, (QStringList{" Nieuw", " Print"}));
        QCOMPARE(f->cell(1, RowEnen)->text(), "0");
        QCOMPARE(f->text("Label1"), "Aantal spelers : 1");
        QCOMPARE(dieAt(2, {25, 25}), face(4)); // the new game leaves the dice on the table
    }

    // Every menu item and shortcut, reached as a user reaches it, and what it brings about (the
    // dialogs' choices are applied below and in tst_mainfiles).
    void menuItemsAndShortcutsRunTheirCommands_data() {
        QTest::addColumn<QString>("how"); // "Menu/Caption" or a key sequence
        QTest::addColumn<QString>("shows");
        for (auto [tag, how, shows] : {
                 std::array{"Ctrl+N", "Ctrl+N", "message: Nieuw"},
                 {"Ctrl+P", "Ctrl+P", "message: Print"},
                 {"Exit", "Bestand/Exit", "message: Exit programma"},
                 {"Ctrl+Q", "Ctrl+Q", "message: Exit programma"},
                 {"Scorelijst", "Spelers/Scorelijst", "dialog: Scorelijst"},
                 {"Statistieken", "Spelers/Statistieken", "dialog: Statistieken"},
                 {"Spelregels", "Help/Spelregels", "opens:spelregels.pdf"},
                 {"Spelregels missing", "Help/Spelregels", "message: Spelregels"},
                 {"Zegelhof", "Help/Zegelhof", "opens:https://www.zegelhof.example/"},
                 {"Meer Software", "Help/Meer Software", "opens:https://www.dobbelwerken.example/software.htm"},
             })
            QTest::newRow(tag) << QString(how) << QString(shows);
    }
    void menuItemsAndShortcutsRunTheirCommands() {
        QFETCH(QString, how);
        QFETCH(QString, shows);
        if (!QByteArray(QTest::currentDataTag()).endsWith("missing"))
            f->write("spelregels.pdf", {}); // beside the program, as in a build tree
        f->platform.answers << Answer::No;  // whatever the question, No changes nothing
        if (how.contains('/'))
            f->run(how);
        else
            QTest::keySequence(f->main.get(), QKeySequence(how));
        QStringList seen;
        for (const auto& message : f->platform.messages)
            seen << "message:" + message.title;
        for (const QString& title : f->shown)
            seen << "dialog:" + title;
        for (const QString& target : f->platform.opened)
            seen << "opens:" + QString(target).remove(f->dir.path() + "/");
        QCOMPARE(seen, QStringList{shows});
        QVERIFY(f->main->isVisible());
        if (!shows.startsWith("opens:"))
            return;
        // Without a viewer or a browser the user learns what to open by hand, on a line of its own.
        const QString target = shows.mid(6);
        f->platform.shellOpens = false;
        f->platform.messages.clear();
        f->run(how);
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].title, " " + how.section('/', 1));
        QCOMPARE(f->platform.messages[0].text.split("\r\n").last(),
                 target.contains("://") ? target : QDir::toNativeSeparators(f->dir.filePath(target)));
    }

    // A desktop's interface font (what a platform theme hands the application) or a style sheet
    // makes the menu titles taller; the bar grows with them rather than fold them into "»", and
    // the sheet keeps its size below it.
    void menuTitlesFitTheBarAtEveryFontSize_data() {
        QTest::addColumn<bool>("styleSheet");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("dpi");
        for (bool styleSheet : {false, true})
            for (int dpi : {96, 144})
                for (int points : {9, 10, 11, 12, 14})
                    QTest::addRow("%s %d pt at %d dpi", styleSheet ? "style sheet" : "interface font", points, dpi)
                        << styleSheet << points << dpi;
    }
    void menuTitlesFitTheBarAtEveryFontSize() {
        QFETCH(bool, styleSheet);
        QFETCH(int, points);
        QFETCH(int, dpi);
        const int pixels = qRound(points * dpi / 72.0);
        const QFont font = QApplication::font();
        const auto restore = qScopeGuard([font] {
            qApp->setStyleSheet(QString());
            QApplication::setFont(font);
        });
        if (styleSheet) {
            qApp->setStyleSheet(QStringLiteral("QMenuBar { font-size: %1px; }").arg(pixels));
        } else {
            QFont large = font;
            large.setPixelSize(pixels);
            QApplication::setFont(large);
        }
        f->open();
        const QMenuBar* bar = f->main->menuBar();
        QCOMPARE(bar->fontInfo().pixelSize(), pixels);
        for (const char* title : {"Bestand", "Spelers", "Tools", "Help"}) {
            const QRect place = bar->actionGeometry(bar->findChild<QMenu*>(title)->menuAction());
            QVERIFY2(!place.isEmpty() && bar->rect().contains(place), title);
            QVERIFY2(place.width() >= bar->fontMetrics().horizontalAdvance(QLatin1String(title)), title);
        }
        QCOMPARE(f->main->centralWidget()->geometry(), QRect(0, bar->height(), 854, 573));
        QCOMPARE(f->main->size(), QSize(854, 573 + bar->height()));
    }

    // The window is not destroyed while one of its handlers waits, whatever the user does in the
    // wait: here the exit is answered Yes and deferred deletes run inside the wait.
    void closingDuringAWaitLeavesTheWindowStanding_data() {
        QTest::addColumn<bool>("endOfGame"); // else during a throw
        QTest::newRow("during a throw") << false;
        QTest::newRow("during the second before the score list") << true;
    }
    void closingDuringAWaitLeavesTheWindowStanding() {
        QFETCH(bool, endOfGame);
        if (endOfGame)
            f->play(test::OneColumn.mid(0, 12));
        QPointer<Main> window = f->main.get();
        bool closed = false;
        f->platform.onWait = [&] {
            if (closed || (endOfGame && f->platform.waits.last() != 1.0))
                return;
            closed = true;
            QVERIFY(window->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        if (endOfGame)
            f->play(test::OneColumn.last());
        else
            f->throwDice({1, 2, 3, 4, 5});
        f->platform.onWait = nullptr;
        QVERIFY(closed);
        QVERIFY(window); // the program's own main() deletes it after the event loop
        QVERIFY(!window->isVisible());
        QVERIFY(f->shown.isEmpty()); // nothing more was shown once the exit was answered Yes
    }

    void aDialogsChoiceIsAppliedOnlyOnOk_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        for (auto [tag, item, button, label, text] : {
                 std::array{"players, Ok", "Spelers/Aantal Speler", "OkKnop", "Label1", "Aantal spelers : 2"},
                 {"players, Cancel", "Spelers/Aantal Speler", "CancelKnop", "Label1", "Aantal spelers : 1"},
                 {"computers, Ok", "Spelers/Computerspelers...", "OkKnop", "SpelersLabel(1)", "Speler 1 [PC]"},
                 {"computers, Cancel", "Spelers/Computerspelers...", "CancelKnop", "SpelersLabel(1)", "Speler 1"},
             })
            QTest::newRow(tag) << QString(item) << QString(button) << QString(label) << QString(text);
    }
    void aDialogsChoiceIsAppliedOnlyOnOk() {
        QFETCH(QString, item);
        QFETCH(QString, button);
        QFETCH(QString, label);
        QFETCH(QString, text);
        f->dialogs << [&](QDialog& dialog) {
            if (auto* bar = dialog.findChild<QScrollBar*>("HScroll1"))
                bar->setValue(2);
            if (auto* soort = dialog.findChild<QComboBox*>("Soort(1)"))
                soort->setCurrentIndex(1);
            test::click(&dialog, button);
        };
        f->main->computers().setStepInterval(60000); // the computer's turn stays for later
        f->run(item);
        QCOMPARE(f->text(label), text);
    }

    // Tools / Instellingen: the bars colour the window while they move; only Ok keeps the colour.
    // The dice colour is kept at once.
    void theSettingsDialogPreviewsAndOkKeeps_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("dice"); // the dice bar's position, -1 untouched
        QTest::addColumn<QColor>("after");
        QTest::newRow("dark, Ok") << "OkKnop" << -1 << QColor(10, 20, 30);
        QTest::newRow("green dice, Cancel") << "CancelKnop" << 2 << QColor(110, 140, 90);
    }
    void theSettingsDialogPreviewsAndOkKeeps() {
        QFETCH(QString, button);
        QFETCH(int, dice);
        QFETCH(QColor, after);
        f->dialogs << [&](QDialog& dialog) {
            for (int i = 1; i <= 3; ++i)
                test::child<QScrollBar>(&dialog, QStringLiteral("ScrollColor(%1)").arg(i))->setValue(10 * i);
            QCOMPARE(windowColour(), QColor(10, 20, 30));
            QCOMPARE(f->widget("Frame8")->grab().toImage().pixelColor(5, 5), QColor(10, 20, 30));
            if (dice >= 0)
                test::child<QScrollBar>(&dialog, "HScroll1")->setValue(dice);
            test::click(&dialog, button);
        };
        f->run("Tools/Instellingen");
        QCOMPARE(f->shown, QStringList{" Instellingen"});
        QCOMPARE(windowColour(), after);
        QCOMPARE(f->main->files().settings().AchtergrondRood, after.red()); // what the exit writes
        f->throwDice({4, 4, 4, 4, 4});
        QCOMPARE(dieAt(3, {25, 25}), face(4 + 6 * std::max(0, dice)));
        QCOMPARE(dieAt(3, {0, 0}), after); // the corners in the kept colour
    }

    void helpTogglesThePanelOverTheUpperRows() {
        for (bool shown : {true, false}) {
            QTest::keyClick(f->main.get(), Qt::Key_F1);
            QCOMPARE(f->widget("HelpLabel")->isVisible(), shown);
            QCOMPARE(f->widget("Frame4")->isVisible(), !shown);
            QCOMPARE(f->main->actions().help->isChecked(), shown);
        }
        QVERIFY(f->text("HelpLabel").contains("6. Klik dan op één van de getallen onder de naam v/d speler"));
        QVERIFY(f->text("HelpLabel").contains("T leest de totalen, W wie aan de beurt is"));
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
