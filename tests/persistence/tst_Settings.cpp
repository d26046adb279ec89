#include "persistence/FileAccess.h"
#include "persistence/Settings.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

// The settings file "Kwintor.ini": what each kind of content reads as, how it is written, and the
// temporary files of writes that a kill cut short, which the next start removes, and nothing else.
class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void fileReadsAsTheseSettingsAndIsRewrittenExactly_data() {
        using enum SettingsRead;
        QTest::addColumn<QByteArray>("bytes"); // null: there is no file
        QTest::addColumn<SettingsRead>("result");
        QTest::addColumn<QList<int>>("values"); // red, green, blue, dice colour

        QTest::newRow("no file") << QByteArray() << Missing << QList<int>{110, 140, 90, 0};
        QTest::newRow("pure blue, green dice") << Headers + "0,0,255\r\n12\r\n" << Ok << QList<int>{0, 0, 255, 12};
        // The read fails at blue: red and green keep what was read, and 10,20,90 and 0 are written back.
        QTest::newRow("blue 300 fails at blue") << Headers + "10,20,300\r\n6\r\n"
                                                << Damaged << QList<int>{10, 20, 90, 0};
        QTest::newRow("dice 256 fails at dice") << Headers + "1,2,3\r\n256\r\n" << Damaged << QList<int>{1, 2, 3, 0};
        QTest::newRow("fields after the sixth") << Headers + "5,6,7\r\n12,99\r\nmeer\r\n"
                                                << Ok << QList<int>{5, 6, 7, 12};
        // Red and green never fail the read: out of range they are clamped, not a whole number they
        // get the values of a first start.
        QTest::newRow("red and green clamped") << Headers + "99999999999999999999,-4,7\r\n0\r\n"
                                               << Ok << QList<int>{255, 0, 7, 0};
        QTest::newRow("dice not a colour becomes grey") << Headers + "1,2,3\r\n7\r\n" << Ok << QList<int>{1, 2, 3, 0};
    }

    void fileReadsAsTheseSettingsAndIsRewrittenExactly() {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsRead, result);
        QFETCH(QList<int>, values);

        QTemporaryDir dir;
        const QString path = dir.filePath("Kwintor.ini");
        if (!bytes.isNull())
            QVERIFY(writeBytes(path, bytes));
        Settings s;
        QCOMPARE(readSettings(path.toStdString(), s), result);
        QCOMPARE((QList<int>{s.AchtergrondRood, s.AchtergrondGroen, s.AchtergrondBlauw, s.DobbelsteenKleur}), values);

        // What the caller writes back is four CR LF lines that read back as the same settings.
        QVERIFY(writeSettings(path.toStdString(), s));
        const QString lines = QString("%1,%2,%3\r\n%4\r\n").arg(values[0]).arg(values[1]).arg(values[2]).arg(values[3]);
        QCOMPARE(fileBytes(path), Headers + lines.toLatin1());
        QCOMPARE(entriesIn(dir), QStringList{"Kwintor.ini"});
    }

    // What each file fault gets: the write is refused, the old file stays whole, nothing is left behind.
    void failedWriteLeavesTheOldFileWholeAndNoTemporary_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("the name is taken by a folder") << "folder";
        QTest::newRow("disk full halfway") << "full";
        QTest::newRow("read-only folder") << "read-only";
    }
    void failedWriteLeavesTheOldFileWholeAndNoTemporary() {
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QByteArray old = Headers + "1,2,3\r\n6\r\n";
        QVERIFY(writeBytes(dir.filePath("Kwintor.ini"), old) && QDir(dir.path()).mkdir("map"));
        const std::string path = dir.filePath(fault == "folder" ? "map" : "Kwintor.ini").toStdString();
        QVERIFY(!underFault(fault, dir, 20, [&] { return writeSettings(path, Settings{}); }));
        QCOMPARE(fileBytes(dir.filePath("Kwintor.ini")), old);
        QCOMPARE(entriesIn(dir), (QStringList{"Kwintor.ini", "map"}));
    }

    void staleTempFilesAreRemovedAndNothingElse_data() {
        // In the name, ENDED stands for a PID no process can have (Linux keeps them below 2^22),
        // RUNS for one that runs (the parent).
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("link"); // a symbolic link to the score list instead of a file
        QTest::addColumn<bool>("removed");

        QTest::newRow("score list of an ended process") << "Scorelijst.lst.tmp-ENDED-0" << false << true;
        QTest::newRow("a process that runs") << "Scorelijst.lst.tmp-RUNS-0" << false << false;
        QTest::newRow("another base name") << "Anders.lst.tmp-ENDED-0" << false << false;
        QTest::newRow("a link of that name") << "Scorelijst.lst.tmp-ENDED-0" << true << false;
    }

    void staleTempFilesAreRemovedAndNothingElse() {
        QFETCH(QString, name);
        QFETCH(bool, link);
        QFETCH(bool, removed);

        name.replace("ENDED", "2147483647").replace("RUNS", QString::number(::getppid()));
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

QTEST_APPLESS_MAIN(SettingsTest)
#include "tst_Settings.moc"
