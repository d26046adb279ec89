#include "resources/Plaatjes.h"

#include <QPixmap>
#include <QtTest>

#include <algorithm>
#include <vector>

using kwintor::Plaatjes;

namespace {

bool darkPixel(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) < 100 && qAlpha(c) == 255;
}

// Counts the separate dark blobs of at least `minSize` pixels inside `area` (4-connected).
int darkBlobs(const QImage& source, QRect area, int minSize = 4)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<char> seen(size_t(img.width() * img.height()), 0);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[size_t(y * img.width() + x)] || !darkPixel(img.pixel(x, y)))
                continue;
            int size = 0;
            std::vector<QPoint> stack{{x, y}};
            seen[size_t(y * img.width() + x)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || seen[size_t(q.y() * img.width() + q.x())] || !darkPixel(img.pixel(q)))
                        continue;
                    seen[size_t(q.y() * img.width() + q.x())] = 1;
                    stack.push_back(q);
                }
            }
            if (size >= minSize)
                ++blobs;
        }
    return blobs;
}

int grey(QRgb c) { return qGray(c); }

} // namespace

class TestPlaatjes : public QObject {
    Q_OBJECT
private slots:
    void everyPictureHasItsSizeAndFormat_data();
    void everyPictureHasItsSizeAndFormat();
    void faceCornersOutsideTheOutlineCarryTheSetsMidShade_data();
    void faceCornersOutsideTheOutlineCarryTheSetsMidShade();
    void faceShowsItsNumberOfPipsAsDarkBlobs_data();
    void faceShowsItsNumberOfPipsAsDarkBlobs();
    void faceIsLighterInTheMiddleThanAtTheEdge_data();
    void faceIsLighterInTheMiddleThanAtTheEdge();
    void indexOutOfRangeGivesANullPicture_data();
    void indexOutOfRangeGivesANullPicture();
    void throwCounterLightsTheFirstCellsInItsThreeColours_data();
    void throwCounterLightsTheFirstCellsInItsThreeColours();
    void formShowsFiveLightGreyBandsDownEachColumn_data();
    void formShowsFiveLightGreyBandsDownEachColumn();
    void windowIconShowsFivePipsAtEverySize_data();
    void windowIconShowsFivePipsAtEverySize();
    void handCursorHasItsHotSpotOnTheFingertip();
    void titlePictureKeepsTheTextAreaLightAndLettersInGreen();
};

void TestPlaatjes::everyPictureHasItsSizeAndFormat_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QSize>("size");
    const Plaatjes& store = Plaatjes::instance();
    for (int i = 1; i <= 18; ++i)
        QTest::addRow("Img(%d)", i) << store.Img(i) << QSize(50, 50);
    for (int n = 0; n <= 3; ++n)
        QTest::addRow("Worp(%d)", n) << store.Worp(n) << QSize(75, 20);
    QTest::newRow("Formulier") << store.Formulier() << QSize(551, 696);
    QTest::newRow("sample die") << store.sampleDie() << QSize(50, 50);
    QTest::newRow("title picture") << Plaatjes::titlePicture() << QSize(500, 320);
}

void TestPlaatjes::everyPictureHasItsSizeAndFormat()
{
    QFETCH(QImage, picture);
    QFETCH(QSize, size);
    QCOMPARE(picture.size(), size);
    QCOMPARE(picture.format(), QImage::Format_RGB888);
    QCOMPARE(picture.depth(), 24);
}

void TestPlaatjes::faceCornersOutsideTheOutlineCarryTheSetsMidShade_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("shade");
    for (int i = 1; i <= 18; ++i) {
        const QColor shade = i <= 6 ? QColor(128, 128, 128) : i <= 12 ? QColor(169, 79, 79) : QColor(79, 169, 79);
        QTest::addRow("Img(%d)", i) << i << shade;
    }
}

