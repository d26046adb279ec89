#include "mainwindow/FormPrinter.h"
#include "support/ScriptedPlatform.h"

#include <QFile>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using kwintor::FormPrinter;
using kwintor::test::ScriptedPlatform;

namespace {

// A paint device at 1440 dots per inch that writes down what is drawn on it, so the page
// can be read back in twips.
class RecordingEngine : public QPaintEngine {
public:
    struct Text {
        QPointF baseline;
        QString text;
        QFont font;
        QColor colour;
    };
    QList<QRectF> images;
    QList<QSize> imageSources;
    QList<Text> texts;

    RecordingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF&) override {
        images.append(r);
        imageSources.append(pm.size());
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override {
        images.append(r);
        imageSources.append(sr.size().toSize() == image.size() ? image.size() : QSize());
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.append({p, item.text(), item.font(), painter()->pen().color()});
    }
};

class TwipsDevice : public QPaintDevice {
public:
    RecordingEngine engine;
    QPaintEngine* paintEngine() const override { return const_cast<RecordingEngine*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return 16838; // landscape A4 in twips
        case PdmHeight: return 11906;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 1440;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }
};

// A form picture with four coloured quarters, so a cropped or mirrored copy shows.
QImage quarteredForm() {
    QImage form(80, 100, QImage::Format_RGB32);
    QPainter p(&form);
    p.fillRect(0, 0, 40, 50, Qt::red);
    p.fillRect(40, 0, 40, 50, Qt::green);
    p.fillRect(0, 50, 40, 50, Qt::blue);
    p.fillRect(40, 50, 40, 50, Qt::yellow);
    return form;
}

int pdfPageCount(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

} // namespace

class TestFormPrinter : public QObject {
    Q_OBJECT
private slots:
    void bothFormsAreDrawnWholeIntoTheirRectangles();
    void rulesLineIsArialTenPointBlackBelowTheForms();
    void pagePixelsShowTheFormsWhereTheyBelong_data();
    void pagePixelsShowTheFormsWhereTheyBelong();
    void withoutAPrinterOneLandscapePageIsSavedAndOpened();
    void aDataDirectoryThatCannotBeWrittenIsToldAndOpensNothing();
};

void TestFormPrinter::bothFormsAreDrawnWholeIntoTheirRectangles() {
    TwipsDevice device;
    {
        QPainter painter(&device);
        FormPrinter::paint(painter, quarteredForm());
    }
    QCOMPARE(device.engine.images.size(), 2);
    QCOMPARE(device.engine.images.at(0), QRectF(450, 450, 7200, 9900));
    QCOMPARE(device.engine.images.at(1), QRectF(8400, 450, 7500, 9900));
    QCOMPARE(device.engine.imageSources.at(0), QSize(80, 100));
    QCOMPARE(device.engine.imageSources.at(1), QSize(80, 100));
}

void TestFormPrinter::rulesLineIsArialTenPointBlackBelowTheForms() {
    TwipsDevice device;
    {
        QPainter painter(&device);
        FormPrinter::paint(painter, quarteredForm());
    }
    QCOMPARE(device.engine.texts.size(), 1);
    const RecordingEngine::Text& line = device.engine.texts.first();
    QCOMPARE(line.text, QStringLiteral("Full House (2 dezelfde + 3 dezelfde) = 25, Kleine straat (4 opeenvolgend) = 30, "
                                       "Grote straat (5 opeenvolgend) = 40, Kwintor (5 dezelfde) = 50 punten."));
    QCOMPARE(line.font.family(), QStringLiteral("Arial"));
    QCOMPARE(line.font.pointSizeF(), 10.0);
    QCOMPARE(line.colour, QColor(0, 0, 0));
    QCOMPARE(line.baseline.x(), 450.0);
    // The line's top is at 10500 twips: its baseline lies one ascent (of a 200-twip font) lower.
    QVERIFY2(line.baseline.y() > 10500 && line.baseline.y() < 10500 + 200, qPrintable(QString::number(line.baseline.y())));
}

void TestFormPrinter::pagePixelsShowTheFormsWhereTheyBelong_data() {
    // Painted at 144 dots per inch: one pixel is ten twips.
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("first form, top left quarter") << QPoint(47, 47) << QColor(Qt::red);
    QTest::newRow("first form, top right quarter") << QPoint(45 + 717, 47) << QColor(Qt::green);
    QTest::newRow("first form, bottom left quarter") << QPoint(47, 45 + 987) << QColor(Qt::blue);
    QTest::newRow("first form, bottom right quarter") << QPoint(45 + 717, 45 + 987) << QColor(Qt::yellow);
    QTest::newRow("left of the first form") << QPoint(43, 500) << QColor(Qt::white);
    QTest::newRow("above the first form") << QPoint(300, 43) << QColor(Qt::white);
    QTest::newRow("between the forms") << QPoint(800, 500) << QColor(Qt::white);
    QTest::newRow("second form, top left quarter") << QPoint(842, 47) << QColor(Qt::red);
    QTest::newRow("second form, its wider right edge") << QPoint(840 + 747, 45 + 987) << QColor(Qt::yellow);
    QTest::newRow("right of the second form") << QPoint(840 + 752, 500) << QColor(Qt::white);
    QTest::newRow("below the forms") << QPoint(1200, 45 + 992) << QColor(Qt::white);
}

void TestFormPrinter::pagePixelsShowTheFormsWhereTheyBelong() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QImage page(1684, 1191, QImage::Format_RGB32);
    page.setDotsPerMeterX(5669); // 144 dots per inch
    page.setDotsPerMeterY(5669);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        FormPrinter::paint(painter, quarteredForm());
    }
    QCOMPARE(page.pixelColor(pixel), colour);
}

void TestFormPrinter::withoutAPrinterOneLandscapePageIsSavedAndOpened() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ScriptedPlatform platform(dir.path());
    QVERIFY(kwintor::printFormulieren(platform, nullptr, QPrinterInfo()));

    const QString path = dir.filePath(QStringLiteral("Kwintor formulieren.pdf"));
    QCOMPARE(platform.opened, QStringList{path});
    QVERIFY(platform.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdfPageCount(pdf), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    QVERIFY2(box.captured(1).toDouble() > box.captured(2).toDouble(), "the page is not in landscape");
}

void TestFormPrinter::aDataDirectoryThatCannotBeWrittenIsToldAndOpensNothing() {
    ScriptedPlatform platform(QStringLiteral("/nonexistent/kwintor"));
    QVERIFY(!kwintor::printFormulieren(platform, nullptr, QPrinterInfo()));
    QVERIFY(platform.opened.isEmpty());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral(" Print"));
    QCOMPARE(platform.messages.first().buttons, kwintor::Platform::Buttons::Ok);
}

QTEST_MAIN(TestFormPrinter)
#include "tst_formprinter.moc"
