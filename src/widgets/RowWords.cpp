#include "widgets/RowWords.h"

#include "engine/GameState.h"

#include <QCoreApplication>

namespace kwintor {

namespace {

struct RowText {
    const char* caption;
    const char* hint;
    const char* name;
};

constexpr RowText RowTexts[CellCount] = {
    {QT_TRANSLATE_NOOP("RowWords", "Totaal enen"), "", QT_TRANSLATE_NOOP("RowWords", "Enen")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal tweeen"), "", QT_TRANSLATE_NOOP("RowWords", "Tweeën")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal drieen"), "", QT_TRANSLATE_NOOP("RowWords", "Drieën")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal vieren"), "", QT_TRANSLATE_NOOP("RowWords", "Vieren")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal vijven"), "", QT_TRANSLATE_NOOP("RowWords", "Vijven")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal zessen"), "", QT_TRANSLATE_NOOP("RowWords", "Zessen")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal  A"), "", ""},
    {QT_TRANSLATE_NOOP("RowWords", "Bonus"), "", ""},
    {QT_TRANSLATE_NOOP("RowWords", "Drie gelijke"), QT_TRANSLATE_NOOP("RowWords", " 3 Gelijke stenen "),
     QT_TRANSLATE_NOOP("RowWords", "Drie gelijke")},
    {QT_TRANSLATE_NOOP("RowWords", "Vier gelijke"), QT_TRANSLATE_NOOP("RowWords", " 4 Gelijke stenen "),
     QT_TRANSLATE_NOOP("RowWords", "Vier gelijke")},
    {QT_TRANSLATE_NOOP("RowWords", "Kleine straat"), QT_TRANSLATE_NOOP("RowWords", " 4 Opeenvolgende "),
     QT_TRANSLATE_NOOP("RowWords", "Kleine straat")},
    {QT_TRANSLATE_NOOP("RowWords", "Grote straat"), QT_TRANSLATE_NOOP("RowWords", " 5 Opeenvolgende "),
     QT_TRANSLATE_NOOP("RowWords", "Grote straat")},
    {QT_TRANSLATE_NOOP("RowWords", "Full house"), QT_TRANSLATE_NOOP("RowWords", " 2 Gelijke en 3 Gelijke "),
     QT_TRANSLATE_NOOP("RowWords", "Full house")},
    {QT_TRANSLATE_NOOP("RowWords", "Kans"), QT_TRANSLATE_NOOP("RowWords", " Totaal alle stenen "),
     QT_TRANSLATE_NOOP("RowWords", "Kans")},
    {QT_TRANSLATE_NOOP("RowWords", "Kwintor"), QT_TRANSLATE_NOOP("RowWords", " 5 dezelfde "),
     QT_TRANSLATE_NOOP("RowWords", "Kwintor")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal  B"), "", ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal  A + B"), "", ""},
};

QString translated(const char* text) { return *text ? QCoreApplication::translate("RowWords", text) : QString(); }

} // namespace

QString rowCaption(int row) { return row >= 0 && row < CellCount ? translated(RowTexts[row].caption) : QString(); }

QString rowHint(int row) { return row >= 0 && row < CellCount ? translated(RowTexts[row].hint) : QString(); }

QString categoryName(int row) { return row >= 0 && row < CellCount ? translated(RowTexts[row].name) : QString(); }

} // namespace kwintor
