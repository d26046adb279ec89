#include "mainwindow/FormPrinter.h"

#include "platform/Platform.h"
#include "resources/Plaatjes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace kwintor {

namespace {

constexpr double TwipsPerInch = 1440.0;
QString printTitle() { return QCoreApplication::translate("kwintor::FormPrinter", " Print"); }

// A PDF page has no unprintable border; give it one like a printer's, small enough that
// the forms (11.04 inches wide) still fit across landscape A4 (11.69 inches).
constexpr double PdfMarginMillimetres = 5.0;
constexpr int PdfResolution = 600;

QRectF toDevice(const QRect& twipsRect, double dpiX, double dpiY) {
    return QRectF(twipsRect.x() * dpiX / TwipsPerInch, twipsRect.y() * dpiY / TwipsPerInch,
                  twipsRect.width() * dpiX / TwipsPerInch, twipsRect.height() * dpiY / TwipsPerInch);
}

bool paintOn(QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    FormPrinter::paint(painter, Plaatjes::instance().Formulier());
    return painter.end();
}

} // namespace

QString formsPdfPath(const Desktop& desktop) {
    QString folder = desktop.documentsDirectory();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = desktop.dataDirectory();
    const QDir dir(folder);
    const QString name = QString::fromLatin1(FormulierenPdf);
    const QString stem = name.chopped(4); // without ".pdf"
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(n));
    return path;
}

QString FormPrinter::rulesLine() {
    return QCoreApplication::translate(
        "kwintor::FormPrinter", "Full House (2 dezelfde + 3 dezelfde) = 25, Kleine straat (4 opeenvolgend) = 30, "
                                "Grote straat (5 opeenvolgend) = 40, Kwintor (5 dezelfde) = 50 punten.");
}

void FormPrinter::paint(QPainter& painter, const QImage& formulier) {
    const double dpiX = painter.device()->logicalDpiX();
    const double dpiY = painter.device()->logicalDpiY();

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(toDevice(FirstForm, dpiX, dpiY), formulier, formulier.rect());
    painter.drawImage(toDevice(SecondForm, dpiX, dpiY), formulier, formulier.rect());

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(RulesLinePoints);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    // The position is the top of the line; the text stands on its baseline below it.
    const QFontMetricsF metrics(font, painter.device());
    const QPointF top(RulesLinePosition.x() * dpiX / TwipsPerInch, RulesLinePosition.y() * dpiY / TwipsPerInch);
    painter.drawText(top + QPointF(0, metrics.ascent()), rulesLine());
    painter.restore();
}

bool printFormulieren(Dialogs& dialogs, Desktop& desktop, QWidget* parent, const QPrinterInfo& printerInfo) {
    if (!printerInfo.isNull()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        // The two forms need a landscape page at least as large as A4 (15900 twips across).
        if (printer.pageLayout().fullRect(QPageLayout::Inch).width() < 11.69 - 0.01)
            printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setDocName(QCoreApplication::translate("kwintor::FormPrinter", "Kwintor formulieren"));
        if (paintOn(printer) && printer.printerState() != QPrinter::Error)
            return true;
        dialogs.messageBox(
            parent,
            QCoreApplication::translate("kwintor::FormPrinter", "Het afdrukken is mislukt. Controleer de printer."),
            Dialogs::Buttons::Ok, printTitle());
        return false;
    }

    // No printer: write the page to a new PDF file, which appears only when it is complete,
    // and let the desktop show it.
    const QString path = formsPdfPath(desktop);
    QSaveFile file(path);
    bool saved = false;
    if (file.open(QIODevice::WriteOnly)) {
        {
            QPdfWriter writer(&file);
            writer.setTitle(QCoreApplication::translate("kwintor::FormPrinter", "Kwintor formulieren"));
            writer.setCreator(QStringLiteral("Kwintor"));
            writer.setResolution(PdfResolution);
            writer.setPageLayout(QPageLayout(
                QPageSize(QPageSize::A4), QPageLayout::Landscape,
                QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres, PdfMarginMillimetres),
                QPageLayout::Millimeter));
            saved = paintOn(writer);
        }
        saved = saved && file.commit();
    }
    if (!saved) {
        dialogs.messageBox(parent,
                           QCoreApplication::translate("kwintor::FormPrinter",
                                                       "Er is geen printer gevonden en de formulieren konden niet "
                                                       "worden opgeslagen in %1.")
                               .arg(QDir::toNativeSeparators(path)),
                           Dialogs::Buttons::Ok, printTitle());
        return false;
    }
    // Without a viewer nothing would show: then say where the page went.
    if (!desktop.openWithShell(parent, path))
        dialogs.messageBox(parent,
                           QCoreApplication::translate("kwintor::FormPrinter", "De formulieren staan in\r\n%1")
                               .arg(QDir::toNativeSeparators(path)),
                           Dialogs::Buttons::Ok, printTitle());
    return true;
}

} // namespace kwintor
