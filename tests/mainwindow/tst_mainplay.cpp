#include "advisor/Advisor.h"
#include "advisor/Position.h"
#include "advisor/ValueTable.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/Coach.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "mainwindow/ScoreSheet.h"
#include "persistence/SavedGame.h"
#include "support/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <random>

using namespace kwintor;
using test::ScriptedPlatform;

// The advisor, the computer players and the kept game, played through the real main window.
class TestMainPlay : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<Main> m_main;

    void open(QList<Platform::Answer> answers = {}) {
        m_main.reset();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir.path());
        m_platform->answers << answers;
        m_main = std::make_unique<Main>(*m_platform);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        m_main->computers().setStepInterval(0);
    }
    void throwDice(const QList<int>& faces) {
        for (int face : faces)
            for (int frame = 0; frame < 5; ++frame)
                m_platform->faces.enqueue(face);
        QTest::mouseClick(m_main->findChild<QPushButton*>("SchudKnop"), Qt::LeftButton);
    }
    QLabel* cell(int p, int row) const {
        return m_main->findChild<QLabel*>(QStringLiteral("SP%1(%2)").arg(p).arg(row));
    }
    void waitForTable() {
        if (!m_main->coach().table())
            QVERIFY(QSignalSpy(&m_main->coach(), &Coach::tableReady).wait(30000));
    }

