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
    void fileBytesReadAsTheseFields_data();
    void fileBytesReadAsTheseFields();
    void fieldsAreWrittenQuotedWithoutQuotesOrLineEndsInside();
};

void FieldReaderTest::fileBytesReadAsTheseFields_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("irregular");
    QTest::addColumn<bool>("droppedNul");

    QTest::newRow("CR LF, LF and CR lines")
        << QByteArray("\"a\"\r\nb\nc\r1,2") << QStringList{"a", "b", "c", "1", "2"} << false << false;
    QTest::newRow("comma inside quotes") << QByteArray("\"0100 - Jan, Piet\"\r\n") << QStringList{"0100 - Jan, Piet"}
                                         << false << false;
    QTest::newRow("blanks around fields")
        << QByteArray("  12 ,\t\"x y\"  ,z") << QStringList{"12", "x y", "z"} << false << false;
    QTest::newRow("empty fields") << QByteArray("a,\r\n\r\n\"\"\r\nb") << QStringList{"a", "", "", "", "b"} << false
                                  << false;
    QTest::newRow("quote inside a name") << QByteArray("\"0007 - Jan \"Bo\" Bos\"\r\nx")
                                         << QStringList{"0007 - Jan \"Bo\" Bos", "x"} << true << false;
    QTest::newRow("unterminated quote ends at its line")
        << QByteArray("\"0001 - open\r\n\"0002 - Jo\"") << QStringList{"0001 - open", "0002 - Jo"} << true << false;
    QTest::newRow("nothing") << QByteArray() << QStringList{} << false << false;
    QTest::newRow("NUL bytes dropped") << QByteArray("a\0b\0,c", 6) << QStringList{"ab", "c"} << false << true;
    QTest::newRow("UTF-8 with a byte order mark")
        << QByteArray("\xEF\xBB\xBFJos\xC3\xA9") << QStringList{"José"} << false << false;
    QTest::newRow("Windows-1252") << QByteArray("0100 - Jos\xE9") << QStringList{"0100 - José"} << false << false;
    // The bytes without a character in that code page become the control characters of that number.
    QTest::newRow("Windows-1252 high row")
        << QByteArray("\x80\x81\x85\x8A\x91\x92\x9F\xA0\xFF") << QStringList{"€\u0081…Š‘’Ÿ\u00A0ÿ"} << false << false;
    QTest::newRow("overlong slash is not UTF-8") << QByteArray("\xC0\xAF") << QStringList{"À¯"} << false << false;
    QTest::newRow("surrogate is not UTF-8") << QByteArray("\xED\xA0\x80") << QStringList{"í\u00A0€"} << false << false;
}

void FieldReaderTest::fileBytesReadAsTheseFields() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QFETCH(bool, irregular);
    QFETCH(bool, droppedNul);

    bool nul = !droppedNul;
    const std::string text = decodeFileText(bytes.toStdString(), &nul);
    QCOMPARE(nul, droppedNul);
    QVERIFY(isValidUtf8(text));
    FieldReader reader(text);
    QStringList read;
    for (std::string field; reader.next(field) && read.size() <= bytes.size();)
        read << QString::fromStdString(field);
    QCOMPARE(read, fields);
    QCOMPARE(reader.irregular(), irregular);
    QVERIFY(reader.atEnd());
}

void FieldReaderTest::fieldsAreWrittenQuotedWithoutQuotesOrLineEndsInside() {
    FieldWriter out;
    out.text("Jan, Piet");
    out.number(-7);
    out.text("say \"hi\"\r\nthere");
    out.endLine();
    // A quote or a line end inside a text field could not be read back, so neither is written.
    QCOMPARE(QByteArray::fromStdString(out.result()), QByteArray("\"Jan, Piet\",-7,\"say 'hi'  there\"\r\n"));
}

QTEST_APPLESS_MAIN(FieldReaderTest)
#include "tst_FieldReader.moc"
