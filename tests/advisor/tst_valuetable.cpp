#include "advisor/ValueTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace kwintor;

namespace {

constexpr unsigned onlyOpen(int category) { return AllCategories & ~(1u << category); }
constexpr int Kans = 11, Zessen = 5;

// One die thrown up to three times, kept as soon as it shows a six.
constexpr double SixIn3 = 91.0 / 216.0;

QByteArray bytesOf(const ValueTable& t) { return QByteArray::fromStdString(t.toBytes()); }

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestValueTable : public QObject {
    Q_OBJECT
    ValueTable m_table;

private slots:
    void initTestCase() { m_table.compute(2); }

    void gameValueToSixDecimals() {
        QCOMPARE(QString::number(m_table.gameValue(), 'f', 6), QStringLiteral("245.870775"));
    }

    void handCheckedStates_data() {
        QTest::addColumn<unsigned>("used");
        QTest::addColumn<int>("upper");
        QTest::addColumn<double>("expected");
        // Keep a die above what one more die is worth: 3.5 with one throw left, 4.25 with two.
        QTest::newRow("only Kans") << onlyOpen(Kans) << 0 << 70.0 / 3;
        // Only sixes score: keep every six; 33 needs all five sixes, 32 cannot reach 63.
        const double sixes = 6 * 5 * SixIn3;
        QTest::newRow("only Zessen, 32") << onlyOpen(Zessen) << 32 << sixes;
        QTest::newRow("only Zessen, 33") << onlyOpen(Zessen) << 33 << sixes + 35 * std::pow(SixIn3, 5);
        QTest::newRow("only Zessen, 62") << onlyOpen(Zessen) << 62 << sixes + 35 * (1 - std::pow(1 - SixIn3, 5));
        QTest::newRow("only Zessen, 63") << onlyOpen(Zessen) << 63 << sixes;
        QTest::newRow("full sheet") << AllCategories << 10 << 0.0;
    }
    void handCheckedStates() {
        QFETCH(unsigned, used);
        QFETCH(int, upper);
        QFETCH(double, expected);
        QVERIFY2(std::abs(m_table.value(used, upper) - expected) < 1e-9,
                 qPrintable(QString::number(m_table.value(used, upper), 'f', 9)));
    }

    void savedTableLoadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath("advies.cache");
        QVERIFY(m_table.save(path.toStdString()));
        ValueTable loaded;
        QVERIFY(loaded.load(path.toStdString()));
        QCOMPARE(bytesOf(loaded), bytesOf(m_table));
        QCOMPARE(loaded.loadOrCompute(path.toStdString(), 1), ValueTable::Origin::Loaded);
    }

    void damagedCacheIsRejected_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = bytesOf(m_table);
        QByteArray b = good;
        b[good.size() / 2] = char(b[good.size() / 2] ^ 1);
        QTest::newRow("wrong checksum") << b;
        QTest::newRow("a byte more") << good + 'x';
        b = good;
        b[0] = 'X';
        b = good;
        b[8] = char(ValueTable::FormatVersion + 1);
        QTest::newRow("newer version") << b;
        b = good;
        b[24] = char(b[24] ^ 0x40);
        QTest::newRow("other scoring rules") << b;
        b = good;
        b[20] = 7;
    }
    void damagedCacheIsRejected() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("advies.cache");
        QVERIFY(write(path, bytes));
        ValueTable fresh;
        QVERIFY(!fresh.load(path.toStdString()));
        QVERIFY(!fresh.ready());
        ValueTable kept = m_table;
        QVERIFY(!kept.load(path.toStdString()));
        QCOMPARE(kept.gameValue(), m_table.gameValue());
    }

    // A damaged file is computed again and rewritten whole; a table that cannot be saved says so.
    void damagedCacheIsRecomputedAndRewritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath("advies.cache");
        QVERIFY(write(path, bytesOf(m_table).left(1000)));
        ValueTable again;
        QCOMPARE(again.loadOrCompute(path.toStdString(), 2), ValueTable::Origin::Computed);
        ValueTable reread;
        QVERIFY(reread.load(path.toStdString()));
        QCOMPARE(bytesOf(reread), bytesOf(m_table));
        QVERIFY(!m_table.save(dir.filePath("no/such/folder/advies.cache").toStdString()));
    }
};

QTEST_APPLESS_MAIN(TestValueTable)
#include "tst_valuetable.moc"
