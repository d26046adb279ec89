#include "persistence/FileAccess.h"
#include "persistence/History.h"
#include "persistence/ScoreList.h"
#include "persistence/ScoreStatistics.h"
#include "persistence/SharedScoreList.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

// One step of a copy: "+87 Jan" records, "-0087 - Jan" deletes, "*" deletes all, "." is the exit.
ScoreListChange changeOf(const QString& step) {
    const QString arg = step.mid(1);
    switch (step.at(0).toLatin1()) {
    case '+': return ScoreListChange::record(arg.section(' ', 0, 0).toInt(), arg.section(' ', 1).toStdString());
    case '-': return ScoreListChange::remove(arg.toStdString());
    case '*': return ScoreListChange::removeAll();
    default: return {};
    }
}

} // namespace

// The score list: its order, the file "Scorelijst.lst", its statistics, and the file shared by two
// copies of the program: each change is applied to the file as it stands, so neither copy loses or
// doubles the other's entries. Then the history of finished games.
class ScoreListTest : public QObject {
    Q_OBJECT
private slots:
    void scoresSortFirstThenNamesWithoutCaseAndAccentsThenBytes_data() {
        QTest::addColumn<QStringList>("entries"); // in the order they are recorded
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("score first, then accents among equal scores")
            << QStringList{"0087 - Zoë", "0120 - Anna", "0087 - Ölaf", "0087 - Émile", "0087 - Anna"}
            << QStringList{"0087 - Anna", "0087 - Émile", "0087 - Ölaf", "0087 - Zoë", "0120 - Anna"};
        QTest::newRow("É and é alike, then by bytes")
            << QStringList{"0050 - évb", "0050 - éva", "0050 - Evb", "0050 - Éva", "0050 - eva", "0050 - Eva"}
            << QStringList{"0050 - Eva", "0050 - eva", "0050 - Éva", "0050 - éva", "0050 - Evb", "0050 - évb"};
        QTest::newRow("ĳ as ij, ß as ss, Œ as oe, Ł as L")
            << QStringList{"0010 - Ik",     "0010 - Ĳsbrand", "0010 - Strast", "0010 - Straße", "0010 - Of",
                           "0010 - Œdipus", "0010 - Strasse", "0010 - Łukasz", "0010 - Lars",   "0010 - Mia"}
            << QStringList{"0010 - Ĳsbrand", "0010 - Ik", "0010 - Lars",    "0010 - Łukasz", "0010 - Mia",
                           "0010 - Œdipus",  "0010 - Of", "0010 - Strasse", "0010 - Straße", "0010 - Strast"};
    }
    void scoresSortFirstThenNamesWithoutCaseAndAccentsThenBytes() {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, sorted);
        // One by one, as scores are recorded, and all at once, as a file is read.
        ScoreList recorded, read;
        for (const QString& entry : entries)
            QVERIFY(recorded.insert(entry.toStdString()));
        QCOMPARE(entriesOf(recorded), sorted);
        QCOMPARE(parseScoreList(fileOf(entries).toStdString(), read), ScoreListLoad::Complete);
        QCOMPARE(entriesOf(read), sorted);
    }

    void fileReadsAsTheseEntriesAndIsRewrittenExactly_data() {
        using enum ScoreListLoad;
        QTest::addColumn<QByteArray>("bytes"); // null: there is no file
        QTest::addColumn<ScoreListLoad>("result");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("no file") << QByteArray() << Missing << QStringList{};
        QTest::newRow("only the header line")
            << QByteArray("\"Dobbelwerken Software 2009\"") << Damaged << QStringList{};
        QTest::newRow("other headers, a name with a comma")
            << QByteArray("x\r\ny\r\n\"0100 - Jan, Piet\"\r\n") << Complete << QStringList{"0100 - Jan, Piet"};
        QTest::newRow("empty lines and empty quotes skipped") << Headers + "\r\n\"0050 - Kees\"\r\n\"\"\r\n\r\n"
                                                              << Complete << QStringList{"0050 - Kees"};
        QTest::newRow("LF and CR lines, a byte order mark")
            << "\xEF\xBB\xBF" + Headers + "\"0001 - a\"\n\"0002 - Jos\xC3\xA9\"\r\"0003 - c\"" << Complete
            << QStringList{"0001 - a", "0002 - José", "0003 - c"};
        QTest::newRow("a quote inside a name") << Headers + "\"0007 - Jan \"Bo\" Bos\"\r\n"
                                               << Damaged << QStringList{"0007 - Jan 'Bo' Bos"};
        QTest::newRow("Windows-1252 name") << Headers + "\"0100 - Jos\xE9\"\r\n"
                                           << Complete << QStringList{"0100 - José"};
        QTest::newRow("NUL bytes of a crash")
            << Headers + QByteArray("\"0050 - Kees\"\r\n\0\0", 17) << Damaged << QStringList{"0050 - Kees"};
    }
    void fileReadsAsTheseEntriesAndIsRewrittenExactly() {
        QFETCH(QByteArray, bytes);
        QFETCH(ScoreListLoad, result);
        QFETCH(QStringList, entries);
        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        if (!bytes.isNull())
            QVERIFY(writeBytes(path, bytes));
        // The copy kept before a damaged file is overwritten holds its bytes exactly.
        QCOMPARE(copyFileAtomically(path.toStdString(), path.toStdString() + ".bak"), !bytes.isNull());
        ScoreList list;
        QCOMPARE(LaadScorelijst(path.toStdString(), list), result);
        QCOMPARE(entriesOf(list), entries);
        // What was read is written as quoted CR LF lines, which read back completely.
        QVERIFY(writeScoreList(path.toStdString(), list));
        QCOMPARE(fileBytes(path), fileOf(entries));
        QCOMPARE(LaadScorelijst(path.toStdString(), list), ScoreListLoad::Complete);
        QCOMPARE(fileBytes(path + ".bak"), bytes.isNull() ? QByteArray("<unreadable>") : bytes);
        QCOMPARE(entriesIn(dir).size(), bytes.isNull() ? 1 : 2); // no temporary left
    }

    // The statistics' own order, highest mean first, each name under its first spelling from the
    // lowest score up, whatever its case and accents; a line that is no result counts for nobody.
    void statisticsRowsHighestMeanFirst() {
        ScoreList list;
        for (const char* entry : {"0200 - emile", "0100 - Émile", "0375 - anna", "0024 - Anna", "0087 - Zoë", "Piet"})
            list.insert(entry);
        const ScoreStatistics stats(list);
        QStringList rows;
        for (const PlayerStatistics& row : stats.rows())
            rows << QString("%1 %2").arg(QString::fromStdString(row.name)).arg(row.mean);
        QCOMPARE(rows, (QStringList{"Anna 199.5", "Émile 150", "Zoë 87"}));
    }

    void twoCopiesOnOneFileLoseNothing_data() {
        QTest::addColumn<QByteArray>("file");   // before both copies start
        QTest::addColumn<QStringList>("steps"); // "A..." for the first copy, "B..." for the second
        QTest::addColumn<QStringList>("result");
        QTest::addColumn<QByteArray>("bak"); // the copy of a file that was not read whole
        const QByteArray none = "<unreadable>";

        QStringList list25;
        for (int i = 1; i <= 25; ++i)
            list25 << QString("0%1 - Speler %2").arg(100 + i).arg(i);
        QTest::newRow("each records one on a list of 25")
            << fileOf(list25) << QStringList{"A+87 Jan", "B+120 Piet", "A.", "B."}
            << QStringList{"0087 - Jan"} + list25.mid(0, 19) + QStringList{"0120 - Piet"} + list25.mid(19) << none;
        QTest::newRow("an exit does not bring back what the other deleted")
            << fileOf({"0100 - Anna", "0200 - Kees"})
            << QStringList{"A-0100 - Anna", "B.", "B+50 Cor", "B-0100 - Anna", "A."}
            << QStringList{"0050 - Cor", "0200 - Kees"} << none;
        QTest::newRow("quotes and line ends in a name, a score over 9999")
            << fileOf({}) << QStringList{"A+10000 Jan \"Bo\"\r\n"} << QStringList{"9999 - Jan 'Bo'  "} << none;
        QTest::newRow("delete all takes what the other recorded")
            << fileOf({"0100 - Anna"}) << QStringList{"B+87 Jan", "A*", "B+120 Piet", "A."}
            << QStringList{"0120 - Piet"} << none;
        // A quoted field without its closing quote, which the writer never leaves: the first write
        // keeps the file as .bak, the next ones find it whole and leave that copy alone.
        const QByteArray damaged = Headers + "\"0050 - Kees\"\r\n\"0060 - Open\r\n";
        QTest::newRow("a damaged file is kept as .bak, once")
            << damaged << QStringList{"A+87 Jan", "B-0050 - Kees", "A."} << QStringList{"0060 - Open", "0087 - Jan"}
            << damaged;
    }

    void twoCopiesOnOneFileLoseNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, result);
        QFETCH(QByteArray, bak);

        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        QVERIFY(writeBytes(path, file));
        SharedScoreList a(path.toStdString()), b(path.toStdString());
        a.load();
        b.load();
        for (const QString& step : steps) {
            SharedScoreList& copy = step.startsWith('A') ? a : b;
            QCOMPARE(copy.update(changeOf(step.mid(1))), ScoreListUpdate::Written);
            // What the copy shows is what the file holds.
            QCOMPARE(entriesOf(copy.list()), entriesInFile(path));
            QVERIFY(!copy.hasUnwritten());
        }
        QCOMPARE(fileBytes(path), fileOf(result));
        QCOMPARE(fileBytes(path + ".bak"), bak);
        QCOMPARE(entriesIn(dir).size(), bak == "<unreadable>" ? 1 : 2); // no temporary left
    }

    // What each file fault gets: the change is refused, shown all the same, and written with the
    // file's own entries by the first update after the fault is gone.
    void failedUpdateLosesNothingAndIsWrittenLater_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("file"); // what the other copy found before it recorded 0300 - Bas
        QTest::newRow("read-only folder") << "read-only" << fileOf({"0100 - Anna"});
        QTest::newRow("disk full") << "full" << fileOf({"0100 - Anna"});
        QTest::newRow("damaged, no room for its copy") << "no bak" << Headers + "\"0100 - Anna\"\r\n\"0200 - open";
    }
    void failedUpdateLosesNothingAndIsWrittenLater() {
        QFETCH(QString, fault);
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        QVERIFY(writeBytes(path, file));
        SharedScoreList copy(path.toStdString()), other(path.toStdString());
        copy.load();
        QCOMPARE(other.update(ScoreListChange::record(300, "Bas")), ScoreListUpdate::Written);
        if (fault == "no bak") // damaged again, and its copy cannot be written
            QVERIFY(writeBytes(path, file) && QFile::remove(path + ".bak") &&
                    QDir(dir.path()).mkdir("Scorelijst.lst.bak"));
        const QByteArray before = fileBytes(path);
        const auto failed = underFault(fault, dir, 40, [&] {
            // the change, then an exit while the fault lasts
            return std::pair{copy.update(ScoreListChange::record(87, "Jan")), copy.update()};
        });
        QVERIFY(failed == std::pair(ScoreListUpdate::Failed, ScoreListUpdate::Failed) && copy.hasUnwritten());
        QCOMPARE(entriesOf(copy.list()).count("0087 - Jan"), 1);
        QCOMPARE(fileBytes(path), before);

        if (fault == "no bak")
            QVERIFY(QDir(dir.path()).rmdir("Scorelijst.lst.bak"));
        QCOMPARE(copy.update(), ScoreListUpdate::Written);
        const QStringList kept{"0087 - Jan", "0100 - Anna", fault == "no bak" ? "0200 - open" : "0300 - Bas"};
        QCOMPARE(entriesInFile(path), kept);
        QCOMPARE(entriesOf(copy.list()), kept);
        QCOMPARE(fileBytes(path + ".bak"), fault == "no bak" ? file : QByteArray("<unreadable>"));
    }

    // A file of 32767 entries (empty fields do not count) is read whole, one of 32768 keeps the first
    // 32767; a full list refuses a record until an entry is deleted.
    void listTakesNoMoreThan32767Entries() {
        QByteArray file = Headers;
        for (int i = 0; i < ScoreList::MaxEntries; ++i)
            file += "\"" + QByteArray::number(i / 10).rightJustified(4, '0') + " - Speler " +
                    QByteArray::number(i % 10) + "\"\r\n";
        ScoreList loaded;
        QCOMPARE(parseScoreList((file + "\"3276 - Speler 7\"\r\n").toStdString(), loaded), ScoreListLoad::Damaged);
        QCOMPARE(entriesOf(loaded).mid(32765), (QStringList{"3276 - Speler 5", "3276 - Speler 6"}));
        QTemporaryDir dir;
        const QString path = dir.filePath("Scorelijst.lst");
        QVERIFY(writeBytes(path, file + "\r\n\"\"\r\n"));
        SharedScoreList copy(path.toStdString());
        QCOMPARE(copy.load(), ScoreListLoad::Complete);
        QCOMPARE(copy.update(ScoreListChange::record(87, "Jan")), ScoreListUpdate::Full);
        QVERIFY(!copy.hasUnwritten() && copy.list().count() == ScoreList::MaxEntries);
        QCOMPARE(copy.update(ScoreListChange::remove("0000 - Speler 0")), ScoreListUpdate::Written);
        QCOMPARE(copy.update(ScoreListChange::record(87, "Jan")), ScoreListUpdate::Written);
        const QStringList written = entriesInFile(path);
        QVERIFY(written.size() == ScoreList::MaxEntries && written.contains("0087 - Jan"));
    }

    // The history of finished games, "Geschiedenis.lst": each game adds its lines to what the file
    // holds; a file that does not read is kept aside whole as .bak and a new one begun.
    void historyGamesAddToWhatTheFileHolds_data() {
        QTest::addColumn<QByteArray>("before"); // empty: no file
        QTest::addColumn<int>("keptEntries");   // entries of the old file still in it; -1: kept aside

        const QByteArray one = Headers + "\"2026-12-01 20:15\",\"Émile\",231,1250,37\r\n";
        QTest::newRow("no history yet") << QByteArray() << 0;
        QTest::newRow("one game before") << one << 1;
        QTest::newRow("header lines alone") << Headers << 0;
        QTest::newRow("cut short") << one.left(one.size() - 2) << -1;
        QTest::newRow("not a history at all") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << -1;
    }

    void historyGamesAddToWhatTheFileHolds() {
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
        // The cost is kept to the hundredth.
        QCOMPARE(QString("%1|%2|%3|%4")
                     .arg(QString::fromStdString(jan.name))
                     .arg(jan.total)
                     .arg(jan.cost)
                     .arg(jan.decisions),
                 "Jan, de 'Vries'|198|23.46|38");
        // The last games of a name, in any case and with or without accents, oldest first.
        const std::vector<double> costs = recentCosts(read, "EMILE", 5);
        const std::vector<double> expected = keptEntries == 1 ? std::vector<double>{12.5, 0} : std::vector<double>{0};
        QCOMPARE(costs, expected);

        QCOMPARE(fileBytes(path + ".bak"), keptEntries < 0 ? before : QByteArray("<unreadable>"));
        QCOMPARE(entriesIn(dir).size(), keptEntries < 0 ? 2 : 1); // no temporary file left behind
    }
};

QTEST_APPLESS_MAIN(ScoreListTest)
#include "tst_ScoreList.moc"
