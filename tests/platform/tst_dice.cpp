#include "platform/QtPlatform.h"

#include <QTest>
#include <QTime>

#include <functional>
#include <random>

using namespace kwintor;

namespace {

constexpr int Throws = 60000;

// Upper 0.001 points of the chi-square distribution (NIST/SEMATECH e-Handbook of
// Statistical Methods, table 1.3.6.7.4; the same figures follow from the regularized
// upper incomplete gamma function Q(df/2, x/2) = 0.001).
constexpr double Critical5 = 20.515;  // 6 faces: 5 degrees of freedom
constexpr double Critical35 = 66.619; // 36 pairs of faces: 35 degrees of freedom

using FaceSource = std::function<int()>;

// Chi-square of the face counts of `faces` against six equal shares.
double uniformity(const QList<int>& faces) {
    double counts[7] = {};
    for (int face : faces)
        ++counts[face];
    const double expected = faces.size() / 6.0;
    double chi = 0;
    for (int f = 1; f <= 6; ++f)
        chi += (counts[f] - expected) * (counts[f] - expected) / expected;
    return chi;
}

// Serial test: chi-square of the 6 x 6 table of non-overlapping pairs (face 2k, face 2k+1)
// against 36 equal shares. Non-overlapping pairs are independent draws of a pair when the
// faces are, so the statistic has 35 degrees of freedom (Knuth, TAOCP vol. 2, 3.3.2 B).
double independence(const QList<int>& faces) {
    double table[7][7] = {};
    const int pairs = int(faces.size()) / 2;
    for (int k = 0; k < pairs; ++k)
        ++table[faces[2 * k]][faces[2 * k + 1]];
    const double expected = pairs / 36.0;
    double chi = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            chi += (table[a][b] - expected) * (table[a][b] - expected) / expected;
    return chi;
}

QList<int> draw(const FaceSource& source) {
    QList<int> faces;
    faces.reserve(Throws);
    for (int k = 0; k < Throws; ++k)
        faces.append(source());
    return faces;
}

// A fair source exceeds a 0.001 point once in a thousand samples; a second, fresh sample
// decides, so a fair generator fails one run in a million while a faulty one fails both.
bool passes(const FaceSource& source, double (*statistic)(const QList<int>&), double critical, double* first) {
    *first = statistic(draw(source));
    if (*first <= critical)
        return true;
    const double second = statistic(draw(source));
    qWarning("first sample %.3f over %.3f; second sample %.3f", *first, critical, second);
    return second <= critical;
}

// The way of older programs: re-seed from the clock's whole seconds before every draw.
int clockSeededFace() {
    std::minstd_rand0 generator(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    const double r = std::generate_canonical<double, 32>(generator);
    return static_cast<int>(r * 6 + 1);
}

} // namespace

class TestDice : public QObject {
    Q_OBJECT

private slots:
    void everyFaceIsOneToSix();
    void facesComeUpEquallyOften();
    void successiveFacesAreIndependent();
    void twoPlatformsMadeAtOnceThrowDifferentDice();
    void aGeneratorReseededFromTheClockFailsTheIndependenceTest();
};

void TestDice::everyFaceIsOneToSix() {
    QtPlatform platform;
    QList<int> seen(7);
    for (int k = 0; k < Throws; ++k) {
        const int face = platform.randomFace();
        if (face < 1 || face > 6)
            QFAIL(qPrintable(QStringLiteral("throw %1 gave %2").arg(k).arg(face)));
        ++seen[face];
    }
    for (int f = 1; f <= 6; ++f)
        QVERIFY(seen[f] > 0);
}

void TestDice::facesComeUpEquallyOften() {
    QtPlatform platform;
    double chi = 0;
    QVERIFY2(passes([&] { return platform.randomFace(); }, uniformity, Critical5, &chi), qPrintable(QString::number(chi)));
}

void TestDice::successiveFacesAreIndependent() {
    QtPlatform platform;
    double chi = 0;
    QVERIFY2(passes([&] { return platform.randomFace(); }, independence, Critical35, &chi),
             qPrintable(QString::number(chi)));
}

void TestDice::twoPlatformsMadeAtOnceThrowDifferentDice() {
    QtPlatform first;
    QtPlatform second;
    QList<int> a, b;
    for (int k = 0; k < 64; ++k) {
        a.append(first.randomFace());
        b.append(second.randomFace());
    }
    QVERIFY(a != b); // equal by chance once in 6^64
}

void TestDice::aGeneratorReseededFromTheClockFailsTheIndependenceTest() {
    // Shows that the independence test can fail: within one clock tick every draw repeats.
    const double chi = independence(draw(clockSeededFace));
    QVERIFY2(chi > Critical35, qPrintable(QString::number(chi)));
}

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
