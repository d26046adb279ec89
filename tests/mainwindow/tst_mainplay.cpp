#include "advisor/Advisor.h"
#include "advisor/Position.h"
#include "dialogs/AnalyseForm.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/Coach.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/ScoreSheet.h"
#include "persistence/KeptGame.h"
#include "resources/Plaatjes.h"
#include "support/MainFixture.h"

#include <QLocale>

using namespace kwintor;

// The advisor, the computer players, the kept game and the review, played through the real main
// window.
class TestMainPlay : public QObject {
    Q_OBJECT
    std::unique_ptr<test::MainFixture> f;
    const std::vector<Decision>& decisions() const { return f->main->flow().decisions().decisions(); }

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
        // Each open cell's tooltip: the final total expected when placing there, the 50 already
        // scored included, with a decimal comma.
        for (int row : {int(RowEnen), int(RowKans)})
            QVERIFY2(f->cell(1, row)->toolTip().endsWith(
                         "\nVerwacht eindtotaal: " +
                         QLocale(QLocale::Dutch).toString(50 + advice.placeExpected[row], 'f', 1)),
                     qPrintable(f->cell(1, row)->toolTip()));
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
        while (!f->main->flow().game().playerFinished(int(kinds.size()))) // the last in turn order ends last
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

    // The game is kept after every throw and placement, and offered at the next start; taken up
    // again it reviews as a whole. Decisions that do not read are left out, the file is kept
    // aside, and the game goes on all the same.
    void aGameLeftUnfinishedIsOfferedAtTheNextStart_data() {
        QTest::addColumn<bool>("finish");
        QTest::addColumn<QByteArray>("damage"); // replaces the first decision line; empty: none
        QTest::newRow("Ja: the same sheet, dice, holds and decisions") << true << QByteArray();
        QTest::newRow("Ja, a damaged decision") << true << QByteArray("\"Keuze\",1,1,1,6,6,6,9,9,0,7,0,0,0");
        QTest::newRow("Nee: removed, a fresh game") << false << QByteArray();
    }
    void aGameLeftUnfinishedIsOfferedAtTheNextStart() {
        QFETCH(bool, finish);
        QFETCH(QByteArray, damage);
        f->setPlayers({"Ann", "Bob"});
        f->throwDice({6, 6, 6, 1, 2});
        for (int die : {1, 2, 3})
            f->hold(die);
        f->throwDice({6, 3}); // the two dice not held
        f->place(1, RowKwintor);
        f->run("Bestand/Ongedaan maken"); // taken back: does not count
        f->place(1, RowZessen);
        f->play({RowGroteStraat, {1, 2, 3, 4, 5}, {}, 40}, 2);
        f->throwDice({5, 5, 1, 2, 5});
        f->hold(1);
        f->hold(5);
        const std::vector<Decision> before = decisions();
        QCOMPARE(before.size(), std::size_t(3));
        QCOMPARE(before[1].row, int(RowZessen));
        QVERIFY(f->main->files().flushKeptGame());
        const GameState state = f->state();
        f->kill();
        QByteArray file = f->read("Spel.sav");
        if (!damage.isEmpty()) {
            const qsizetype at = file.indexOf("\"Keuze\",");
            file.replace(at, file.indexOf('\r', at) - at, damage);
            f->write("Spel.sav", file);
        }
        f->platform.answers << (finish ? Platform::Answer::Yes : Platform::Answer::No);
        f->open();
        QTRY_COMPARE(f->platform.messages.size(), 1);
        QCOMPARE(f->platform.messages[0].title, " Spel");
        QCOMPARE(f->platform.messages[0].text, "Het vorige spel is niet afgemaakt. Wilt u het afmaken?\r\n\r\n"
                                               "Spelers: Ann, Bob\r\nRonde 2 van 13; Ann is aan de beurt.");
        if (!finish) {
            QCOMPARE(int(f->state().AantalSpelers), 1);
            QVERIFY(f->main->files().flushKeptGame());
            QVERIFY(!QFile::exists(f->path("Spel.sav")));
            return;
        }
        QCOMPARE(keptGameText({f->state(), {}}), keptGameText({state, {}}));
        QCOMPARE(f->cell(1, RowZessen)->text(), "24");
        QVERIFY(f->widget("Shape(5)")->isVisible());
        QCOMPARE(f->text("SpelersLabel(2)"), "Bob");
        QCOMPARE(f->text("ScoreLabel"), "18");
        QCOMPARE(f->main->tray().diePicture(1).pixelColor(25, 25), Plaatjes::instance().Img(5).pixelColor(25, 25));
        QCOMPARE(decisions() == before, damage.isEmpty());
        QCOMPARE(f->read("Spel.sav.bak"), damage.isEmpty() ? QByteArray("<unreadable>") : file); // nothing lost
        // Play goes on, and so does the record.
        f->throwDice({6, 6, 6});
        QCOMPARE(decisions().back().holds, 0b10001u);
        QCOMPARE(decisions().size(), (damage.isEmpty() ? before.size() : 0) + 1);
    }

    // When the last column is full the final order opens; "Nieuw spel" starts again with the
    // same players, names and computers, and Tools / Analyse still reviews the game just played.
    void newGameFromTheFinalOrderKeepsThePlayers() {
        f->setPlayers({"Ann", "Bob"});
        f->main->flow().setKinds({PlayerKind::Person, PlayerKind::Person, PlayerKind::Makkelijk});
        QString summary;
        f->dialogs << [](QDialog& dialog) { test::click(&dialog, "NieuwKnop"); } << [&](QDialog& dialog) {
            auto* review = qobject_cast<AnalyseForm*>(&dialog);
            QVERIFY(review);
            QTRY_VERIFY_WITH_TIMEOUT(review->ready(), 60000); // the table is made on a thread of its own
            summary = test::child<QLabel>(&dialog, "Samenvatting")->text();
        };
        f->platform.answers << Platform::Answer::No; // Ann's score stays off the list
        for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}) {
            QTRY_COMPARE(f->state().AanDeBeurt, 1);
            f->throwDice({3, 3, 3, 3, 3});
            f->place(1, row);
        }
        QTRY_COMPARE(f->shown, QStringList{" Uitslag"});
        const GameState& s = f->state();
        QCOMPARE(f->text("Label1"), "Aantal spelers : 2");
        QCOMPARE(f->text("SpelersLabel(1)") + '|' + f->text("SpelersLabel(2)"), "Ann|Bob [PC]");
        QCOMPARE(s.TotaalAB[1] + s.TotaalAB[2], 0);
        QVERIFY(f->main->flow().decisions().empty());
        QCOMPARE(s.AanDeBeurt, 1);

        f->run("Tools/Analyse");
        QCOMPARE(f->shown, (QStringList{" Uitslag", " Analyse"}));
        QVERIFY(summary.startsWith("Ann: "));
        QVERIFY(summary.section('\n', 0, 0).endsWith(" punten verloren in 13 keuzes"));
        QVERIFY(summary.section('\n', 1, 1).startsWith("Bob: "));
        QCOMPARE(f->main->files().history().size(), std::size_t(2));
    }
};

QTEST_MAIN(TestMainPlay)
#include "tst_mainplay.moc"
