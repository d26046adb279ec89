#include "resources/Plaatjes.h"

#include <QPixmap>
#include <QSet>
#include <QtTest>

#include <algorithm>

using kwintor::Plaatjes;

namespace {

// Counts the separate dark blobs (4-connected, at least `minSize` pixels) inside `area`.
int darkBlobs(const QImage& source, QRect area, int minSize) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const auto dark = [&](QPoint p) {
        const QRgb c = img.pixel(p);
        return qAlpha(c) == 255 && std::max({qRed(c), qGreen(c), qBlue(c)}) < 100;
    };
    QSet<QPoint> seen;
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            int size = 0;
            for (QList<QPoint> stack{{x, y}}; !stack.isEmpty();) {
                const QPoint p = stack.takeLast();
                if (!area.contains(p) || seen.contains(p) || !dark(p))
                    continue;
                seen.insert(p);
                ++size;
                stack << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
            }
            blobs += size >= minSize;
        }
    return blobs;
}

} // namespace

class TestPlaatjes : public QObject {
    Q_OBJECT
private slots:
    // Faces 1..6 of each colour set, the sample die and the window icon at every size show their
    // pips as separate dark spots; the three sets differ in colour.
    void picturesShowTheirPips_data() {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<int>("pips");
        for (int i = 1; i <= 18; ++i)
            QTest::addRow("Img(%d)", i) << Plaatjes::instance().Img(i) << (i - 1) % 6 + 1;
        QTest::newRow("sample die") << Plaatjes::instance().sampleDie() << 1;
        for (int s : {16, 48, 256})
            QTest::addRow("icon %d px", s) << Plaatjes::windowIcon().pixmap(QSize(s, s)).toImage() << 5;
    }
    void picturesShowTheirPips() {
        QFETCH(QImage, picture);
        QFETCH(int, pips);
        const bool face = picture.width() == 50; // inside the outline; an icon's pips are smaller
        const int margin = face ? 3 : std::max(2, picture.width() / 10);
        QCOMPARE(darkBlobs(picture, picture.rect().adjusted(margin, margin, -margin, -margin), face ? 4 : 2), pips);
        const Plaatjes& store = Plaatjes::instance();
        QVERIFY(store.Img(6).pixel(25, 18) != store.Img(12).pixel(25, 18) &&
                store.Img(12).pixel(25, 18) != store.Img(18).pixel(25, 18));
    }

    // The throw counter lights its first cells, left to right, one per throw made.
    void throwCounterLightsOneCellPerThrow() {
        const Plaatjes& store = Plaatjes::instance();
        const QColor lit = store.Worp(3).pixelColor(37, 10), unlit = store.Worp(0).pixelColor(37, 10);
        QVERIFY(lit != unlit);
        for (int count = 0; count <= 3; ++count)
            for (int cell = 0; cell < 3; ++cell)
                QCOMPARE(store.Worp(count).pixelColor(75 * (2 * cell + 1) / 6, 10), cell < count ? lit : unlit);
    }

    // Down the first game column.
    void formShowsFiveLightGreyBandsDownEachColumn() {
        const int x = 211;
        const QImage& form = Plaatjes::instance().Formulier();
        // "Spel", "Subtotaal", "Totaal A", "Totaal B" and "Totaal A + B": runs of light grey.
        QList<int> edges; // the top and the end of each run of at least 15 pixels
        for (int y = 0, start = -1; y <= form.height(); ++y) {
            const QColor c = y < form.height() ? form.pixelColor(x, y) : QColor(Qt::white);
            if (c.red() == c.green() && c.green() == c.blue() && c.red() >= 190 && c.red() <= 240) {
                start = start < 0 ? y : start;
                continue;
            }
            if (start >= 0 && y - start >= 15)
                edges << start << y;
            start = -1;
        }
        QCOMPARE(edges.size(), 10);
        QVERIFY(edges.first() < form.height() / 8);     // "Spel" under the heading
        QVERIFY(edges.last() > form.height() * 9 / 10); // "Totaal A + B" at the foot
    }
};

QTEST_MAIN(TestPlaatjes)
#include "tst_plaatjes.moc"
