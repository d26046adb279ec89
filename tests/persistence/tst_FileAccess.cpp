#include "persistence/FileAccess.h"

#include "FileTestHelpers.h"

#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace kwintor;

namespace {

// The PID of a process that has ended: a child that exits at once and is waited for.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

// The temporary files of writes that a kill cut short, and nothing else, are removed.

class FileAccessTest : public QObject {
    Q_OBJECT
private slots:
    void staleTempFilesAreRemovedAndNothingElse_data() {
        // In the name, ENDED stands for the PID of a process that has ended, RUNS for one that runs
        // (the parent), SELF for this process.
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("link"); // a symbolic link to the score list instead of a file
        QTest::addColumn<bool>("removed");

        QTest::newRow("score list of an ended process") << "Scorelijst.lst.tmp-ENDED-0" << false << true;
        QTest::newRow("a process that runs") << "Scorelijst.lst.tmp-RUNS-0" << false << false;
        QTest::newRow("another base name") << "Anders.lst.tmp-ENDED-0" << false << false;
        QTest::newRow("more after the counter") << "Scorelijst.lst.tmp-ENDED-1.old" << false << false;
        QTest::newRow("PID beyond any process") << "Scorelijst.lst.tmp-9999999999-0" << false << false;
        QTest::newRow("a link of that name") << "Scorelijst.lst.tmp-ENDED-0" << true << false;
    }

    void staleTempFilesAreRemovedAndNothingElse() {
        QFETCH(QString, name);
        QFETCH(bool, link);
        QFETCH(bool, removed);

        name.replace("ENDED", QString::number(endedProcess()))
            .replace("RUNS", QString::number(::getppid()))
            .replace("SELF", QString::number(::getpid()));
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("Scorelijst.lst"), Headers));
        QVERIFY(link ? QFile::link(dir.filePath("Scorelijst.lst"), dir.filePath(name))
                     : writeBytes(dir.filePath(name), Headers));

        const std::vector<std::string> bases{"Kwintor.ini", "Scorelijst.lst", "Spel.sav"};
        QCOMPARE(removeStaleTempFiles(dir.path().toStdString(), bases), removed ? 1 : 0);
        QStringList left{"Scorelijst.lst"};
        if (!removed)
            left << name;
        left.sort();
        QCOMPARE(entriesIn(dir), left);
    }
};

QTEST_APPLESS_MAIN(FileAccessTest)
#include "tst_FileAccess.moc"
