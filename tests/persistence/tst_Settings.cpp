#include "persistence/Settings.h"

#include "FileTestHelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace kwintor;

Q_DECLARE_METATYPE(SettingsRead)


// The settings file "Kwintor.ini": what each kind of content reads as, and how it is written.
class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void contentReadsAsTheseSettings_data();
    void contentReadsAsTheseSettings();
    void writtenFileHasTheseExactBytes();
    void missingFileOrDirectoryKeepsTheSettings();
    void failedWriteLeavesTheOldFileWhole();
    void readOnlyDirectoryRefusesTheWrite();
};

void SettingsTest::contentReadsAsTheseSettings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SettingsRead>("result");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("dice");

    QTest::newRow("defaults") << Headers + "110,140,90\r\n0\r\n" << SettingsRead::Ok << 110 << 140 << 90 << 0;
    QTest::newRow("pure blue, green dice") << Headers + "0,0,255\r\n12\r\n" << SettingsRead::Ok << 0 << 0 << 255 << 12;
    QTest::newRow("only the headers") << Headers << SettingsRead::Damaged << 110 << 140 << 90 << 0;
    QTest::newRow("blue 300 fails at blue") << Headers + "10,20,300\r\n6\r\n" << SettingsRead::Damaged << 10 << 20 << 90 << 0;
    QTest::newRow("dice 256 fails at dice") << Headers + "1,2,3\r\n256\r\n" << SettingsRead::Damaged << 1 << 2 << 3 << 0;
    QTest::newRow("blue as text fails") << Headers + "1,2,blauw\r\n6\r\n" << SettingsRead::Damaged << 1 << 2 << 90 << 0;
    QTest::newRow("blue negative fails") << Headers + "1,2,-3\r\n6\r\n" << SettingsRead::Damaged << 1 << 2 << 90 << 0;
    QTest::newRow("no dice field") << Headers + "1,2,3\r\n" << SettingsRead::Damaged << 1 << 2 << 3 << 0;
    QTest::newRow("other header texts") << QByteArray("Kop\r\n\"iets anders\"\r\n5,6,7\r\n6\r\n") << SettingsRead::Ok << 5 << 6 << 7 << 6;
    QTest::newRow("fields after the sixth") << Headers + "5,6,7\r\n12,99\r\nmeer\r\n" << SettingsRead::Ok << 5 << 6 << 7 << 12;
    QTest::newRow("LF line ends, blanks, quoted number") << QByteArray("a\nb\n 5 , 6 ,\"7\"\n6\n") << SettingsRead::Ok << 5 << 6 << 7 << 6;
    // Red and green out of range are clamped; red and green that are no whole number get the
    // values of a first start. Neither makes the read fail.
    QTest::newRow("red and green clamped") << Headers + "300,-4,7\r\n0\r\n" << SettingsRead::Ok << 255 << 0 << 7 << 0;
    QTest::newRow("huge red clamped") << Headers + "99999999999999999999,1,7\r\n0\r\n" << SettingsRead::Ok << 255 << 1 << 7 << 0;
    QTest::newRow("red text, green fraction") << Headers + "rood,1.5,7\r\n0\r\n" << SettingsRead::Ok << 110 << 140 << 7 << 0;
    QTest::newRow("dice not a colour becomes grey") << Headers + "1,2,3\r\n7\r\n" << SettingsRead::Ok << 1 << 2 << 3 << 0;
    QTest::newRow("header with a comma shifts the fields") << QByteArray("Dobbelwerken, 2009\r\n\"--\"\r\n1,2,3\r\n6\r\n")
                                                           << SettingsRead::Ok << 110 << 1 << 2 << 0;
    QTest::newRow("empty file") << QByteArray() << SettingsRead::Damaged << 110 << 140 << 90 << 0;
    QTest::newRow("NUL bytes") << QByteArray(64, '\0') << SettingsRead::Damaged << 110 << 140 << 90 << 0;
}

void SettingsTest::contentReadsAsTheseSettings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(SettingsRead, result);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(int, dice);

    Settings s;
    QCOMPARE(parseSettings(view(bytes), s), result);
    QCOMPARE(s.AchtergrondRood, red);
    QCOMPARE(s.AchtergrondGroen, green);
    QCOMPARE(int(s.AchtergrondBlauw), blue);
    QCOMPARE(int(s.DobbelsteenKleur), dice);

    // The file the caller writes back reads as the same settings.
    Settings again{1, 2, 3, 6};
    QCOMPARE(parseSettings(settingsText(s), again), SettingsRead::Ok);
    QVERIFY(again == s);
}

void SettingsTest::writtenFileHasTheseExactBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Kwintor.ini");
    QVERIFY(writeSettings(path.toStdString(), Settings{}));
    QCOMPARE(fileBytes(path), Headers + "110,140,90\r\n0\r\n");

    // After the failed read of 10,20,300 the caller rewrites 10,20,90 and 0.
    Settings s;
    QVERIFY(writeBytes(path, Headers + "10,20,300\r\n12\r\n"));
    QCOMPARE(readSettings(path.toStdString(), s), SettingsRead::Damaged);
    QVERIFY(writeSettings(path.toStdString(), s));
    QCOMPARE(fileBytes(path), Headers + "10,20,90\r\n0\r\n");
    QCOMPARE(readSettings(path.toStdString(), s), SettingsRead::Ok);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Kwintor.ini"}); // no temporary left
}

void SettingsTest::missingFileOrDirectoryKeepsTheSettings()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Kwintor.ini").toStdString();
    Settings s{1, 2, 3, 6};
    QCOMPARE(readSettings(path, s), SettingsRead::Missing);
    QVERIFY(!QFile::exists(dir.filePath("Kwintor.ini")));

    QVERIFY(QDir(dir.path()).mkdir("Kwintor.ini"));
    QCOMPARE(readSettings(path, s), SettingsRead::Damaged);
    QVERIFY(!writeSettings(path, s));
    QVERIFY(s == (Settings{1, 2, 3, 6}));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Kwintor.ini"});
}

void SettingsTest::failedWriteLeavesTheOldFileWhole()
{
    QTemporaryDir dir;
    QVERIFY(!writeSettings(dir.filePath("geen/map/Kwintor.ini").toStdString(), Settings{}));

    const QString path = dir.filePath("Kwintor.ini");
    const QByteArray old = Headers + "1,2,3\r\n6\r\n";
    QVERIFY(writeBytes(path, old));

    // A disk that fills up halfway through the write (a file size limit, which binds root too).
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 20;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeSettings(path.toStdString(), Settings{});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!written);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Kwintor.ini"});
}

void SettingsTest::readOnlyDirectoryRefusesTheWrite()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Kwintor.ini");
    const QByteArray old = Headers + "1,2,3\r\n6\r\n";
    QVERIFY(writeBytes(path, old));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool rootMayWrite = ::access(dir.path().toLocal8Bit().constData(), W_OK) == 0;
    const bool written = !rootMayWrite && writeSettings(path.toStdString(), Settings{});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (rootMayWrite) QSKIP("running as root: a read-only directory is writable");
    QVERIFY(!written);
    QCOMPARE(fileBytes(path), old);
}

QTEST_APPLESS_MAIN(SettingsTest)
#include "tst_Settings.moc"
