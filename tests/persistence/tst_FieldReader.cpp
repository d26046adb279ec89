#include "persistence/FieldReader.h"
#include "persistence/FieldWriter.h"
#include "persistence/TextEncoding.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

// The shared field syntax of both data files, and the encodings a file may come in.
class FieldReaderTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreReadAsTheOldReaderDid_data();
    void fieldsAreReadAsTheOldReaderDid();
    void writtenFieldsReadBackAsWritten();
    void fileBytesAreDecodedToUtf8_data();
    void fileBytesAreDecodedToUtf8();
};

void FieldReaderTest::fieldsAreReadAsTheOldReaderDid_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("irregular");

    QTest::newRow("CR LF lines") << QByteArray("\"a\"\r\n\"b\"\r\n1,2,3\r\n") << QStringList{"a", "b", "1", "2", "3"} << false;
    QTest::newRow("LF and CR lines") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"} << false;
    QTest::newRow("quoted comma") << QByteArray("\"0100 - Jan, Piet\"\r\n") << QStringList{"0100 - Jan, Piet"} << false;
    QTest::newRow("blanks around fields") << QByteArray("  12 ,\t\"x y\"  ,z") << QStringList{"12", "x y", "z"} << false;
    QTest::newRow("empty line and empty quotes") << QByteArray("a\r\n\r\n\"\"\r\nb") << QStringList{"a", "", "", "b"} << false;
    QTest::newRow("comma at line end") << QByteArray("a,\r\nb") << QStringList{"a", "", "b"} << false;
    QTest::newRow("blanks alone at the end") << QByteArray("a\r\n   ") << QStringList{"a", ""} << false;
    QTest::newRow("quote inside a name") << QByteArray("\"0007 - Jan \"Bo\" Bos\"\r\nx")
                                         << QStringList{"0007 - Jan \"Bo\" Bos", "x"} << true;
    QTest::newRow("text after the closing quote") << QByteArray("\"a\"b,c\r\nd") << QStringList{"a\"b,c", "d"} << true;
    QTest::newRow("unterminated quote ends at its line") << QByteArray("\"0001 - open\r\n\"0002 - Jo\"")
                                                         << QStringList{"0001 - open", "0002 - Jo"} << true;
    QTest::newRow("lone quote at the end") << QByteArray("a,\"") << QStringList{"a", ""} << true;
    QTest::newRow("quote in an unquoted field") << QByteArray("ab\"c") << QStringList{"ab\"c"} << true;
    QTest::newRow("nothing") << QByteArray() << QStringList{} << false;
}

void FieldReaderTest::fieldsAreReadAsTheOldReaderDid()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, fields);
    QFETCH(bool, irregular);

    FieldReader reader(view(text));
    QStringList read;
    std::string field;
    while (reader.next(field)) {
        read << QString::fromStdString(field);
        QVERIFY(read.size() <= text.size() + 1); // every field makes progress
    }
    QCOMPARE(read, fields);
    QCOMPARE(reader.irregular(), irregular);
    QVERIFY(reader.atEnd());
}

void FieldReaderTest::writtenFieldsReadBackAsWritten()
{
    FieldWriter out;
    out.text("Jan, Piet");
    out.number(-7);
    out.text("say \"hi\"\r\nthere");
    out.endLine();
    QCOMPARE(QByteArray::fromStdString(out.result()), QByteArray("\"Jan, Piet\",-7,\"say 'hi'  there\"\r\n"));
    FieldReader reader(out.result());
    std::string a, b, c;
    QVERIFY(reader.next(a) && reader.next(b) && reader.next(c) && reader.atEnd() && !reader.irregular());
    QCOMPARE(QString::fromStdString(a + "|" + b + "|" + c), QString("Jan, Piet|-7|say 'hi'  there"));
}

void FieldReaderTest::fileBytesAreDecodedToUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("droppedNul");

    QTest::newRow("ASCII") << QByteArray("0087 - Jan") << QStringLiteral("0087 - Jan") << false;
    QTest::newRow("UTF-8") << QByteArray("0100 - Jos\xC3\xA9") << QStringLiteral("0100 - José") << false;
    QTest::newRow("Windows-1252") << QByteArray("0100 - Jos\xE9") << QStringLiteral("0100 - José") << false;
    QTest::newRow("Windows-1252 high row")
        << QByteArray("\x80\x85\x8A\x91\x92\x9F\xA0\xFF") << QStringLiteral("€…Š‘’Ÿ\u00A0ÿ") << false;
    QTest::newRow("byte without a character") << QByteArray("a\x81") << QStringLiteral("a\u0081") << false;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFJos\xC3\xA9") << QStringLiteral("José") << false;
    QTest::newRow("overlong slash is not UTF-8") << QByteArray("\xC0\xAF") << QStringLiteral("À¯") << false;
    QTest::newRow("surrogate is not UTF-8") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€") << false;
    QTest::newRow("NUL bytes dropped") << QByteArray("a\0b\0", 4) << QStringLiteral("ab") << true;
}

void FieldReaderTest::fileBytesAreDecodedToUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, droppedNul);

    bool nul = !droppedNul;
    const std::string decoded = decodeFileText(view(bytes), &nul);
    QCOMPARE(QString::fromUtf8(decoded.data(), static_cast<qsizetype>(decoded.size())), text);
    QCOMPARE(nul, droppedNul);
    QVERIFY(isValidUtf8(decoded));
}

QTEST_APPLESS_MAIN(FieldReaderTest)
#include "tst_FieldReader.moc"
