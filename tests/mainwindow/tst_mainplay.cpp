#include "advisor/Advisor.h"
#include "advisor/Position.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/Coach.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/ScoreSheet.h"
#include "persistence/KeptGame.h"
#include "resources/Plaatjes.h"
#include "support/MainFixture.h"

using namespace kwintor;

// The advisor, the computer players and the kept game, played through the real main window.
class TestMainPlay : public QObject {
    Q_OBJECT
    std::unique_ptr<test::MainFixture> f;

private slots:
    void init() {
        f = std::make_unique<test::MainFixture>();
        f->withAdviceTable();
        f->open();
    }
    void cleanup() { f.reset(); }

    void adviceMarksTheBestMoveAfterEachThrowOnly() {
        f->run("Tools/Advies");
        f->waitForAdviceTable();
        QCOMPARE(f->main->sheet().adviceMarkedRow(), -1); // nothing before the first throw
        f->throwDice({6, 6, 6, 6, 6});
        QCOMPARE(f->main->sheet().adviceMarkedRow(), int(RowKwintor));
        // A screen reader hears the advice with the throw.
        QTRY_COMPARE(f->main->announcer().last(),
                     QStringLiteral("Worp 1 van 3: zes, zes, zes, zes, zes. Som 30. Advies: plaats bij Kwintor."));
        QVERIFY(f->cell(1, RowKwintor)->toolTip().contains("\nVerwacht eindtotaal: ")); // after "Nu 50 punten"
        QVERIFY(f->main->tray().throwButton().toolTip().startsWith("Beter: nu plaatsen in Kwintor"));
        // The marks follow the table: with 1 1 2 5 6 the best move keeps some dice and throws.
        f->place(1, RowKwintor);
        QCOMPARE(f->main->sheet().adviceMarkedRow(), -1);
        f->throwDice({1, 1, 2, 5, 6});
        const Advice advice = advise(*f->main->coach().table(), positionOf(f->state(), 1));
        QCOMPARE(int(advice.best.kind), int(Action::Kind::Throw));
        for (int die = 1; die <= 5; ++die)
            QCOMPARE(f->main->tray().adviceMarked(die), bool(advice.best.keep & (1u << (die - 1))));
        QVERIFY(f->main->tray().throwButton().toolTip().startsWith("Beter: opnieuw gooien"));
        f->run("Tools/Advies"); // off: every mark goes
        for (int die = 1; die <= 5; ++die)
            QVERIFY(!f->main->tray().adviceMarked(die));
        QVERIFY(!f->cell(1, RowEnen)->toolTip().contains("Verwacht"));
    }

