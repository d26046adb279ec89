#include "engine/Game.h"
#include "persistence/KeptGame.h"
#include "persistence/KeptGameWriter.h"

#include "../support/GameScript.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

const QStringList Plan{"t11123 p0", "t22256 p1",  "t33311 p2",  "t44441 p3",  "t55522 p4",  "t66612 p5", "t55532 p8",
                       "t66633 p9", "t12346 p10", "t23456 p11", "t33322 p12", "t65465 p13", "t44444 p14"};

// Names of every kind, for "n" in the scripts.
const PlayerNames Names{"", "Anna", "Jan, de Vries", "\"Bo\" \"Bos\"", "<s>Ann</s> & Zoë", "", "x\",\"y"};
void play(Game& game, const QString& script) { test::play(game, script, Names); }

// Two decisions: in his second turn, with 3 in Enen, player 1 held the threes after his first
// throw, and placed.
std::vector<Decision> twoDecisions() {
    Decision hold{1, 2, 1, {3, 3, 3, 2, 2}, Decision::Kind::Hold, 7, -1, 1, 3, 3};
    Decision place{1, 2, 2, {3, 3, 3, 2, 2}, Decision::Kind::Place, 0, RowFullHouse, 1, 3, 3};
    return {hold, place};
}

// A game of two in mid-turn, as a file; the damaged rows change lines of it.
QByteArray twoPlayerFile() {
    Game game;
    play(game, "n2 t33322 p12 t66662 p5 t12345 h123 t12346");
    return QByteArray::fromStdString(keptGameText(KeptGame{
        game.state(), PlayerKinds{PlayerKind::Person, PlayerKind::Person, PlayerKind::Gemiddeld}, twoDecisions()}));
}

QByteArray withLine(const QByteArray& file, const QByteArray& start, const QByteArray& line) {
    QList<QByteArray> lines = file.split('\n');
    for (QByteArray& l : lines)
        if (l.startsWith(start)) {
            l = line + "\r";
            return lines.join('\n');
        }
    qFatal("no line starts with %s", start.constData());
}

// A game of one after `throws` throws, each placed, and then `more` steps.
KeptGame afterThrows(int throws, const QString& more = {}) {
    Game game;
    for (int t = 0; t < throws; ++t)
        test::play(game, QString("t%1 p%2").arg(QString(5, QChar('1' + t % 6))).arg(t % 6));
    test::play(game, more);
    return {game.state(), {}};
}

QByteArray textOf(int throws) { return QByteArray::fromStdString(keptGameText(afterThrows(throws))); }

} // namespace

// The game kept for the next start, "Spel.sav": it reads back as it was written, at every stage
// of a game, and a file that is damaged or newer is never trusted.
class KeptGameTest : public QObject {
    Q_OBJECT
private slots:
    void keptGameReadsBackFieldByField_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("worthKeeping");

