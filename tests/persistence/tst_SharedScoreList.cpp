#include "persistence/SharedScoreList.h"

#include "FileTestHelpers.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace kwintor;

namespace {

QStringList entriesOf(const ScoreList& list)
{
    QStringList out;
    for (const std::string& entry : list.entries()) out << QString::fromStdString(entry);
    return out;
}

QStringList entriesInFile(const QString& path)
{
    ScoreList list;
    LaadScorelijst(path.toStdString(), list);
    return entriesOf(list);
}

QByteArray fileOf(const QStringList& entries)
{
    QByteArray bytes = Headers;
    for (const QString& entry : entries) bytes += "\"" + entry.toUtf8() + "\"\r\n";
    return bytes;
}

// One step of a copy: "+87 Jan" records, "-0087 - Jan" deletes, "*" deletes all, "." is the exit.
ScoreListChange changeOf(const QString& step)
{
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
    void twoCopiesOnOneFileLoseNothing_data();
    void twoCopiesOnOneFileLoseNothing();
    void damagedFileIsKeptAsBakOnce();
    void failedUpdateLosesNothingAndIsWrittenLater_data();
    void failedUpdateLosesNothingAndIsWrittenLater();
    void fullListRefusesARecord();
};

void SharedScoreListTest::twoCopiesOnOneFileLoseNothing_data()
{
    QTest::addColumn<QStringList>("file");  // before both copies start
    QTest::addColumn<QStringList>("steps"); // "A..." for the first copy, "B..." for the second
    QTest::addColumn<QStringList>("result");

    QStringList list25;
    for (int i = 1; i <= 25; ++i) list25 << QString("0%1 - Speler %2").arg(100 + i).arg(i);
    QTest::newRow("each records one on a list of 25")
        << list25 << QStringList{"A+87 Jan", "B+120 Piet", "A.", "B."}
        << QStringList{"0087 - Jan"} + list25.mid(0, 19) + QStringList{"0120 - Piet"} + list25.mid(19);
    QTest::newRow("an exit does not bring back what the other deleted")
        << QStringList{"0100 - Anna", "0200 - Kees"} << QStringList{"A-0100 - Anna", "B.", "B+50 Cor", "A."}
        << QStringList{"0050 - Cor", "0200 - Kees"};
    QTest::newRow("both delete the same entry") << QStringList{"0100 - Anna", "0200 - Kees"}
                                                << QStringList{"A-0100 - Anna", "B-0100 - Anna"} << QStringList{"0200 - Kees"};
    QTest::newRow("the same score recorded by each is kept twice")
        << QStringList{} << QStringList{"A+87 Jan", "B+87 Jan", "A.", "B-0087 - Jan", "B+87 Jan"}
        << QStringList{"0087 - Jan", "0087 - Jan"};
    QTest::newRow("delete all takes what the other recorded")
        << QStringList{"0100 - Anna"} << QStringList{"B+87 Jan", "A*", "B+120 Piet", "A."} << QStringList{"0120 - Piet"};
    QTest::newRow("records and deletions interleaved")
        << QStringList{"0100 - Anna", "0200 - Kees"}
        << QStringList{"A+87 Jan", "B-0200 - Kees", "B+150 Émile", "A-0087 - Jan", "A+90 emile", "B-0100 - Anna",
                       "A+90 Zoë", "B.", "A."}
        << QStringList{"0090 - emile", "0090 - Zoë", "0150 - Émile"};
}

void SharedScoreListTest::twoCopiesOnOneFileLoseNothing()
{
    QFETCH(QStringList, file);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, result);

    QTemporaryDir dir;
    const QString path = dir.filePath("Scorelijst.lst");
    QVERIFY(writeBytes(path, fileOf(file)));
    SharedScoreList a(path.toStdString()), b(path.toStdString());
    QCOMPARE(a.load(), ScoreListLoad::Complete);
    QCOMPARE(b.load(), ScoreListLoad::Complete);
    for (const QString& step : steps) {
        SharedScoreList& copy = step.startsWith('A') ? a : b;
        QCOMPARE(copy.update(changeOf(step.mid(1))), ScoreListUpdate::Written);
        // What the copy shows is what the file holds.
        QCOMPARE(entriesOf(copy.list()), entriesInFile(path));
        QVERIFY(!copy.hasUnwritten());
    }
    QCOMPARE(entriesInFile(path), result);
    QCOMPARE(fileBytes(path), fileOf(result));
    QCOMPARE(entriesIn(dir), QStringList{"Scorelijst.lst"});
}

