#pragma once

#include <QPrinterInfo>
#include <QRect>
#include <QString>

class QImage;
class QPainter;
class QWidget;

namespace kwintor {

class Desktop;
class Dialogs;

// The page of blank score forms: two copies of the Formulier picture side by side and the
// rules line below them. Drawing is kept apart from the printer so a test can paint the
// page anywhere and look at it.
class FormPrinter {
public:
    // Positions in twips from the top left corner of the printable area.
    static constexpr QRect FirstForm{450, 450, 7200, 9900};
    static constexpr QRect SecondForm{8400, 450, 7500, 9900}; // a little wider than the first
    static constexpr QPoint RulesLinePosition{450, 10500};
    static constexpr double RulesLinePoints = 10.0;
    static QString rulesLine();

    // Draws the page on `painter`; twips are turned into the device's dots by its own
    // dots per inch, so a printer, a PDF writer and an image all get the same page.
    static void paint(QPainter& painter, const QImage& formulier);
};

// Prints the page on `printer` (the default printer unless given), in landscape, without
// a dialog. With no printer installed the page goes to a PDF file (formsPdfPath), which is
// then opened with the desktop's viewer. A failure is told in a
// message box and the program goes on. Answers whether a page was printed or saved.
bool printFormulieren(Dialogs& dialogs, Desktop& desktop, QWidget* parent,
                      const QPrinterInfo& printer = QPrinterInfo::defaultPrinter());

// The file name the page is saved under when there is no printer.
inline constexpr char FormulierenPdf[] = "Kwintor formulieren.pdf";

// Where that file goes: the user's documents folder, or the data folder where there is none.
// An earlier file is never replaced: the new one is numbered, "Kwintor formulieren (2).pdf".
QString formsPdfPath(const Desktop& desktop);

} // namespace kwintor
