#include "persistence/FileAccess.h"
#include "persistence/ScoreList.h"

#include "FileTestHelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kwintor;

Q_DECLARE_METATYPE(ScoreListLoad)

namespace {

QStringList entriesOf(const ScoreList& list)
{
    QStringList out;
    for (const std::string& entry : list.entries()) out << QString::fromStdString(entry);
    return out;
}

// A sorted file of `count` entries, 0000 - Speler 0 upwards.
QByteArray sortedFile(int count)
{
    QByteArray bytes = Headers;
    for (int i = 0; i < count; ++i)
        bytes += "\"" + QByteArray::number(i / 10).rightJustified(4, '0') + " - Speler " + QByteArray::number(i % 10) + "\"\r\n";
    return bytes;
}

} // namespace

// The score list: its order, VoegScoreToe, and the file "Scorelijst.lst".
class ScoreListTest : public QObject {
    Q_OBJECT
private slots:
    void entriesAreInsertedAtTheirSortedPlace();
    void entryIsFourDigitsSeparatorAndName_data();
    void entryIsFourDigitsSeparatorAndName();
    void listTakesNoMoreThan32767Entries();
    void fileReadsAsTheseEntries_data();
    void fileReadsAsTheseEntries();
    void writtenEntriesReadBackInOrder();
    void unreadableFileLeavesTheListEmptyAndIsNotReplaced();
};

void ScoreListTest::entriesAreInsertedAtTheirSortedPlace()
{
    ScoreList list;
    QVERIFY(VoegScoreToe(list, 87, "Jan"));
    QVERIFY(VoegScoreToe(list, 120, "Piet"));
    QVERIFY(VoegScoreToe(list, 87, "Anna"));
    QCOMPARE(entriesOf(list), (QStringList{"0087 - Anna", "0087 - Jan", "0120 - Piet"}));

    // Letter case does not count, and an equal entry goes after those already there.
    QVERIFY(list.insert("0087 - jan"));
    QVERIFY(list.insert("0087 - ANNA"));
    QVERIFY(list.insert("0087 - anna"));
    QCOMPARE(entriesOf(list),
             (QStringList{"0087 - Anna", "0087 - ANNA", "0087 - anna", "0087 - Jan", "0087 - jan", "0120 - Piet"}));

    list.removeAt(99);
    list.removeAt(-1);
    QCOMPARE(list.count(), 6);
    QVERIFY(list.removeFirstEqual("0087 - anna"));
    QVERIFY(!list.removeFirstEqual("0087 - anna"));
    QCOMPARE(entriesOf(list), (QStringList{"0087 - Anna", "0087 - ANNA", "0087 - Jan", "0087 - jan", "0120 - Piet"}));
}

void ScoreListTest::entryIsFourDigitsSeparatorAndName_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");

    QTest::newRow("two digits") << 87 << "Jan" << "0087 - Jan";
    QTest::newRow("zero, empty name") << 0 << "" << "0000 - ";
    QTest::newRow("three digits") << 254 << "Kees" << "0254 - Kees";
    QTest::newRow("name with comma and blanks") << 100 << "Jan, Piet " << "0100 - Jan, Piet ";
    QTest::newRow("double quote becomes single") << 5 << "Jan \"Bo\"" << "0005 - Jan 'Bo'";
    QTest::newRow("line end becomes blank") << 5 << "a\r\nb" << "0005 - a  b";
    QTest::newRow("UTF-8 name") << 300 << "José" << "0300 - José";
    QTest::newRow("negative score") << -5 << "X" << "0000 - X";
    QTest::newRow("four digits") << 9999 << "X" << "9999 - X";
    QTest::newRow("more than four digits") << 123456 << "X" << "9999 - X";
}

void ScoreListTest::entryIsFourDigitsSeparatorAndName()
{
    QFETCH(int, score);
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QCOMPARE(QString::fromStdString(scoreEntry(score, name.toStdString())), entry);
}

void ScoreListTest::listTakesNoMoreThan32767Entries()
{
    ScoreList list;
    for (int i = 0; i < ScoreList::MaxEntries; ++i) QVERIFY(VoegScoreToe(list, i / 100, "Speler"));
    QVERIFY(list.isFull());
    QVERIFY(!VoegScoreToe(list, 1, "Een te veel"));
    QCOMPARE(list.count(), 32767);
    QCOMPARE(QString::fromStdString(list.at(0)), QString("0000 - Speler"));

    ScoreList loaded;
    QCOMPARE(parseScoreList(view(sortedFile(32768)), loaded), ScoreListLoad::Damaged);
    QCOMPARE(loaded.count(), 32767);
    QCOMPARE(QString::fromStdString(loaded.at(32766)), QString("3276 - Speler 6"));

    ScoreList exact;
    QCOMPARE(parseScoreList(view(sortedFile(32767) + "\r\n\"\"\r\n"), exact), ScoreListLoad::Complete);
    QCOMPARE(exact.count(), 32767);
}

