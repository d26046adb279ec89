#include "engine/Game.h"
#include "persistence/KeptGameWriter.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

// A game of one after `throws` throws, each placed; `rolling`: one more throw under way.
KeptGame afterThrows(int throws, bool rolling = false) {
    Game game;
    for (int t = 0; t < throws; ++t) {
        game.beginThrow();
        for (int die = 1; die <= DiceCount; ++die)
            game.settleDie(die, t % 6 + 1);
        game.endThrow();
        game.place(1, t % 6);
    }
    if (rolling)
        game.beginThrow();
    return {game.state(), {}};
}

QByteArray textOf(int throws) { return QByteArray::fromStdString(keptGameText(afterThrows(throws))); }

} // namespace

// The kept game written from a thread of its own: the file ends up as the newest request left it.

class KeptGameWriterTest : public QObject {
    Q_OBJECT
private slots:
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

            QVERIFY(!writer.keep(afterThrows(4, true))); // a rolling throw is not handed over
            writer.keep(afterThrows(5));                 // left to the end of the writer
        }
        QCOMPARE(fileBytes(path), textOf(5));
        QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
    }
};

QTEST_APPLESS_MAIN(KeptGameWriterTest)
#include "tst_KeptGameWriter.moc"
