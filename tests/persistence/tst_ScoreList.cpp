#include "persistence/FileAccess.h"
#include "persistence/ScoreList.h"
#include "persistence/TextFolding.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

static QStringList entriesOf(const ScoreList& list) {
    QStringList out;
    for (const std::string& entry : list.entries())
        out << QString::fromStdString(entry);
    return out;
}

// The score list: its order, VoegScoreToe, and the file "Scorelijst.lst".
class ScoreListTest : public QObject {
    Q_OBJECT
private slots:
    void entriesAreInsertedAtTheirSortedPlace();
    void namesSortWithoutCaseAndAccentsThenByBytes_data();
    void namesSortWithoutCaseAndAccentsThenByBytes();
    void foldingForSorting_data();
    void foldingForSorting();
    void entryIsFourDigitsSeparatorAndName_data();
    void entryIsFourDigitsSeparatorAndName();
    void listTakesNoMoreThan32767Entries();
    void fileReadsAsTheseEntriesAndIsRewrittenExactly_data();
    void fileReadsAsTheseEntriesAndIsRewrittenExactly();
    void unwritableTargetIsRefusedAndLeavesNothing();
};

void ScoreListTest::entriesAreInsertedAtTheirSortedPlace() {
    ScoreList list;
    QVERIFY(VoegScoreToe(list, 87, "Jan") && VoegScoreToe(list, 120, "Piet") && VoegScoreToe(list, 87, "Anna"));
    QCOMPARE(entriesOf(list), (QStringList{"0087 - Anna", "0087 - Jan", "0120 - Piet"}));

    // Letter case does not count, then the bytes do: upper case before lower case.
    QVERIFY(list.insert("0087 - jan") && list.insert("0087 - ANNA") && list.insert("0087 - anna"));
    QCOMPARE(entriesOf(list),
             (QStringList{"0087 - ANNA", "0087 - Anna", "0087 - anna", "0087 - Jan", "0087 - jan", "0120 - Piet"}));

    QVERIFY(list.insert("0087 - anna") && list.removeFirstEqual("0087 - anna") && list.removeFirstEqual("0087 - anna"));
    QVERIFY(!list.removeFirstEqual("0087 - anna"));
    QCOMPARE(entriesOf(list), (QStringList{"0087 - ANNA", "0087 - Anna", "0087 - Jan", "0087 - jan", "0120 - Piet"}));
}

void ScoreListTest::namesSortWithoutCaseAndAccentsThenByBytes_data() {
    QTest::addColumn<QStringList>("entries"); // in the order they are recorded
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("accents among equal scores")
        << QStringList{"0087 - Zoë", "0087 - Ölaf", "0087 - Émile", "0087 - Anna"}
        << QStringList{"0087 - Anna", "0087 - Émile", "0087 - Ölaf", "0087 - Zoë"};
    QTest::newRow("É and é alike, then by bytes")
        << QStringList{"0050 - évb", "0050 - éva", "0050 - Evb", "0050 - Éva", "0050 - eva", "0050 - Eva"}
        << QStringList{"0050 - Eva", "0050 - eva", "0050 - Éva", "0050 - éva", "0050 - Evb", "0050 - évb"};
    QTest::newRow("ĳ as ij, ß as ss, Œ as oe")
        << QStringList{"0010 - Ik", "0010 - Ĳsbrand", "0010 - Strast", "0010 - Straße",
                       "0010 - Of", "0010 - Œdipus",  "0010 - Strasse"}
        << QStringList{"0010 - Ĳsbrand", "0010 - Ik",     "0010 - Œdipus", "0010 - Of",
                       "0010 - Strasse", "0010 - Straße", "0010 - Strast"};
    QTest::newRow("Latin Extended-A") << QStringList{"0001 - Šimon", "0001 - Łukasz", "0001 - Sara", "0001 - Lars",
                                                     "0001 - Ťomas"}
                                      << QStringList{"0001 - Lars", "0001 - Łukasz", "0001 - Sara", "0001 - Šimon",
                                                     "0001 - Ťomas"};
    QTest::newRow("signs and other scripts stay as they are")
        << QStringList{"0001 - ×", "0001 - Ωmega", "0001 - y", "0001 - x"}
        << QStringList{"0001 - x", "0001 - y", "0001 - ×", "0001 - Ωmega"};
}