void ScoreListTest::fileReadsAsTheseEntries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ScoreListLoad>("result");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("two header lines alone") << Headers << ScoreListLoad::Complete << QStringList{};
    QTest::newRow("name with a comma") << Headers + "\"0100 - Jan, Piet\"\r\n" << ScoreListLoad::Complete << QStringList{"0100 - Jan, Piet"};
    QTest::newRow("empty lines and empty quotes skipped") << Headers + "\r\n\"0050 - Kees\"\r\n\"\"\r\n\r\n" << ScoreListLoad::Complete
                                                          << QStringList{"0050 - Kees"};
    QTest::newRow("unsorted file is sorted") << Headers + "\"0120 - Piet\"\r\n\"0087 - Jan\"\r\n\"0087 - Anna\"\r\n"
                                             << ScoreListLoad::Complete << QStringList{"0087 - Anna", "0087 - Jan", "0120 - Piet"};
    QTest::newRow("equal entries keep the file's order") << Headers + "\"0087 - jan\"\r\n\"0050 - X\"\r\n\"0087 - Jan\"\r\n\"0087 - JAN\"\r\n"
                                                         << ScoreListLoad::Complete
                                                         << QStringList{"0050 - X", "0087 - jan", "0087 - Jan", "0087 - JAN"};
    QTest::newRow("unquoted line with a comma is two entries") << Headers + "0100 - Jan, Piet\r\n" << ScoreListLoad::Complete
                                                                << QStringList{"0100 - Jan", "Piet"};
    QTest::newRow("LF line ends, no header text check") << QByteArray("x\ny\n\"0001 - A\"\n") << ScoreListLoad::Complete
                                                        << QStringList{"0001 - A"};
    QTest::newRow("only the header line") << QByteArray("\"Dobbelwerken Software 2009\"") << ScoreListLoad::Damaged << QStringList{};
    QTest::newRow("empty file") << QByteArray() << ScoreListLoad::Damaged << QStringList{};
    QTest::newRow("Windows-1252 name") << Headers + "\"0100 - Jos\xE9\"\r\n" << ScoreListLoad::Complete << QStringList{"0100 - José"};
    QTest::newRow("UTF-8 with byte order mark") << "\xEF\xBB\xBF" + Headers + "\"0100 - Zo\xC3\xAB\"\r\n" << ScoreListLoad::Complete
                                                << QStringList{"0100 - Zoë"};
    QTest::newRow("name with quotes from an old file") << Headers + "\"0007 - Jan \"Bo\" Bos\"\r\n\"0008 - Eva\"\r\n"
                                                       << ScoreListLoad::Damaged << QStringList{"0007 - Jan 'Bo' Bos", "0008 - Eva"};
    QTest::newRow("cut off inside an entry") << Headers + "\"0050 - Kees\"\r\n\"0060 - Jo" << ScoreListLoad::Damaged
                                             << QStringList{"0050 - Kees", "0060 - Jo"};
    QTest::newRow("NUL bytes") << Headers + QByteArray("\"0050 - Kees\"\r\n\0\0\0\0", 19) << ScoreListLoad::Damaged
                               << QStringList{"0050 - Kees"};
    QTest::newRow("binary garbage") << Headers + "\"0050 - Kees\"\r\n\x01\xFF\"\x80,\x9D\r" << ScoreListLoad::Damaged
                                    << QStringList{"\u0001ÿ'€", "0050 - Kees", "\u009D"};
}

void ScoreListTest::fileReadsAsTheseEntries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ScoreListLoad, result);
    QFETCH(QStringList, entries);

    ScoreList list;
    QCOMPARE(parseScoreList(view(bytes), list), result);
    QCOMPARE(entriesOf(list), entries);

    // Whatever was read is written so that it reads back completely and the same.
    ScoreList again;
    QCOMPARE(parseScoreList(scoreListText(list), again), ScoreListLoad::Complete);
    QCOMPARE(entriesOf(again), entries);
}

void ScoreListTest::writtenEntriesReadBackInOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Scorelijst.lst");
    ScoreList list;
    QVERIFY(writeScoreList(path.toStdString(), list));
    QCOMPARE(fileBytes(path), Headers);

    VoegScoreToe(list, 87, "Jan");
    VoegScoreToe(list, 100, "Jan, Piet");
    VoegScoreToe(list, 87, "Anna");
    VoegScoreToe(list, 300, "José");
    QVERIFY(writeScoreList(path.toStdString(), list));
    QCOMPARE(fileBytes(path),
             Headers + "\"0087 - Anna\"\r\n\"0087 - Jan\"\r\n\"0100 - Jan, Piet\"\r\n\"0300 - Jos\xC3\xA9\"\r\n");

    ScoreList loaded;
    QCOMPARE(LaadScorelijst(path.toStdString(), loaded), ScoreListLoad::Complete);
    QCOMPARE(entriesOf(loaded), entriesOf(list));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Scorelijst.lst"}); // no temporary left
    QVERIFY(copyFileAtomically(path.toStdString(), path.toStdString() + ".bak"));
    QCOMPARE(fileBytes(path + ".bak"), fileBytes(path));
}

void ScoreListTest::unreadableFileLeavesTheListEmptyAndIsNotReplaced()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Scorelijst.lst").toStdString();
    ScoreList list;
    QCOMPARE(LaadScorelijst(path, list), ScoreListLoad::Missing);
    QVERIFY(!copyFileAtomically(path, path + ".bak"));
    QVERIFY(QDir(dir.path()).mkdir("Scorelijst.lst"));
    QCOMPARE(LaadScorelijst(path, list), ScoreListLoad::Damaged);
    QVERIFY(list.isEmpty());
    VoegScoreToe(list, 87, "Jan");
    QVERIFY(!writeScoreList(path, list));
    QVERIFY(!writeScoreList(dir.filePath("geen/Scorelijst.lst").toStdString(), list));
    QVERIFY(!writeScoreList("", list));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Scorelijst.lst"});
}

QTEST_APPLESS_MAIN(ScoreListTest)
#include "tst_ScoreList.moc"
