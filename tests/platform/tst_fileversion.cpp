#include "platform/FileVersion.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

using kwintor::GetFileVersion;

class TestFileVersion : public QObject {
    Q_OBJECT

private slots:
    // The version the title window shows comes from the program's own version block.
    void theVersionComesFromAWellFormedBlockOnly_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        // Tests live in <build>/tests, the program in <build>/src.
        QTest::newRow("the built program") << QCoreApplication::applicationDirPath() + "/../src/kwintor"
                                           << "1.0.0.3";
        // This test program holds the reading code, signature constant and all, but no block.
        QTest::newRow("a file without the block") << QCoreApplication::applicationFilePath() << "Error";
        QTest::newRow("a missing file") << "/nonexistent/kwintor"
                                        << "Error";
    }
    void theVersionComesFromAWellFormedBlockOnly() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(GetFileVersion(path), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileVersion)
#include "tst_fileversion.moc"
