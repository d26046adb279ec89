#include "platform/RulesDocument.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using kwintor::findRulesDocument;

class TestRulesDocument : public QObject {
    Q_OBJECT

private slots:
    void theDocumentIsFoundWhereTheProgramIs_data() {
        QTest::addColumn<QStringList>("files"); // a name ending in a separator is a folder
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("found"); // empty: nowhere
        QTest::addColumn<QStringList>("searched");
        const QString share = "usr/share/kwintor/spelregels.pdf", bin = "usr/bin/spelregels.pdf",
                      beside = "build/src/spelregels.pdf";
        QTest::newRow("run from its own folder") << QStringList{beside} << "build/src" << beside << QStringList{beside};
        QTest::newRow("installed over an older copy in bin")
            << QStringList{share, bin} << "usr/bin" << share << QStringList{share, bin};
        QTest::newRow("a bin folder without share/kwintor")
            << QStringList{bin} << "usr/bin" << bin << QStringList{share, bin};
        QTest::newRow("a folder of that name is no document") << QStringList{share + '/'} << "usr/bin"
                                                              << "" << QStringList{share, bin};
    }
    void theDocumentIsFoundWhereTheProgramIs() {
        QFETCH(QStringList, files);
        QFETCH(QString, program);
        QFETCH(QString, found);
        QFETCH(QStringList, searched);
        QTemporaryDir root;
        QDir dir(root.path());
        for (const QString& file : files) {
            QVERIFY(dir.mkpath(file.endsWith(u'/') ? file : QFileInfo(file).path()));
            QFile pdf(dir.filePath(file));
            QVERIFY(file.endsWith(u'/') || pdf.open(QIODevice::WriteOnly));
        }
        const auto rules = findRulesDocument(dir.filePath(program));
        QStringList looked;
        for (const QString& place : rules.searched)
            looked << dir.relativeFilePath(place);
        QCOMPARE(looked, searched);
        QCOMPARE(rules.found() ? dir.relativeFilePath(rules.path) : QString(), found);
        // When it is missing, the message names every place, one a line, after the sentence.
        if (!rules.found())
            QCOMPARE(rules.missingText(),
                     (QStringList{"De spelregels zijn niet gevonden. Gezocht in:"} + rules.searched).join("\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestRulesDocument)
#include "tst_rulesdocument.moc"
