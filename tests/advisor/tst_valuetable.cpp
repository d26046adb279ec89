#include "advisor/ValueTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

using namespace kwintor;

namespace {

constexpr unsigned onlyOpen(int category) { return AllCategories & ~(1u << category); }
constexpr int Kans = 11, Zessen = 5;

// One die thrown up to three times, kept as soon as it shows a six.
constexpr double SixIn3 = 91.0 / 216.0;

double chanceOfAtLeast(int sixes) {
    double p = 0;
    for (int n = sixes; n <= DiceCount; ++n)
        p += std::tgamma(6) / (std::tgamma(n + 1) * std::tgamma(6 - n)) * std::pow(SixIn3, n) *
             std::pow(1 - SixIn3, 5 - n);
    return p;
}

QByteArray bytesOf(const ValueTable& t) { return QByteArray::fromStdString(t.toBytes()); }

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void putU64(QByteArray& b, int at, quint64 v) {
    for (int i = 0; i < 8; ++i)
        b[at + i] = char(v >> (8 * i));
}

// The payload checksum as the format defines it, for damage that must be caught by more than it.
quint64 fnv1a(const QByteArray& b, int from) {
    quint64 h = 14695981039346656037ull;
    for (int i = from; i < b.size(); ++i)
        h = (h ^ quint8(b[i])) * 1099511628211ull;
    return h;
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
        QTest::newRow("only Kans, bonus given") << onlyOpen(Kans) << 70 << 70.0 / 3;
        // Only sixes score: keep every six; 33 needs all five sixes, 32 cannot reach 63.
        const double sixes = 6 * 5 * SixIn3;
        QTest::newRow("only Zessen, 0") << onlyOpen(Zessen) << 0 << sixes;
        QTest::newRow("only Zessen, 32") << onlyOpen(Zessen) << 32 << sixes;
        QTest::newRow("only Zessen, 33") << onlyOpen(Zessen) << 33 << sixes + 35 * std::pow(SixIn3, 5);
        QTest::newRow("only Zessen, 45") << onlyOpen(Zessen) << 45 << sixes + 35 * chanceOfAtLeast(3);
        QTest::newRow("only Zessen, 57") << onlyOpen(Zessen) << 57 << sixes + 35 * chanceOfAtLeast(1);
        QTest::newRow("only Zessen, 62") << onlyOpen(Zessen) << 62 << sixes + 35 * chanceOfAtLeast(1);
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
        QTest::newRow("truncated") << good.left(good.size() - 1);
        QTest::newRow("a byte more") << good + 'x';
        QTest::newRow("empty") << QByteArray();
        b = good;
        b[0] = 'X';
        QTest::newRow("foreign magic") << b;
        b = good;
        b[8] = char(ValueTable::FormatVersion + 1);
        QTest::newRow("newer version") << b;
        b = good;
        b[24] = char(b[24] ^ 0x40);
        QTest::newRow("other scoring rules") << b;
        b = good;
        b[20] = 7;
        QTest::newRow("unknown coverage") << b;
        // Damage that passes the checksum: a value below zero, and NaN where play needs a value.
        for (const double bad : {-1.0, std::nan("")}) {
            b = good;
            quint64 bits;
            std::memcpy(&bits, &bad, 8);
            putU64(b, 40, bits); // the state "nothing used, upper 0"
            putU64(b, 32, fnv1a(b, 40));
            QTest::newRow(std::isnan(bad) ? "NaN for the game start" : "negative value") << b;
        }
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

    // Recomputed with every upper total, which must agree with the table of the totals play meets.
    void damagedCacheIsRecomputedAndRewritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath("advies.cache");
        QVERIFY(write(path, bytesOf(m_table).left(1000)));
        ValueTable every;
        QCOMPARE(every.loadOrCompute(path.toStdString(), 2, ValueTable::Coverage::EveryTotal),
                 ValueTable::Origin::Computed);
        ValueTable reread;
        QVERIFY(reread.load(path.toStdString()));
        QCOMPARE(reread.coverage(), ValueTable::Coverage::EveryTotal);
        int uncovered = 0;
        for (unsigned used = 0; used < AllCategories; used += 37)
            for (int u = 0; u < UpperStates; ++u) {
                QVERIFY(every.covers(used, u));
                if (ValueTable::canOccur(used, u))
                    QCOMPARE(m_table.value(used, u), every.value(used, u));
                uncovered += !m_table.covers(used, u);
            }
        QVERIFY(uncovered > 0);
        // Fives and sixes used, upper 1: no play makes it, yet the bonus is out of reach, and such
        // states share the one value that needs no upper total.
        QVERIFY(!ValueTable::canOccur(0b110000, 1) && m_table.covers(0b110000, 1));
        QVERIFY(!m_table.save(dir.filePath("no/such/folder/advies.cache").toStdString()));
    }
};

QTEST_APPLESS_MAIN(TestValueTable)
#include "tst_valuetable.moc"