void TestPlaatjes::faceCornersOutsideTheOutlineCarryTheSetsMidShade()
{
    QFETCH(int, index);
    QFETCH(QColor, shade);
    const QImage& face = Plaatjes::instance().Img(index);
    const QPoint corners[] = {{0, 0}, {1, 0}, {0, 1}, {48, 0}, {49, 0}, {49, 1},
                              {0, 48}, {0, 49}, {1, 49}, {49, 48}, {49, 49}, {48, 49}};
    for (QPoint p : corners)
        QCOMPARE(face.pixelColor(p), shade);
    // The black outline runs just inside them.
    for (QPoint p : {QPoint(1, 1), QPoint(25, 0), QPoint(0, 25), QPoint(49, 25), QPoint(25, 49)})
        QCOMPARE(face.pixelColor(p), QColor(0, 0, 0));
}

void TestPlaatjes::faceShowsItsNumberOfPipsAsDarkBlobs_data()
{
    QTest::addColumn<QImage>("face");
    QTest::addColumn<int>("pips");
    const Plaatjes& store = Plaatjes::instance();
    for (int i = 1; i <= 18; ++i)
        QTest::addRow("Img(%d)", i) << store.Img(i) << (i - 1) % 6 + 1;
    QTest::newRow("sample die") << store.sampleDie() << 1;
}

void TestPlaatjes::faceShowsItsNumberOfPipsAsDarkBlobs()
{
    QFETCH(QImage, face);
    QFETCH(int, pips);
    QCOMPARE(darkBlobs(face, face.rect().adjusted(3, 3, -3, -3)), pips);
}

void TestPlaatjes::faceIsLighterInTheMiddleThanAtTheEdge_data()
{
    QTest::addColumn<int>("index");
    for (int i = 1; i <= 18; ++i)
        QTest::addRow("Img(%d)", i) << i;
}

void TestPlaatjes::faceIsLighterInTheMiddleThanAtTheEdge()
{
    QFETCH(int, index);
    const QImage& face = Plaatjes::instance().Img(index);
    // (25, 18) lies between the pips of every layout; (25, 3) and (3, 25) near the outline.
    const int middle = grey(face.pixel(25, 18));
    QVERIFY2(middle > grey(face.pixel(25, 3)) + 20, "no shading towards the top edge");
    QVERIFY2(middle > grey(face.pixel(3, 25)) + 20, "no shading towards the left edge");
}

void TestPlaatjes::indexOutOfRangeGivesANullPicture_data()
{
    QTest::addColumn<bool>("face");
    QTest::addColumn<int>("index");
    QTest::newRow("Img(0)") << true << 0;
    QTest::newRow("Img(19)") << true << 19;
    QTest::newRow("Img(-6)") << true << -6;
    QTest::newRow("Worp(-1)") << false << -1;
    QTest::newRow("Worp(4)") << false << 4;
}

void TestPlaatjes::indexOutOfRangeGivesANullPicture()
{
    QFETCH(bool, face);
    QFETCH(int, index);
    const Plaatjes& store = Plaatjes::instance();
    QVERIFY((face ? store.Img(index) : store.Worp(index)).isNull());
}

void TestPlaatjes::throwCounterLightsTheFirstCellsInItsThreeColours_data()
{
    QTest::addColumn<int>("count");
    for (int n = 0; n <= 3; ++n)
        QTest::addRow("Worp(%d)", n) << n;
}

void TestPlaatjes::throwCounterLightsTheFirstCellsInItsThreeColours()
{
    QFETCH(int, count);
    const QImage& worp = Plaatjes::instance().Worp(count);
    const QColor frame(52, 52, 52), unlit(222, 222, 222), lit(255, 80, 167);
    for (int y = 0; y < worp.height(); ++y)
        for (int x = 0; x < worp.width(); ++x) {
            const QColor c = worp.pixelColor(x, y);
            QVERIFY2(c == frame || c == unlit || c == lit, qPrintable(QStringLiteral("stray colour at %1,%2").arg(x).arg(y)));
        }
    for (QPoint p : {QPoint(0, 0), QPoint(74, 19), QPoint(37, 0), QPoint(0, 10)})
        QCOMPARE(worp.pixelColor(p), frame);
    // The cells follow each other from left to right; the first `count` are lit.
    int litCells = 0;
    for (int cell = 0; cell < 3; ++cell) {
        const QColor c = worp.pixelColor(worp.width() * (2 * cell + 1) / 6, worp.height() / 2);
        QCOMPARE(c, cell < count ? lit : unlit);
        litCells += c == lit;
    }
    QCOMPARE(litCells, count);
}

