#include "persistence/History.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

// The history of finished games, "Geschiedenis.lst": each game adds its lines to what the file
// holds; a file that does not read is kept aside whole as .bak and a new one begun.
class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void gamesAddToWhatTheFileHolds_data();
    void gamesAddToWhatTheFileHolds();
};

void HistoryTest::gamesAddToWhatTheFileHolds_data() {
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<int>("keptEntries");   // entries of the old file still in it; -1: kept aside

    const QByteArray one = Headers + "\"2026-12-01 20:15\",\"Émile\",231,1250,37\r\n";
    QTest::newRow("no history yet") << QByteArray() << 0;
    QTest::newRow("one game before") << one << 1;
    QTest::newRow("header lines alone") << Headers << 0;
    QTest::newRow("cut short") << one.left(one.size() - 2) << -1;
    QTest::newRow("not a history at all") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << -1;
}

void HistoryTest::gamesAddToWhatTheFileHolds() {
    QFETCH(QByteArray, before);
    QFETCH(int, keptEntries);

    QTemporaryDir dir;
    const QString path = dir.filePath("Geschiedenis.lst");
    if (!before.isEmpty())
        QVERIFY(writeBytes(path, before));
    const std::vector<HistoryEntry> game{{"2026-12-07 16:02", "Jan, de \"Vries\"", 198, 23.456, 38},
                                         {"2026-12-07 16:02", "emile", 240, 0, 35}};
    QVERIFY(appendHistory(path.toStdString(), game));

    std::vector<HistoryEntry> read;
    QCOMPARE(readHistory(path.toStdString(), read), HistoryRead::Ok);
    QCOMPARE(int(read.size()), std::max(keptEntries, 0) + 2);
    const HistoryEntry& jan = read[read.size() - 2];
    QCOMPARE(QString::fromStdString(jan.name), QStringLiteral("Jan, de 'Vries'"));
    QCOMPARE(jan.total, 198);
    QCOMPARE(jan.cost, 23.46); // kept to the hundredth
    QCOMPARE(jan.decisions, 38);
    // The last games of a name, in any case and with or without accents, oldest first.
    const std::vector<double> costs = recentCosts(read, "EMILE", 5);
    const std::vector<double> expected = keptEntries == 1 ? std::vector<double>{12.5, 0} : std::vector<double>{0};
    QCOMPARE(costs, expected);

    QCOMPARE(fileBytes(path + ".bak"), keptEntries < 0 ? before : QByteArray("<unreadable>"));
    QCOMPARE(entriesIn(dir).size(), keptEntries < 0 ? 2 : 1); // no temporary file left behind
}

QTEST_APPLESS_MAIN(HistoryTest)
#include "tst_History.moc"
