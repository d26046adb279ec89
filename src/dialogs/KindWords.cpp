#include "dialogs/KindWords.h"

#include <QCoreApplication>

#include <array>

namespace kwintor {

namespace {

struct KindWords {
    PlayerKind kind;
    const char* choice; // in the computer players' dialog
    const char* level;  // beside a name; none for a person
};

constexpr std::array<KindWords, PlayerKindCount> Words{{
    {PlayerKind::Person, QT_TRANSLATE_NOOP("kwintor::ComputerForm", "Mens"), nullptr},
    {PlayerKind::Makkelijk, QT_TRANSLATE_NOOP("kwintor::ComputerForm", "Computer: makkelijk"),
     QT_TRANSLATE_NOOP("kwintor::UitslagForm", "computer, makkelijk")},
    {PlayerKind::Gemiddeld, QT_TRANSLATE_NOOP("kwintor::ComputerForm", "Computer: gemiddeld"),
     QT_TRANSLATE_NOOP("kwintor::UitslagForm", "computer, gemiddeld")},
    {PlayerKind::Sterk, QT_TRANSLATE_NOOP("kwintor::ComputerForm", "Computer: sterk"),
     QT_TRANSLATE_NOOP("kwintor::UitslagForm", "computer, sterk")},
    {PlayerKind::Meester, QT_TRANSLATE_NOOP("kwintor::ComputerForm", "Computer: meester"),
     QT_TRANSLATE_NOOP("kwintor::UitslagForm", "computer, meester")},
}};

const KindWords& wordsOf(PlayerKind kind) {
    for (const KindWords& words : Words)
        if (words.kind == kind)
            return words;
    return Words[0];
}

} // namespace

QString kindChoiceText(PlayerKind kind) {
    return QCoreApplication::translate("kwintor::ComputerForm", wordsOf(kind).choice);
}

QString levelText(PlayerKind kind) {
    const char* level = wordsOf(kind).level;
    return level ? QCoreApplication::translate("kwintor::UitslagForm", level) : QString();
}

} // namespace kwintor