void TestPlaatjes::formShowsFiveLightGreyBandsDownEachColumn_data()
{
    QTest::addColumn<int>("x");
    QTest::newRow("right end of the label column") << 160;
    QTest::newRow("first game column") << 211;
    QTest::newRow("last game column") << 534;
}

void TestPlaatjes::formShowsFiveLightGreyBandsDownEachColumn()
{
    QFETCH(int, x);
    const QImage& form = Plaatjes::instance().Formulier();
    // "Spel", "Subtotaal", "Totaal A", "Totaal B" and "Totaal A + B": runs of light grey.
    std::vector<std::pair<int, int>> bands;
    int start = -1;
    for (int y = 0; y <= form.height(); ++y) {
        const QColor c = y < form.height() ? form.pixelColor(x, y) : QColor(Qt::white);
        const bool shaded = c.red() == c.green() && c.green() == c.blue() && c.red() >= 190 && c.red() <= 240;
        if (shaded && start < 0)
            start = y;
        if (!shaded && start >= 0) {
            if (y - start >= 15)
                bands.emplace_back(start, y);
            start = -1;
        }
    }
    QCOMPARE(int(bands.size()), 5);
    QVERIFY(bands.front().first < form.height() / 8);       // "Spel" under the heading
    QVERIFY(bands.back().second > form.height() * 9 / 10);  // "Totaal A + B" at the foot
    // The page around the table is white.
    QCOMPARE(form.pixelColor(x, 2), QColor(Qt::white));
    QCOMPARE(form.pixelColor(x, form.height() - 3), QColor(Qt::white));
}

void TestPlaatjes::windowIconShowsFivePipsAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int s : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", s) << s;
}

void TestPlaatjes::windowIconShowsFivePipsAtEverySize()
{
    QFETCH(int, size);
    const QIcon icon = Plaatjes::windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    const QImage img = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(img.size(), QSize(size, size));
    const int margin = std::max(2, size / 10);
    QCOMPARE(darkBlobs(img, img.rect().adjusted(margin, margin, -margin, -margin), 2), 5);
}

void TestPlaatjes::handCursorHasItsHotSpotOnTheFingertip()
{
    const QCursor cursor = Plaatjes::handCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(7, 7));
    const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(32, 32));
    QCOMPARE(img.pixel(7, 7), qRgba(255, 255, 255, 255));  // white fill at the tip
    QCOMPARE(img.pixel(7, 6), qRgba(0, 0, 0, 255));        // black outline just above it
    QCOMPARE(qAlpha(img.pixel(7, 4)), 0);                   // nothing beyond the tip
}

void TestPlaatjes::titlePictureKeepsTheTextAreaLightAndLettersInGreen()
{
    const QImage title = Plaatjes::titlePicture();
    // The title window writes dark grey text over x 20..280, y 20..300.
    int darkest = 255;
    for (int y = 20; y <= 300; ++y)
        for (int x = 20; x <= 280; ++x)
            darkest = std::min(darkest, grey(title.pixel(x, y)));
    QVERIFY2(darkest >= 170, qPrintable(QStringLiteral("darkest pixel %1").arg(darkest)));
    int green = 0;
    for (int y = 250; y < 315; ++y)
        for (int x = 300; x < 495; ++x) {
            const QColor c = title.pixelColor(x, y);
            green += c.green() > c.red() + 40 && c.green() > c.blue() + 30;
        }
    QVERIFY2(green > 100, "no green lettering at the lower right");
}

QTEST_MAIN(TestPlaatjes)
#include "tst_plaatjes.moc"
