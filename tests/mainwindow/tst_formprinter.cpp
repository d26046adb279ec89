#include "mainwindow/FormPrinter.h"
#include "support/ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using kwintor::FormPrinter;
using kwintor::test::ScriptedPlatform;

namespace {

// A white landscape A4 page at 144 dots per inch, so one pixel is ten twips.
QImage blankPage() {
    QImage page(1684, 1191, QImage::Format_RGB32);
    page.setDotsPerMeterX(5669);
    page.setDotsPerMeterY(5669);
    page.fill(Qt::white);
    return page;
}

// The page printed with a form of four coloured quarters, so a cropped or mirrored copy shows.
QImage printedPage() {
    QImage form(80, 100, QImage::Format_RGB32), page = blankPage();
    QPainter quarters(&form);
    quarters.fillRect(0, 0, 40, 50, Qt::red);
    quarters.fillRect(40, 0, 40, 50, Qt::green);
    quarters.fillRect(0, 50, 40, 50, Qt::blue);
    quarters.fillRect(40, 50, 40, 50, Qt::yellow);
    quarters.end();
    QPainter painter(&page);
    FormPrinter::paint(painter, form);
    return page;
}

} // namespace

class TestFormPrinter : public QObject {
    Q_OBJECT
private slots:
    void pagePixelsShowTheFormsWhereTheyBelong_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        // The first form covers 450..7650 x 450..10350 twips, the second 8400..15900 across.
        QTest::newRow("first form, top left quarter") << QPoint(47, 47) << QColor(Qt::red);
        QTest::newRow("between the forms") << QPoint(800, 500) << QColor(Qt::white);
        QTest::newRow("second form, top left quarter") << QPoint(842, 47) << QColor(Qt::red);
        QTest::newRow("second form, its wider right edge") << QPoint(840 + 747, 45 + 987) << QColor(Qt::yellow);
    }
    void pagePixelsShowTheFormsWhereTheyBelong() {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        static const QImage page = printedPage();
        QCOMPARE(page.pixelColor(pixel), colour);
    }

    void theRulesLineIsPrintedBelowTheForms() {
        QVERIFY(FormPrinter::rulesLine().startsWith("Full House (2 dezelfde + 3 dezelfde) = 25, Kleine straat"));
        const QRect band(0, 1036, 1684, 155); // from just below the forms to the foot of the page
        QVERIFY(printedPage().copy(band) != blankPage().copy(band));
    }

    // Without a printer one landscape page is saved and opened; without a viewer the user is told
    // where it is.
    void formsGoToTheDocumentsFolderAndNeverReplaceAnEarlierFile_data() {
        QTest::addColumn<bool>("documents"); // does the desktop have a documents folder?
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("documents folder") << true << QStringList{} << true << "documents/Kwintor formulieren.pdf";
        QTest::newRow("no documents folder, no viewer: the data folder")
            << false << QStringList{} << false << "data/Kwintor formulieren.pdf";
        QTest::newRow("two earlier files, no viewer")
            << true << QStringList{"Kwintor formulieren.pdf", "Kwintor formulieren (2).pdf"} << false
            << "documents/Kwintor formulieren (3).pdf";
    }
    void formsGoToTheDocumentsFolderAndNeverReplaceAnEarlierFile() {
        QFETCH(bool, documents);
        QFETCH(QStringList, earlier);
        QFETCH(bool, viewer);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("data"));
        ScriptedPlatform platform(dir.filePath("data"));
        platform.documents = dir.filePath("documents"); // exists only when the desktop has it
        if (documents)
            QVERIFY(QDir(dir.path()).mkpath("documents"));
        for (const QString& name : earlier) {
            QFile file(dir.filePath("documents/" + name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("earlier") == 7);
        }
        platform.shellOpens = viewer;
        QVERIFY(kwintor::printFormulieren(platform, nullptr, QPrinterInfo()));
        const QString path = dir.filePath(expected);
        QCOMPARE(platform.opened, QStringList{path});
        QStringList told;
        for (const auto& message : platform.messages)
            told << message.title + '|' + message.text;
        QCOMPARE(told, viewer ? QStringList{}
                              : QStringList{" Print|De formulieren staan in\r\n" + QDir::toNativeSeparators(path)});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(saved.readAll());
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count(QRegularExpression("/Type /Page\\b(?!s)")), 1);
        const auto box = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(pdf);
        QVERIFY2(box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble(), "not in landscape");
        for (const QString& name : earlier) {
            QFile file(dir.filePath("documents/" + name));
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "earlier");
        }
    }

    void aDataDirectoryThatCannotBeWrittenIsToldAndOpensNothing() {
        ScriptedPlatform platform(QStringLiteral("/nonexistent/kwintor"));
        QVERIFY(!kwintor::printFormulieren(platform, nullptr, QPrinterInfo()));
        QVERIFY(platform.opened.isEmpty());
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().title, " Print");
        QVERIFY(platform.messages.first().text.contains(
            QDir::toNativeSeparators("/nonexistent/kwintor/Kwintor formulieren.pdf")));
    }
};

QTEST_MAIN(TestFormPrinter)
#include "tst_formprinter.moc"
