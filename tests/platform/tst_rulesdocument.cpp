#include "platform/RulesDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using kwintor::findRulesDocument;

class TestRulesDocument : public QObject {
    Q_OBJECT

private slots:
    void theDocumentIsFoundWhereTheProgramIs_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("found"); // empty: nowhere
        QTest::addColumn<QStringList>("searched");
        const QString help = QStringLiteral("usr/share/help/nl/kwintor/spelregels.pdf");
        const QString share = QStringLiteral("usr/share/kwintor/spelregels.pdf");
        const QString bin = QStringLiteral("usr/bin/spelregels.pdf");
        const QString beside = QStringLiteral("build/src/spelregels.pdf");
        const QStringList installed{help, share, bin};
        QTest::newRow("run from its own folder") << QStringList{beside} << "build/src" << beside << QStringList{beside};
        QTest::newRow("installed") << QStringList{help} << "usr/bin" << help << installed;
        QTest::newRow("installed as a Debian game")
            << QStringList{help} << "usr/games" << help
            << QStringList{help, "usr/share/games/kwintor/spelregels.pdf", "usr/games/spelregels.pdf"};
        QTest::newRow("an older installation") << QStringList{share} << "usr/bin" << share << installed;
        QTest::newRow("installed over an older copy in bin")
            << QStringList{help, bin} << "usr/bin" << help << installed;
        QTest::newRow("a bin folder without share/kwintor") << QStringList{bin} << "usr/bin" << bin << installed;
        QTest::newRow("missing, installed") << QStringList{"usr/share/help/nl/kwintor/"} << "usr/bin"
                                            << "" << installed;
        QTest::newRow("missing, own folder") << QStringList{"build/src/spelregels.pdf/"} << "build/src"
                                             << "" << QStringList{beside};
    }

    void theDocumentIsFoundWhereTheProgramIs() {
        QFETCH(QStringList, files);
        QFETCH(QString, program);
        QFETCH(QString, found);
        QFETCH(QStringList, searched);
        QTemporaryDir root;
        QDir dir(root.path());
        for (const QString& file : files) {
            // A name ending in a separator is a folder: a folder of that name is no document.
            QVERIFY(dir.mkpath(file.endsWith(u'/') ? file : QFileInfo(file).path()));
            if (!file.endsWith(u'/')) {
                QFile pdf(dir.filePath(file));
                QVERIFY(pdf.open(QIODevice::WriteOnly));
            }
        }
        const auto rules = findRulesDocument(dir.filePath(program));
        QStringList looked;
        for (const QString& place : rules.searched)
            looked << dir.relativeFilePath(place);
        QCOMPARE(looked, searched);
        QCOMPARE(rules.found(), !found.isEmpty());
        if (!rules.found()) {
            // The message names every place, one a line, after the sentence.
            QStringList lines = rules.missingText().split(QStringLiteral("\r\n"));
            QCOMPARE(lines.takeFirst(), QStringLiteral("De spelregels zijn niet gevonden. Gezocht in:"));
            QCOMPARE(lines, rules.searched);
        } else {
            QCOMPARE(dir.relativeFilePath(rules.path), found);
        }
    }
};

QTEST_GUILESS_MAIN(TestRulesDocument)
#include "tst_rulesdocument.moc"
