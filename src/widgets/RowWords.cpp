#include "widgets/RowWords.h"

#include "engine/GameState.h"

#include <QCoreApplication>

namespace kwintor {

namespace {

struct RowText {
    const char* caption;
    const char* hint;
};

constexpr RowText RowTexts[CellCount] = {
    {QT_TRANSLATE_NOOP("RowWords", "Totaal enen"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal tweeen"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal drieen"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal vieren"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal vijven"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal zessen"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal  A"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Bonus"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Drie gelijke"), QT_TRANSLATE_NOOP("RowWords", " 3 Gelijke stenen ")},
    {QT_TRANSLATE_NOOP("RowWords", "Vier gelijke"), QT_TRANSLATE_NOOP("RowWords", " 4 Gelijke stenen ")},
    {QT_TRANSLATE_NOOP("RowWords", "Kleine straat"), QT_TRANSLATE_NOOP("RowWords", " 4 Opeenvolgende ")},
    {QT_TRANSLATE_NOOP("RowWords", "Grote straat"), QT_TRANSLATE_NOOP("RowWords", " 5 Opeenvolgende ")},
    {QT_TRANSLATE_NOOP("RowWords", "Full house"), QT_TRANSLATE_NOOP("RowWords", " 2 Gelijke en 3 Gelijke ")},
    {QT_TRANSLATE_NOOP("RowWords", "Kans"), QT_TRANSLATE_NOOP("RowWords", " Totaal alle stenen ")},
    {QT_TRANSLATE_NOOP("RowWords", "Kwintor"), QT_TRANSLATE_NOOP("RowWords", " 5 dezelfde ")},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal  B"), ""},
    {QT_TRANSLATE_NOOP("RowWords", "Totaal  A + B"), ""},
};

QString translated(const char* text) { return *text ? QCoreApplication::translate("RowWords", text) : QString(); }

} // namespace

QString rowCaption(int row) { return row >= 0 && row < CellCount ? translated(RowTexts[row].caption) : QString(); }

QString rowHint(int row) { return row >= 0 && row < CellCount ? translated(RowTexts[row].hint) : QString(); }

// Shorter than the sheet's captions where a language needs it: the review's table is narrow.
QString categoryName(int row) {
    switch (row) {
    case RowEnen: return QCoreApplication::translate("RowWords", "Enen", "category");
    case RowTweeen: return QCoreApplication::translate("RowWords", "Tweeën", "category");
    case RowDrieen: return QCoreApplication::translate("RowWords", "Drieën", "category");
    case RowVieren: return QCoreApplication::translate("RowWords", "Vieren", "category");
    case RowVijven: return QCoreApplication::translate("RowWords", "Vijven", "category");
    case RowZessen: return QCoreApplication::translate("RowWords", "Zessen", "category");
    case RowDrieGelijke: return QCoreApplication::translate("RowWords", "Drie gelijke", "category");
    case RowVierGelijke: return QCoreApplication::translate("RowWords", "Vier gelijke", "category");
    case RowKleineStraat: return QCoreApplication::translate("RowWords", "Kleine straat", "category");
    case RowGroteStraat: return QCoreApplication::translate("RowWords", "Grote straat", "category");
    case RowFullHouse: return QCoreApplication::translate("RowWords", "Full house", "category");
    case RowKans: return QCoreApplication::translate("RowWords", "Kans", "category");
    case RowKwintor: return QCoreApplication::translate("RowWords", "Kwintor", "category");
    default: return {};
    }
}

} // namespace kwintor