void ScoreListTest::namesSortWithoutCaseAndAccentsThenByBytes() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, sorted);

    // One by one, as scores are recorded, and all at once, as a file is read.
    ScoreList recorded, read;
    QByteArray file = Headers;
    for (const QString& entry : entries) {
        QVERIFY(recorded.insert(entry.toStdString()));
        file += "\"" + entry.toUtf8() + "\"\r\n";
    }
    QCOMPARE(entriesOf(recorded), sorted);
    QCOMPARE(parseScoreList(file.toStdString(), read), ScoreListLoad::Complete);
    QCOMPARE(entriesOf(read), sorted);
}

void ScoreListTest::foldingForSorting_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("folded");

    QTest::newRow("Latin-1 accents") << QByteArray("ÀÉÎÕÜÇÑÝ àéîõüçñýÿ") << QByteArray("aeioucny aeioucnyy");
    QTest::newRow("Latin-1 letters of two") << QByteArray("Æsop Þór Straße") << QByteArray("aesop thor strasse");
    QTest::newRow("Latin Extended-A") << QByteArray("ĀčĐěĞħİıĳĶĹŁŃŉŐŒřŠţŦŰŵŶŸŹžſ")
                                      << QByteArray("acdeghiiijkllnnooersttuwyyzzs");
    QTest::newRow("bytes that are not UTF-8 stay") << QByteArray("\xC3 \xC9\xC5") << QByteArray("\xC3 \xC9\xC5");
}

void ScoreListTest::foldingForSorting() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, folded);
    QCOMPARE(QByteArray::fromStdString(foldedForSorting(text.toStdString())), folded);
}

void ScoreListTest::entryIsFourDigitsSeparatorAndName_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");

    QTest::newRow("two digits") << 87 << "Jan"
                                << "0087 - Jan";
    QTest::newRow("zero, empty name") << 0 << ""
                                      << "0000 - ";
    QTest::newRow("three digits") << 254 << "Kees"
                                  << "0254 - Kees";
    QTest::newRow("double quote to single, line end to blank") << 5 << "Jan \"Bo\"\r\n"
                                                               << "0005 - Jan 'Bo'  ";
    QTest::newRow("negative score") << -5 << "X"
                                    << "0000 - X";
    QTest::newRow("over 9999") << 10000 << "X"
                               << "9999 - X";
}

void ScoreListTest::entryIsFourDigitsSeparatorAndName() {
    QFETCH(int, score);
    QFETCH(QString, name);
    QFETCH(QString, entry);
    ScoreList list;
    QVERIFY(VoegScoreToe(list, score, name.toStdString()));
    QCOMPARE(entriesOf(list), QStringList{entry});
}

void ScoreListTest::listTakesNoMoreThan32767Entries() {
    ScoreList list;
    for (int i = 0; i < ScoreList::MaxEntries; ++i)
        QVERIFY(VoegScoreToe(list, i / 100, "Speler"));
    QVERIFY(!VoegScoreToe(list, 1, "Een te veel"));
    QCOMPARE(list.count(), 32767);

    // A file of 32767 entries (empty fields do not count) is read whole; one of 32768 keeps the first 32767.
    QByteArray file = Headers;
    for (int i = 0; i < 32767; ++i)
        file += "\"" + QByteArray::number(i / 10).rightJustified(4, '0') + " - Speler " + QByteArray::number(i % 10) +
                "\"\r\n";
    ScoreList exact, loaded;
    QCOMPARE(parseScoreList((file + "\r\n\"\"\r\n").toStdString(), exact), ScoreListLoad::Complete);
    QCOMPARE(exact.count(), 32767);
    QCOMPARE(parseScoreList((file + "\"3276 - Speler 7\"\r\n").toStdString(), loaded), ScoreListLoad::Damaged);
    QCOMPARE(loaded.count(), 32767);
    QCOMPARE(QString::fromStdString(loaded.at(32766)), QString("3276 - Speler 6"));
}