void SharedScoreListTest::damagedFileIsKeptAsBakOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Scorelijst.lst");
    // A quoted field without its closing quote: the writer never leaves one.
    const QByteArray damaged = Headers + "\"0050 - Kees\"\r\n\"0060 - Open\r\n";
    QVERIFY(writeBytes(path, damaged));
    SharedScoreList copy(path.toStdString());
    QCOMPARE(copy.load(), ScoreListLoad::Damaged);

    QCOMPARE(copy.update(ScoreListChange::record(87, "Jan")), ScoreListUpdate::Written);
    QCOMPARE(fileBytes(path + ".bak"), damaged);
    QCOMPARE(entriesInFile(path), (QStringList{"0050 - Kees", "0060 - Open", "0087 - Jan"}));
    // The file is whole now: the next change leaves the copy of the damaged one alone.
    QCOMPARE(copy.update(ScoreListChange::remove("0050 - Kees")), ScoreListUpdate::Written);
    QCOMPARE(fileBytes(path + ".bak"), damaged);
    QCOMPARE(entriesInFile(path), (QStringList{"0060 - Open", "0087 - Jan"}));
}

void SharedScoreListTest::failedUpdateLosesNothingAndIsWrittenLater_data()
{
    // The folder holds Scorelijst.lst with one entry, 0100 - Anna, unless the row says otherwise.
    QTest::addColumn<QString>("fault");

    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("disk full") << "full";
    QTest::newRow("the file cannot be read") << "unreadable";
    QTest::newRow("damaged file, and no room for its copy") << "no bak";
}

void SharedScoreListTest::failedUpdateLosesNothingAndIsWrittenLater()
{
    QFETCH(QString, fault);
    if (fault == "read-only" && ::geteuid() == 0) QSKIP("running as root: a read-only directory is writable");

    QTemporaryDir dir;
    const QString path = dir.filePath("Scorelijst.lst");
    const QByteArray old = fault == "no bak" ? Headers + "\"0100 - Anna\"\r\n\"0200 - open" : fileOf({"0100 - Anna"});
    QVERIFY(writeBytes(path, old));
    SharedScoreList copy(path.toStdString());
    copy.load();
    // The other copy records a score meanwhile.
    SharedScoreList other(path.toStdString());
    QCOMPARE(other.update(ScoreListChange::record(300, "Bas")), ScoreListUpdate::Written);
    const QByteArray before = fileBytes(path);

    if (fault == "read-only") QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (fault == "unreadable") QVERIFY(QFile::rename(path, path + ".weg") && QDir(dir.path()).mkdir("Scorelijst.lst"));
    if (fault == "no bak") {
        QVERIFY(writeBytes(path, old));
        QVERIFY(QFile::remove(path + ".bak") && QDir(dir.path()).mkdir("Scorelijst.lst.bak"));
    }
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{fault == "full" ? rlim_t(40) : saved.rlim_cur, saved.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const ScoreListUpdate failed = copy.update(ScoreListChange::record(87, "Jan"));
    const ScoreListUpdate again = copy.update(); // an exit while the fault lasts
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(failed, ScoreListUpdate::Failed);
    QCOMPARE(again, ScoreListUpdate::Failed);
    QVERIFY(copy.hasUnwritten());
    QCOMPARE(entriesOf(copy.list()).count("0087 - Jan"), 1);
    if (fault != "unreadable") QCOMPARE(fileBytes(path), fault == "no bak" ? old : before);

    // Once the fault is gone, the next update (here the exit) writes the change with its own.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (fault == "unreadable") QVERIFY(QDir(dir.path()).rmdir("Scorelijst.lst") && QFile::rename(path + ".weg", path));
    if (fault == "no bak") QVERIFY(QDir(dir.path()).rmdir("Scorelijst.lst.bak"));
    QCOMPARE(copy.update(), ScoreListUpdate::Written);
    QVERIFY(!copy.hasUnwritten());
    const QStringList kept = fault == "no bak" ? QStringList{"0087 - Jan", "0100 - Anna", "0200 - open"}
                                               : QStringList{"0087 - Jan", "0100 - Anna", "0300 - Bas"};
    QCOMPARE(entriesInFile(path), kept);
    QCOMPARE(entriesOf(copy.list()), kept);
    if (fault == "no bak") QCOMPARE(fileBytes(path + ".bak"), old);
}

void SharedScoreListTest::fullListRefusesARecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Scorelijst.lst");
    ScoreList full;
    for (int i = 0; i < ScoreList::MaxEntries; ++i) QVERIFY(VoegScoreToe(full, i % 376, "Speler"));
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

QTEST_APPLESS_MAIN(SharedScoreListTest)
#include "tst_SharedScoreList.moc"
