#include "persistence/SharedScoreList.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

// One step of a copy: "+87 Jan" records, "-0087 - Jan" deletes, "*" deletes all, "." is the exit.
ScoreListChange changeOf(const QString& step) {
    const QString arg = step.mid(1);
    switch (step.at(0).toLatin1()) {
    case '+': return ScoreListChange::record(arg.section(' ', 0, 0).toInt(), arg.section(' ', 1).toStdString());
    case '-': return ScoreListChange::remove(arg.toStdString());
    case '*': return ScoreListChange::removeAll();
    default: return {};
    }
}

} // namespace

// The score list file shared by two copies of the program: each change is applied to the file
// as it stands, so neither copy loses or doubles the other's entries.

class SharedScoreListTest : public QObject {
    Q_OBJECT
private slots:
    void twoCopiesOnOneFileLoseNothing_data() {
        QTest::addColumn<QByteArray>("file");   // before both copies start
        QTest::addColumn<QStringList>("steps"); // "A..." for the first copy, "B..." for the second
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<QByteArray>("bak"); // the copy of a file that was not read whole
        const QByteArray none = "<unreadable>";

        QStringList list25;
        for (int i = 1; i <= 25; ++i)
            list25 << QString("0%1 - Speler %2").arg(100 + i).arg(i);
        QTest::newRow("each records one on a list of 25")
            << fileOf(list25) << QStringList{"A+87 Jan", "B+120 Piet", "A.", "B."}
            << QStringList{"0087 - Jan"} + list25.mid(0, 19) + QStringList{"0120 - Piet"} + list25.mid(19) << none;
        QTest::newRow("an exit does not bring back what the other deleted")
            << fileOf({"0100 - Anna", "0200 - Kees"})
            << QStringList{"A-0100 - Anna", "B.", "B+50 Cor", "B-0100 - Anna", "A."}
            << QStringList{"0050 - Cor", "0200 - Kees"} << none;
        QTest::newRow("delete all takes what the other recorded")
            << fileOf({"0100 - Anna"}) << QStringList{"B+87 Jan", "A*", "B+120 Piet", "A."}
            << QStringList{"0120 - Piet"} << none;
        // A quoted field without its closing quote, which the writer never leaves: the first write
        // keeps the file as .bak, the next ones find it whole and leave that copy alone.
        const QByteArray damaged = Headers + "\"0050 - Kees\"\r\n\"0060 - Open\r\n";
        QTest::newRow("a damaged file is kept as .bak, once")
            << damaged << QStringList{"A+87 Jan", "B-0050 - Kees", "A."} << QStringList{"0060 - Open", "0087 - Jan"}
            << damaged;
    }

    void twoCopiesOnOneFileLoseNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, result);
        QFETCH(QByteArray, bak);

        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        QVERIFY(writeBytes(path, file));
        SharedScoreList a(path.toStdString()), b(path.toStdString());
        a.load();
        b.load();
        for (const QString& step : steps) {
            SharedScoreList& copy = step.startsWith('A') ? a : b;
            QCOMPARE(copy.update(changeOf(step.mid(1))), ScoreListUpdate::Written);
            // What the copy shows is what the file holds.
            QCOMPARE(entriesOf(copy.list()), entriesInFile(path));
            QVERIFY(!copy.hasUnwritten());
        }
        QCOMPARE(fileBytes(path), fileOf(result));
        QCOMPARE(fileBytes(path + ".bak"), bak);
        QCOMPARE(entriesIn(dir).size(), bak == "<unreadable>" ? 1 : 2); // no temporary left
    }

    // What each file fault gets: the change is refused, shown all the same, and written with the
    // file's own entries by the first update after the fault is gone.
    void failedUpdateLosesNothingAndIsWrittenLater_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("file"); // what the other copy found before it recorded 0300 - Bas
        QTest::newRow("read-only folder") << "read-only" << fileOf({"0100 - Anna"});
        QTest::newRow("disk full") << "full" << fileOf({"0100 - Anna"});
        QTest::newRow("damaged, no room for its copy") << "no bak" << Headers + "\"0100 - Anna\"\r\n\"0200 - open";
    }
    void failedUpdateLosesNothingAndIsWrittenLater() {
        QFETCH(QString, fault);
        QFETCH(QByteArray, file);
        SKIP_READ_ONLY_AS_ROOT(fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        QVERIFY(writeBytes(path, file));
        SharedScoreList copy(path.toStdString()), other(path.toStdString());
        copy.load();
        QCOMPARE(other.update(ScoreListChange::record(300, "Bas")), ScoreListUpdate::Written);
        if (fault == "no bak") // damaged again, and its copy cannot be written
            QVERIFY(writeBytes(path, file) && QFile::remove(path + ".bak") &&
                    QDir(dir.path()).mkdir("Scorelijst.lst.bak"));
        const QByteArray before = fileBytes(path);
        const auto failed = underFault(fault, dir, 40, [&] {
            // the change, then an exit while the fault lasts
            return std::pair{copy.update(ScoreListChange::record(87, "Jan")), copy.update()};
        });
        QVERIFY(failed == std::pair(ScoreListUpdate::Failed, ScoreListUpdate::Failed) && copy.hasUnwritten());
        QCOMPARE(entriesOf(copy.list()).count("0087 - Jan"), 1);
        QCOMPARE(fileBytes(path), before);

        if (fault == "no bak")
            QVERIFY(QDir(dir.path()).rmdir("Scorelijst.lst.bak"));
        QCOMPARE(copy.update(), ScoreListUpdate::Written);
        const QStringList kept{"0087 - Jan", "0100 - Anna", fault == "no bak" ? "0200 - open" : "0300 - Bas"};
        QCOMPARE(entriesInFile(path), kept);
        QCOMPARE(entriesOf(copy.list()), kept);
        QCOMPARE(fileBytes(path + ".bak"), fault == "no bak" ? file : QByteArray("<unreadable>"));
    }

    void fullListRefusesARecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        ScoreList full;
        for (int i = 0; i < ScoreList::MaxEntries; ++i)
            QVERIFY(VoegScoreToe(full, i % 376, "Speler"));
        QVERIFY(writeScoreList(path.toStdString(), full));
        SharedScoreList copy(path.toStdString());

        QCOMPARE(copy.update(ScoreListChange::record(87, "Jan")), ScoreListUpdate::Full);
        QVERIFY(!copy.hasUnwritten());
        QCOMPARE(copy.list().entries(), full.entries());
        QCOMPARE(copy.update(ScoreListChange::remove("0000 - Speler")), ScoreListUpdate::Written);
        QCOMPARE(copy.update(ScoreListChange::record(87, "Jan")), ScoreListUpdate::Written);
        QCOMPARE(entriesInFile(path).count(), ScoreList::MaxEntries);
        QVERIFY(entriesInFile(path).contains("0087 - Jan"));
    }
};

QTEST_APPLESS_MAIN(SharedScoreListTest)
#include "tst_SharedScoreList.moc"