        QTest::newRow("before the first throw of a game") << "n2" << false;
        QTest::newRow("after the first throw") << "n2 t33322" << true;
        QTest::newRow("after the third throw, with holds") << "n2 t33322 h345 t61322 h12 t61344 h5" << true;
        QTest::newRow("a later turn before its first throw") << "n2 t33322 p12 t66662 p5" << true;
        QString twoPlayers = "n2";
        for (int k = 0; k < CategoryCount; ++k) // player 2 plays the plan one turn ahead, and is one short
            twoPlayers += ' ' + Plan[k] + (k < CategoryCount - 1 ? ' ' + Plan[k + 1] : QString());
        QTest::newRow("one player finished") << twoPlayers << true;
        QTest::newRow("one player, column full") << Plan.join(' ') << false;
        QTest::newRow("six players")
            << "n6 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t66612 h123" << true;
        QTest::newRow("fewer players than the turn") << "n4 t11111 p0 t11111 p0 n2 t44444" << true;
        QTest::newRow("a new game after a throw") << "n3 t11111 p0 t55555 N" << false;
    }

    void keptGameReadsBackFieldByField() {
        QFETCH(QString, script);
        QFETCH(bool, worthKeeping);

        Game game;
        play(game, script);
        // People and computers of each level, and decisions of either kind.
        const KeptGame kept{game.state(),
                            {PlayerKind::Person, PlayerKind::Person, PlayerKind::Makkelijk, PlayerKind::Gemiddeld,
                             PlayerKind::Sterk, PlayerKind::Person, PlayerKind::Makkelijk},
                            twoDecisions()};
        QCOMPARE(isWorthKeeping(kept.state), worthKeeping);

        QTemporaryDir dir;
        const std::string path = dir.filePath("Spel.sav").toStdString();
        QVERIFY(writeKeptGame(path, kept));
        KeptGame read;
        QCOMPARE(readKeptGame(path, read), KeptGameRead::Ok);
        QCOMPARE(test::dump(read.state), test::dump(kept.state));
        QVERIFY(read.kinds == kept.kinds && read.decisions == kept.decisions);

        // Taken up again, the game plays on exactly as the one it was written from.
        Game resumed;
        resumed.restore(read.state);
        if (game.canThrow()) {
            play(game, "t65432");
            play(resumed, "t65432");
        }
        const int p = game.state().AanDeBeurt;
        QCOMPARE(resumed.place(p, RowEnen), game.place(p, RowEnen));
        QCOMPARE(test::dump(resumed.state()), test::dump(game.state()));

        // A throw that rolls is not written: the file keeps the game from before it.
        if (resumed.beginThrow())
            QVERIFY(!writeKeptGame(path, {resumed.state(), {}}));
        QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
    }

    void damagedOrNewerFileIsNotTrusted_data() {
        using enum KeptGameRead;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<KeptGameRead>("result");
        QTest::addColumn<int>("decisions"); // read with an Ok game; -1: the decisions did not read

        const QByteArray file = twoPlayerFile();
        QTest::newRow("the file as written") << file << Ok << 2;
        QTest::newRow("newer version") << withLine(file, "\"Versie\"", "\"Versie\",3") << NewerVersion << 0;
        // The game stays whole whatever happens to the decisions that follow it.
        const QByteArray first = withLine(file, "\"Versie\"", "\"Versie\",1");
        QTest::newRow("version 1, without decisions") << first.left(first.indexOf("\"Keuzes\"")) << Ok << 0;
        QTest::newRow("decisions cut short") << file.left(file.lastIndexOf("\"Keuze\",")) << Ok << -1;
        QTest::newRow("a decision with a die 7")
            << withLine(file, "\"Keuze\",1,2,1", "\"Keuze\",1,2,1,3,3,3,2,7,0,7,1,3,3") << Ok << -1;
        QTest::newRow("cut short at a line end") << file.left(file.lastIndexOf("\"Totaal A+B\",2")) << Damaged << 0;
        QTest::newRow("last line end lost") << file.left(file.size() - 2) << Ok << -1;
        QTest::newRow("version 1, last line end lost") << first.left(first.indexOf("\"Keuzes\"") - 2) << Damaged << 0;
        QTest::newRow("name without its closing quote")
            << withLine(file, "\"Naam\",1", "\"Naam\",1,\"Anna") << Damaged << 0;
        QTest::newRow("a die 7") << withLine(file, "\"Dobbelstenen\"", "\"Dobbelstenen\",1,2,3,4,7") << Damaged << 0;
        QTest::newRow("a blank die after a throw")
            << withLine(withLine(file, "\"Dobbelstenen\"", "\"Dobbelstenen\",1,2,3,4,0"), "\"Som\"", "\"Som\",10")
            << Damaged << 0;
        QTest::newRow("sum not the dice") << withLine(file, "\"Som\"", "\"Som\",15") << Damaged << 0;
        QTest::newRow("total A off") << withLine(file, "\"Totalen\",1", "\"Totalen\",1,25,25,0,50") << Damaged << 0;
    }

    void damagedOrNewerFileIsNotTrusted() {
        QFETCH(QByteArray, bytes);
        QFETCH(KeptGameRead, result);
        QFETCH(int, decisions);

        KeptGame game;
        game.kinds[1] = PlayerKind(42);
        QCOMPARE(parseKeptGame(bytes.toStdString(), game), result);
        QCOMPARE(game.kinds[1] == PlayerKind(42), result != KeptGameRead::Ok); // nothing taken from a file not trusted
        if (result == KeptGameRead::Ok) {
            QCOMPARE(game.decisionsDamaged, decisions < 0);
            QCOMPARE(int(game.decisions.size()), std::max(decisions, 0));
        }
    }

    // The disk fills up under a write: the kept game stays as it was, whole, with no temporary
    // file beside it, and the next write that fits goes through. (A file may not grow past a
    // limit, so the write fails as it does on a full disk.)
    void aFullDiskKeepsTheGameBeforeIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Spel.sav");
        KeptGameWriter writer(path.toStdString());
        QVERIFY(writer.keep(afterThrows(1)) && writer.flush());
        const bool written = underFault("full", dir, textOf(6).size() - 1, [&] {
            writer.keep(afterThrows(6));
            return writer.flush();
        });
        QVERIFY(!written);
        QCOMPARE(fileBytes(path), textOf(1));
        QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
        QVERIFY(writer.keep(afterThrows(2)) && writer.flush());
        QCOMPARE(fileBytes(path), textOf(2));
    }

    // The kept games' file names: "Spel.sav" first, then "Spel-2.sav" to "Spel-99.sav".
    void keptGameFileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("the first") << "Spel.sav" << 1;
        QTest::newRow("the second") << "Spel-2.sav" << 2;
        QTest::newRow("the last") << "Spel-99.sav" << 99;
        QTest::newRow("one too many") << "Spel-100.sav" << 0;
        QTest::newRow("the first by number") << "Spel-1.sav" << 0;
        QTest::newRow("a leading zero") << "Spel-02.sav" << 0;
        QTest::newRow("a backup") << "Spel-2.sav.bak" << 0;
        QTest::newRow("a lock") << "Spel.sav.lock" << 0;
    }
    void keptGameFileNames() {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(keptGameNumber(name.toStdString()), number);
        if (number > 0)
            QCOMPARE(QString::fromStdString(keptGameFileName(number)), name);
    }

    // Written from a thread of its own: the file ends up as the newest request left it.
    void theNewestRequestIsCarriedOut() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Spel.sav");
        QVERIFY(QDir(dir.path()).mkdir("Spel.sav"));
        {
            KeptGameWriter writer(path.toStdString());
            QVERIFY(writer.keep(afterThrows(1)) && !writer.flush()); // the path is taken by a folder
            QVERIFY(QDir(dir.path()).rmdir("Spel.sav"));

            for (int t = 1; t <= 6; ++t)
                QVERIFY(writer.keep(afterThrows(t)));
            QVERIFY(writer.flush());
            QCOMPARE(fileBytes(path), textOf(6));
            writer.keep(afterThrows(2));
            writer.remove();
            QVERIFY(writer.flush() && !QFile::exists(path));
            writer.remove();
            writer.keep(afterThrows(3));
            QVERIFY(writer.flush());
            QCOMPARE(fileBytes(path), textOf(3));

            QVERIFY(!writer.keep(afterThrows(4, "b"))); // a rolling throw is not handed over
            writer.keep(afterThrows(5));                // left to the end of the writer
        }
        QCOMPARE(fileBytes(path), textOf(5));
        QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
    }
};

QTEST_APPLESS_MAIN(KeptGameTest)
#include "tst_KeptGame.moc"
