#include "platform/FileVersion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using kwintor::GetFileVersion;

namespace {

// A version resource as a Windows linker lays it out: header, key, padding, fixed block.
QByteArray versionResource(quint16 major, quint16 minor, quint16 build, quint16 revision,
                           quint32 strucVersion = 0x00010000u, quint16 valueLength = 52) {
    QByteArray b(92, '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    put16(0, 92);
    put16(2, valueLength);
    const QString key = QStringLiteral("VS_VERSION_INFO");
    for (int i = 0; i < key.size(); ++i)
        put16(6 + 2 * i, key.at(i).unicode());
    put32(40, 0xFEEF04BDu);
    put32(44, strucVersion);
    put32(48, (quint32(major) << 16) | minor);
    put32(52, (quint32(build) << 16) | revision);
    return b;
}

// An executable-like file: a header, some filler, the resource at `offset`, more filler.
QByteArray peLike(const QByteArray& resource, int offset, int tail = 64) {
    QByteArray file("MZ");
    file.append(offset - file.size(), '\x90');
    file.append(resource);
    file.append(tail, '\0');
    return file;
}

} // namespace

class TestFileVersion : public QObject {
    Q_OBJECT
private slots:
    void theBuiltProgramCarriesVersion1003();
    void versionComesFromAWellFormedBlockOnly_data();
    void versionComesFromAWellFormedBlockOnly();
    void aFileThatCannotBeReadGivesError_data();
    void aFileThatCannotBeReadGivesError();
};

void TestFileVersion::theBuiltProgramCarriesVersion1003() {
    // Tests live in <build>/tests, the program in <build>/src.
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/kwintor"));
    QVERIFY2(QFile::exists(program), qPrintable(program + QStringLiteral(" is missing: build the kwintor target")));
    QCOMPARE(GetFileVersion(program), QStringLiteral("1.0.0.3"));
}

void TestFileVersion::versionComesFromAWellFormedBlockOnly_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Windows version resource") << peLike(versionResource(6, 1, 7601, 17514), 4096) << "6.1.7601.17514";
    QTest::newRow("all parts at their largest") << peLike(versionResource(65535, 65535, 65535, 65535), 512)
                                                << "65535.65535.65535.65535";
    QTest::newRow("resource at the very start") << versionResource(1, 2, 3, 4) << "1.2.3.4";
    QTest::newRow("resource ending at the end of the file") << peLike(versionResource(2, 0, 0, 1), 256, 0) << "2.0.0.1";
    QTest::newRow("first of two resources") << peLike(versionResource(1, 0, 0, 3), 256) + versionResource(9, 9, 9, 9)
                                            << "1.0.0.3";
    QTest::newRow("bare signature in machine code")
        << peLike(versionResource(1, 0, 0, 3).mid(40), 1024) << "Error";
    QTest::newRow("unknown structure version") << peLike(versionResource(1, 0, 0, 3, 0x00020000u), 1024) << "Error";
    QTest::newRow("value length not 52") << peLike(versionResource(1, 0, 0, 3, 0x00010000u, 0), 1024) << "Error";
    QTest::newRow("block cut short") << peLike(versionResource(1, 0, 0, 3), 1024, 0).chopped(4) << "Error";
    QTest::newRow("not on a 4-byte boundary") << peLike(versionResource(1, 0, 0, 3), 1026) << "Error";
    QTest::newRow("text file") << QByteArray("Kwintor\r\n") << "Error";
    QTest::newRow("empty file") << QByteArray() << "Error";
}

void TestFileVersion::versionComesFromAWellFormedBlockOnly() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("program.exe"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
    file.close();
    QCOMPARE(GetFileVersion(path), expected);
}

void TestFileVersion::aFileThatCannotBeReadGivesError_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/kwintor");
    QTest::newRow("directory") << QDir::tempPath();
    QTest::newRow("empty path") << QString();
    // This test program holds the reading code, signature constant and all, but no block.
    QTest::newRow("executable without the block") << QCoreApplication::applicationFilePath();
}

void TestFileVersion::aFileThatCannotBeReadGivesError() {
    QFETCH(QString, path);
    QCOMPARE(GetFileVersion(path), QStringLiteral("Error"));
}

QTEST_GUILESS_MAIN(TestFileVersion)
#include "tst_fileversion.moc"
