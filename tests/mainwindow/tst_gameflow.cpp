#include "mainwindow/GameFiles.h"
#include "mainwindow/GameFlow.h"
#include "support/MainFixture.h"
#include "support/ScriptedPlatform.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kwintor;
using test::OneColumn;
using test::ScriptedPlatform;

Q_DECLARE_METATYPE(kwintor::Mover)

namespace {

// The game's flow alone, with no window: the platform scripted, the files in a folder of its own.
struct Flow {
    QTemporaryDir dir;
    ScriptedPlatform platform{dir.path()};
    GameFiles files{platform};
    GameFlow flow{platform, platform, platform, files};

    void players(int count, const PlayerKinds& kinds = {}) {
        flow.choosePlayers(count, {"", "Ann", "Bob", "Cas"});
        flow.setKinds(kinds);
    }
    void throwFaces(const QList<int>& faces, Mover who) {
        for (int face : faces)
            for (int frame = 0; frame < 5; ++frame) // each rolling die shows five faces
                platform.faces.enqueue(face);
        flow.throwDice(who);
    }
};

} // namespace

// The game's flow without a window: it is the one door into the game, and it asks nothing.
class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    // While a computer plays its turn, a person's throw, hold and placement change nothing; the
    // computer's own moves, and a person's on his own turn, go through.
    void onlyThePlayerOnTurnMoves_data() {
        QTest::addColumn<bool>("computerOnTurn");
        QTest::addColumn<Mover>("who");
        QTest::addColumn<bool>("moves");
        QTest::newRow("a person on his turn") << false << Mover::Person << true;
        QTest::newRow("a person during a computer's turn") << true << Mover::Person << false;
        QTest::newRow("the computer on its turn") << true << Mover::Computer << true;
    }
    void onlyThePlayerOnTurnMoves() {
        QFETCH(bool, computerOnTurn);
        QFETCH(Mover, who);
        QFETCH(bool, moves);
        Flow f;
        PlayerKinds kinds{};
        kinds[1] = computerOnTurn ? PlayerKind::Sterk : PlayerKind::Person;
        f.players(2, kinds);
        QCOMPARE(f.flow.computerOnTurn(), computerOnTurn);
        const Mover onTurn = computerOnTurn ? Mover::Computer : Mover::Person;

        f.throwFaces({6, 6, 6, 6, 6}, who);
        QCOMPARE(f.flow.state().WorpTeller, moves ? 1 : 0);
        QCOMPARE(f.platform.sounds.size(), moves ? 1 : 0);

        f.throwFaces({6, 6, 6, 6, 6}, onTurn); // the player on turn throws; the other tries to hold
        f.flow.toggleHold(3, who);
        QCOMPARE(bool(f.flow.state().Vastgezet[3]), moves);

        f.flow.place(1, RowKwintor, who);
        QCOMPARE(f.flow.state().cells[1][RowKwintor].scored, moves);
        QCOMPARE(int(f.flow.state().AanDeBeurt), moves ? 2 : 1);
        QVERIFY(f.platform.messages.isEmpty());
    }

    // The end of each player's game is told, in turn order and before the end of the whole game;
    // the placement that ended a column cannot be taken back; the flow itself asks nothing. A
    // flow stopped while the last player's end is handled tells no end of the game.
    void theEndOfEachPlayersGameIsToldBeforeTheEndOfTheGame_data() {
        QTest::addColumn<bool>("secondIsComputer");
        QTest::addColumn<bool>("stopAtTheEnd");
        QTest::newRow("two people") << false << false;
        QTest::newRow("a person and a computer") << true << false;
        QTest::newRow("the window closes at the last end") << false << true;
    }
    void theEndOfEachPlayersGameIsToldBeforeTheEndOfTheGame() {
        QFETCH(bool, secondIsComputer);
        QFETCH(bool, stopAtTheEnd);
        Flow f;
        PlayerKinds kinds{};
        kinds[2] = secondIsComputer ? PlayerKind::Makkelijk : PlayerKind::Person;
        f.players(2, kinds);
        QStringList told;
        QObject::connect(&f.flow, &GameFlow::playerEnded, [&](int player) {
            told << QStringLiteral("end %1, undo %2").arg(player).arg(f.flow.game().canUndo() ? "yes" : "no");
            if (stopAtTheEnd && player == 2)
                f.flow.stop();
        });
        QObject::connect(&f.flow, &GameFlow::gameOver, [&] { told << QStringLiteral("game over"); });
        for (const test::Turn& turn : OneColumn) {
            for (int player = 1; player <= 2; ++player) {
                const Mover who = player == 2 && secondIsComputer ? Mover::Computer : Mover::Person;
                f.throwFaces(turn.faces, who);
                if (!turn.again.isEmpty()) {
                    f.flow.toggleHold(1, who);
                    f.flow.toggleHold(2, who);
                    f.throwFaces(turn.again, who);
                }
                f.flow.place(player, turn.row, who);
                QCOMPARE(f.flow.state().cells[player][turn.row].value, turn.points);
            }
            if (turn.row != RowKwintor)
                QVERIFY2(told.isEmpty(), qPrintable(told.join(u'|')));
        }
        QStringList expected{"end 1, undo no", "end 2, undo no"};
        if (!stopAtTheEnd)
            expected << "game over";
        QCOMPARE(told, expected);
        QVERIFY(f.flow.game().over());
        QVERIFY(f.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