    // Computer players play by the rules through the game's flow, a game to its end.
    void computerPlayersPlayWholeGamesByTheRules_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("easy alone") << QList<int>{1};
        QTest::newRow("strong, medium, easy") << QList<int>{3, 2, 1};
    }
    void computerPlayersPlayWholeGamesByTheRules() {
        QFETCH(QList<int>, kinds);
        f->setPlayers(QStringList{"A", "B", "C"}.mid(0, kinds.size()));
        // A move the rules refuse would stall the game or show a message; so would a turn that
        // places dice it did not throw.
        int mostThrows = 0;
        f->platform.onWait = [&] { mostThrows = std::max(mostThrows, int(f->state().WorpTeller)); };
        PlayerKinds chosen{};
        for (int p = 1; p <= kinds.size(); ++p)
            chosen[p] = PlayerKind(kinds[p - 1]);
        f->main->flow().setKinds(chosen);
        f->throwDice({}); // a person's clicks during a computer turn do nothing
        f->place(1, RowKans);
        QCOMPARE(f->state().WorpTeller, 0);
        if (kinds.contains(3)) // the strong player asked for the table
            f->waitForAdviceTable();
        auto finished = [&] {
            for (int p = 1; p <= kinds.size(); ++p)
                if (!f->main->flow().game().playerFinished(p))
                    return false;
            return true;
        };
        while (!finished())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        f->platform.onWait = nullptr;
        QVERIFY(mostThrows >= 1 && mostThrows <= 3);
        QVERIFY(f->platform.messages.isEmpty()); // no refusal, and no score question for a computer
        QCOMPARE(f->main->files().scores().count(), 0);
        QVERIFY(!f->main->actions().ongedaan->isEnabled()); // nobody takes back a computer's move
        for (int p = 1; p <= kinds.size(); ++p) {
            QVERIFY(f->state().TotaalAB[p] > 0);
            QVERIFY(f->main->sheet().nameLabel(p)->text().endsWith(" [PC]"));
        }
        const int waits = int(f->platform.waits.size()); // the game stands still
        QTest::qWait(20);
        QCOMPARE(int(f->platform.waits.size()), waits);
    }

    void aNewGameOrTheExitStopsAComputerTurn_data() {
        QTest::addColumn<bool>("exit");
        QTest::newRow("new game") << false;
        QTest::newRow("exit answered Yes") << true;
    }
    void aNewGameOrTheExitStopsAComputerTurn() {
        QFETCH(bool, exit);
        f->main->flow().setKinds({PlayerKind::Person, PlayerKind::Makkelijk});
        bool chosen = false;
        f->platform.onWait = [&] { // in the middle of the computer's throw
            if (!std::exchange(chosen, true))
                f->run(exit ? "Bestand/Exit" : "Bestand/Nieuw");
        };
        while (!chosen)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        f->platform.onWait = nullptr;
        QTest::qWait(20);
        if (exit) {
            QVERIFY(!f->main->isVisible());
        } else {
            QCOMPARE(f->state().WorpTeller, 0); // a clean sheet, and nobody throws any more
            QVERIFY(!f->main->flow().isComputer(1));
        }
        const int waits = int(f->platform.waits.size());
        QTest::qWait(20);
        QCOMPARE(int(f->platform.waits.size()), waits);
    }

    // While a dialog is open the computer waits, and goes on once it is closed.
    void aComputerWaitsWhileADialogIsOpen() {
        f->dialogs << [&](QDialog&) {
            f->main->flow().setKinds({PlayerKind::Person, PlayerKind::Makkelijk});
            for (int i = 0; i < 50; ++i)
                QCoreApplication::processEvents();
            QCOMPARE(f->state().WorpTeller, 0);
        };
        f->run("Spelers/Statistieken");
        while (f->state().WorpTeller == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    // The game is kept after every throw and placement, and offered at the next start.
    void aGameLeftUnfinishedIsOfferedAtTheNextStart_data() {
        QTest::addColumn<bool>("finish");
        QTest::newRow("Ja: the same sheet, dice and holds") << true;
        QTest::newRow("Nee: removed, a fresh game") << false;
    }
    void aGameLeftUnfinishedIsOfferedAtTheNextStart() {
        QFETCH(bool, finish);
        f->setPlayers({"Ann", "Bob"});
        f->play({RowFullHouse, {2, 2, 3, 3, 3}, {}, 25}, 1);
        f->throwDice({5, 5, 1, 2, 5});
        f->hold(1);
        f->hold(5);
        QVERIFY(f->main->files().flushKeptGame());
        const GameState before = f->state();
        f->kill();
        f->platform.answers << (finish ? Platform::Answer::Yes : Platform::Answer::No);
        f->open();
        QTest::qWait(10);
        QCOMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].title, " Spel");
        QCOMPARE(f->platform.messages[0].text, "Het vorige spel is niet afgemaakt. Wilt u het afmaken?");
        if (finish) {
            QCOMPARE(keptGameText({f->state(), {}}), keptGameText({before, {}}));
            QCOMPARE(f->cell(1, RowFullHouse)->text(), "25");
            QVERIFY(f->widget("Shape(5)")->isVisible());
            QCOMPARE(f->text("SpelersLabel(2)"), "Bob");
            QCOMPARE(f->text("ScoreLabel"), "18");
            QCOMPARE(f->main->tray().diePicture(1).pixelColor(25, 25), Plaatjes::instance().Img(5).pixelColor(25, 25));
        } else {
            QCOMPARE(int(f->state().AantalSpelers), 1);
            QVERIFY(f->main->files().flushKeptGame());
            QVERIFY(!QFile::exists(f->path("Spel.sav")));
        }
    }
};

QTEST_MAIN(TestMainPlay)
#include "tst_mainplay.moc"