private slots:
    void init() {
        QFile::remove(m_dir.filePath(QString::fromLatin1(KeptGameFileName.data())));
        open();
    }
    void cleanup() {
        m_platform->answers.clear();
        m_main.reset();
    }

    void adviceMarksTheBestMoveAfterEachThrowOnly() {
        m_main->findChild<QAction*>("ToolsAdvies")->trigger();
        waitForTable();
        QCOMPARE(m_main->sheet().adviceMarkedRow(), -1); // nothing before the first throw
        throwDice({6, 6, 6, 6, 6});
        QCOMPARE(m_main->sheet().adviceMarkedRow(), int(RowKwintor));
        // A screen reader hears the advice with the throw.
        QTRY_COMPARE(m_main->announcer().last(),
                     QStringLiteral("Worp 1 van 3: zes, zes, zes, zes, zes. Som 30. Advies: plaats bij Kwintor."));
        QVERIFY(cell(1, RowKwintor)->toolTip().contains("\nVerwacht eindtotaal: ")); // after "Nu 50 punten"
        QVERIFY(cell(1, RowKwintor)->toolTip().contains(','));
        // The marks follow the table: with 1 1 2 5 6 the best move keeps some dice and throws.
        m_main->SP_Click(1, RowKwintor);
        throwDice({1, 1, 2, 5, 6});
        const Advice advice = advise(*m_main->coach().table(), positionOf(m_main->flow().game().state(), 1));
        QCOMPARE(int(advice.best.kind), int(Action::Kind::Throw));
        for (int die = 1; die <= 5; ++die)
            QCOMPARE(m_main->tray().adviceMarked(die), bool(advice.best.keep & (1u << (die - 1))));
        QVERIFY(m_main->findChild<QPushButton*>("SchudKnop")->toolTip().startsWith("Beter: opnieuw gooien"));
        m_main->findChild<QAction*>("ToolsAdvies")->trigger(); // off: every mark goes
        for (int die = 1; die <= 5; ++die)
            QVERIFY(!m_main->tray().adviceMarked(die));
        QVERIFY(!cell(1, 0)->toolTip().contains("Verwacht"));
    }

    // Computer players play by the rules through the window's handlers, a game to its end.
    void computerPlayersPlayWholeGamesByTheRules_data() {
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("easy alone") << QList<int>{1};
        QTest::newRow("medium and easy") << QList<int>{2, 1};
        QTest::newRow("strong, medium, easy") << QList<int>{3, 2, 1};
    }
    void computerPlayersPlayWholeGamesByTheRules() {
        QFETCH(QList<int>, kinds);
        std::array<std::string, 7> names{"", "A", "B", "C", "D", "E", "F"};
        m_main->flow().choosePlayers(int(kinds.size()), names);
        if (kinds.contains(3))
            m_main->coach().prepare(), waitForTable();
        // A move the rules refuse would stall the game (a refused placement, a fourth throw) or
        // show "U bent nu niet aan de beurt!"; so would a turn that places dice it did not throw.
        int mostThrows = 0;
        m_platform->onWait = [&] { mostThrows = std::max<int>(mostThrows, m_main->flow().game().state().WorpTeller); };
        PlayerKinds chosen{};
        for (int p = 1; p <= kinds.size(); ++p)
            chosen[p] = PlayerKind(kinds[p - 1]);
        m_main->flow().setKinds(chosen);
        // Every click of a person during a computer turn does nothing.
        QTest::mouseClick(m_main->findChild<QPushButton*>("SchudKnop"), Qt::LeftButton);
        QTest::mouseClick(cell(1, 13), Qt::LeftButton);
        QCOMPARE(m_main->flow().game().state().WorpTeller, 0);
        auto finished = [&] {
            for (int p = 1; p <= kinds.size(); ++p)
                if (!m_main->flow().game().playerFinished(p))
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(finished(), 60000);
        m_platform->onWait = nullptr;
        QVERIFY(mostThrows >= 1 && mostThrows <= 3);
        QVERIFY(m_platform->messages.isEmpty()); // no refusal, and no score question for a computer
        QCOMPARE(m_main->files().scores().count(), 0);
        for (int p = 1; p <= kinds.size(); ++p) {
            QVERIFY(m_main->flow().game().state().TotaalAB[p] > 0);
            QVERIFY(m_main->sheet().nameLabel(p)->text().endsWith(" [PC]"));
        }
        // The game stands still: no step is planned any more.
        const int waits = int(m_platform->waits.size());
        QTest::qWait(50);
        QCOMPARE(int(m_platform->waits.size()), waits);
    }

    void aNewGameOrTheExitStopsAComputerTurn_data() {
        QTest::addColumn<bool>("exit");
        QTest::newRow("new game") << false;
        QTest::newRow("exit answered Yes") << true;
    }
    void aNewGameOrTheExitStopsAComputerTurn() {
        QFETCH(bool, exit);
        m_main->flow().setKinds({PlayerKind::Person, PlayerKind::Makkelijk});
        bool chosen = false;
        m_platform->onWait = [&] { // in the middle of the computer's throw
            if (chosen)
                return;
            chosen = true;
            if (exit)
                QVERIFY(m_main->close());
            else
                m_main->BestandNieuw_Click();
        };
        QTRY_VERIFY_WITH_TIMEOUT(chosen, 5000);
        m_platform->onWait = nullptr;
        QTest::qWait(50);
        const GameState& s = m_main->flow().game().state();
        if (exit) {
            QVERIFY(!m_main->isVisible());
            QVERIFY(m_main->closing());
        } else {
            QCOMPARE(s.WorpTeller, 0); // a clean sheet, and nobody throws any more
            QVERIFY(!m_main->flow().isComputer(1));
            for (int row = 0; row < CellCount; ++row)
                QCOMPARE(cell(1, row)->text(), "0");
        }
        const int waits = int(m_platform->waits.size());
        QTest::qWait(50);
        QCOMPARE(int(m_platform->waits.size()), waits);
    }

    // The game is kept after every throw and placement, and offered at the next start.
    void aGameLeftUnfinishedIsOfferedAtTheNextStart_data() {
        QTest::addColumn<bool>("finish");
        QTest::newRow("Ja: the same sheet, dice and holds") << true;
        QTest::newRow("Nee: removed, a fresh game") << false;
    }
    void aGameLeftUnfinishedIsOfferedAtTheNextStart() {
        QFETCH(bool, finish);
        m_main->flow().choosePlayers(2, {"", "Ann", "Bob", "", "", "", ""});
        throwDice({2, 2, 3, 3, 3});
        m_main->SP_Click(1, RowFullHouse);
        throwDice({5, 5, 1, 2, 5});
        m_main->DobbelsteenPic_Click(1);
        m_main->DobbelsteenPic_Click(5);
        QVERIFY(m_main->files().flushKeptGame());
        const GameState before = m_main->flow().game().state();
        m_main.reset(); // as a kill would: no exit question, nothing more written
        open({finish ? Platform::Answer::Yes : Platform::Answer::No});
        QTest::qWait(10);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].title, " Spel");
        QCOMPARE(m_platform->messages[0].text, "Het vorige spel is niet afgemaakt. Wilt u het afmaken?");
        const GameState& s = m_main->flow().game().state();
        if (finish) {
            QCOMPARE(keptGameText({s, {}}), keptGameText({before, {}}));
            QCOMPARE(cell(1, RowFullHouse)->text(), "25");
            QVERIFY(m_main->findChild<QWidget*>("Shape(5)")->isVisible());
            QCOMPARE(m_main->findChild<QLabel*>("SpelersLabel(2)")->text(), "Bob");
        } else {
            QCOMPARE(int(s.AantalSpelers), 1);
            QVERIFY(m_main->files().flushKeptGame());
            QVERIFY(!QFile::exists(m_dir.filePath("Spel.sav")));
        }
    }
};

QTEST_MAIN(TestMainPlay)
#include "tst_mainplay.moc"
