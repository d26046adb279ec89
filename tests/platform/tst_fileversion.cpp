#include "platform/FileVersion.h"
#include "version/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using kwintor::GetFileVersion;

namespace {

// An executable-like file holding a version resource as a Windows linker lays it out (header,
// key, padding, fixed block) at `offset`: version 6.1.7601.17514.
QByteArray peLike(int offset) {
    QByteArray b(offset + 92 + 64, '\0');
    b.replace(0, 2, "MZ");
    char* r = b.data() + offset;
    qToLittleEndian<quint16>(92, r);
    qToLittleEndian<quint16>(52, r + 2);
    const QString key = QStringLiteral("VS_VERSION_INFO");
    for (int i = 0; i < key.size(); ++i)
        qToLittleEndian<quint16>(key.at(i).unicode(), r + 6 + 2 * i);
    const quint32 fixed[] = {0xFEEF04BDu, 0x00010000u, 0x00060001u,
                             0x1DB1446Au}; // signature, structure version, version
    for (int i = 0; i < 4; ++i)
        qToLittleEndian(fixed[i], r + 40 + 4 * i);
    return b;
}

} // namespace

class TestFileVersion : public QObject {
    Q_OBJECT

private slots:
    void theVersionComesFromAWellFormedBlockOnly_data() {
        QTest::addColumn<QString>("path"); // empty: a file of these contents
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expected");
        // Tests live in <build>/tests, the program in <build>/src.
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/kwintor"));
        QTest::newRow("the built program") << program << QByteArray() << KWINTOR_VERSION;
        // This test program holds the reading code, signature constant and all, but no block.
        QTest::newRow("a file without the block") << QCoreApplication::applicationFilePath() << QByteArray() << "Error";
        QTest::newRow("a missing file") << QStringLiteral("/nonexistent/kwintor") << QByteArray() << "Error";
        QTest::newRow("a Windows version resource") << QString() << peLike(4096) << "6.1.7601.17514";
        QTest::newRow("value length not 52") << QString() << peLike(1024).replace(1026, 1, QByteArray(1, 0)) << "Error";
        QTest::newRow("unknown structure version") << QString() << peLike(1024).replace(1024 + 46, 1, "\2") << "Error";
        QTest::newRow("block cut short") << QString() << peLike(1024).left(1024 + 88) << "Error";
        QTest::newRow("not on a 4-byte boundary") << QString() << peLike(1024).insert(1000, "??") << "Error";
    }

    void theVersionComesFromAWellFormedBlockOnly() {
        QFETCH(QString, path);
        QFETCH(QByteArray, contents);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (path.isEmpty()) {
            QFile file(path = dir.filePath(QStringLiteral("program.exe")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        }
        QCOMPARE(GetFileVersion(path), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileVersion)
#include "tst_fileversion.moc"
