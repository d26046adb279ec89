#include "engine/Game.h"
#include "persistence/KeptGameWriter.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

// The game after `throws` throws of 1, 2, 3, 4 and 5 points, each placed in the next row.
KeptGame afterThrows(int throws)
{
    Game game;
    for (int t = 0; t < throws; ++t) {
        game.beginThrow();
        for (int die = 1; die <= DiceCount; ++die) game.settleDie(die, t % 6 + 1);
        game.endThrow();
        game.place(1, t % 6);
    }
    return {game.state(), {}};
}

QByteArray textOf(const KeptGame& game) { return QByteArray::fromStdString(keptGameText(game)); }

} // namespace

// The kept game written from a thread of its own: what is on disk is the newest request, in the
// order the requests came.
class KeptGameWriterTest : public QObject {
    Q_OBJECT
private slots:
    void theNewestRequestIsCarriedOut();
    void aFailedWriteIsToldAndLeavesNoTemporary();
};

void KeptGameWriterTest::theNewestRequestIsCarriedOut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Spel.sav");
    {
        KeptGameWriter writer(path.toStdString());
        for (int t = 1; t <= 6; ++t) QVERIFY(writer.keep(afterThrows(t)));
        QVERIFY(writer.flush());
        QCOMPARE(fileBytes(path), textOf(afterThrows(6)));

        writer.keep(afterThrows(2));
        writer.remove();
        QVERIFY(writer.flush());
        QVERIFY(!QFile::exists(path));

        writer.remove();
        writer.keep(afterThrows(3));
        QVERIFY(writer.flush());
        QCOMPARE(fileBytes(path), textOf(afterThrows(3)));

        // A rolling throw is not handed over: the file keeps the game before it.
        Game rolling;
        rolling.restore(afterThrows(4).state);
        QVERIFY(rolling.beginThrow());
        QVERIFY(!writer.keep({rolling.state(), {}}));
        writer.keep(afterThrows(5)); // left to the end of the writer
    }
    QCOMPARE(fileBytes(path), textOf(afterThrows(5)));
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
}

void KeptGameWriterTest::aFailedWriteIsToldAndLeavesNoTemporary()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Spel.sav"));
    KeptGameWriter writer(dir.filePath("Spel.sav").toStdString());
    QVERIFY(writer.keep(afterThrows(1)));
    QVERIFY(!writer.flush());
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
    QVERIFY(QDir(dir.path()).rmdir("Spel.sav"));
    writer.keep(afterThrows(2));
    QVERIFY(writer.flush());
    QCOMPARE(fileBytes(dir.filePath("Spel.sav")), textOf(afterThrows(2)));
}

QTEST_APPLESS_MAIN(KeptGameWriterTest)
#include "tst_KeptGameWriter.moc"