void ScoreListTest::fileReadsAsTheseEntriesAndIsRewrittenExactly_data() {
    using enum ScoreListLoad;
    QTest::addColumn<QByteArray>("bytes"); // null: there is no file
    QTest::addColumn<ScoreListLoad>("result");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("no file") << QByteArray() << Missing << QStringList{};
    QTest::newRow("two header lines alone") << Headers << Complete << QStringList{};
    QTest::newRow("only the header line") << QByteArray("\"Dobbelwerken Software 2009\"") << Damaged << QStringList{};
    QTest::newRow("other headers, a name with a comma")
        << QByteArray("x\r\ny\r\n\"0100 - Jan, Piet\"\r\n") << Complete << QStringList{"0100 - Jan, Piet"};
    QTest::newRow("empty lines and empty quotes skipped") << Headers + "\r\n\"0050 - Kees\"\r\n\"\"\r\n\r\n"
                                                          << Complete << QStringList{"0050 - Kees"};
    QTest::newRow("unsorted") << Headers + "\"0120 - Piet\"\r\n\"0087 - jan\"\r\n\"0087 - Jan\"\r\n\"0087 - Anna\"\r\n"
                              << Complete << QStringList{"0087 - Anna", "0087 - Jan", "0087 - jan", "0120 - Piet"};
    QTest::newRow("unquoted line with a comma") << Headers + "0100 - Jan, Piet\r\n"
                                                << Complete << QStringList{"0100 - Jan", "Piet"};
    QTest::newRow("Windows-1252 name") << Headers + "\"0100 - Jos\xE9\"\r\n" << Complete << QStringList{"0100 - José"};
    QTest::newRow("NUL bytes of a crash")
        << Headers + QByteArray("\"0050 - Kees\"\r\n\0\0", 17) << Damaged << QStringList{"0050 - Kees"};
    QTest::newRow("binary garbage") << Headers + "\"0050 - Kees\"\r\n\x01\xFF\"\x80,\x9D\r" << Damaged
                                    << QStringList{"\u0001ÿ'€", "0050 - Kees", "\u009D"};
}

void ScoreListTest::fileReadsAsTheseEntriesAndIsRewrittenExactly() {
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

    // What was read is written as quoted CR LF lines and reads back completely and the same.
    QVERIFY(writeScoreList(path.toStdString(), list));
    QByteArray written = Headers;
    for (const QString& entry : entries)
        written += "\"" + entry.toUtf8() + "\"\r\n";
    QCOMPARE(fileBytes(path), written);
    ScoreList again;
    QCOMPARE(LaadScorelijst(path.toStdString(), again), ScoreListLoad::Complete);
    QCOMPARE(entriesOf(again), entries);
    QCOMPARE(fileBytes(path + ".bak"), bytes.isNull() ? QByteArray("<unreadable>") : bytes);
    QCOMPARE(entriesIn(dir).size(), bytes.isNull() ? 1 : 2); // no temporary left
}

void ScoreListTest::unwritableTargetIsRefusedAndLeavesNothing() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("map"));
    ScoreList list;
    QCOMPARE(LaadScorelijst(dir.filePath("map").toStdString(), list), ScoreListLoad::Damaged);
    QVERIFY(list.isEmpty() && VoegScoreToe(list, 87, "Jan"));
    QVERIFY(!writeScoreList(dir.filePath("map").toStdString(), list));
    QVERIFY(!writeScoreList(dir.filePath("geen/Scorelijst.lst").toStdString(), list));
    QVERIFY(!writeScoreList("", list));
    QCOMPARE(entriesIn(dir), QStringList{"map"}); // no temporary left
}

QTEST_APPLESS_MAIN(ScoreListTest)
#include "tst_ScoreList.moc"
