#pragma once

#include <QString>
#include <QStringList>

namespace kwintor {

// Where the rules document was found, and every place it was looked for.
struct RulesDocument {
    static constexpr char Title[] = " Spelregels";

    QString path; // empty when it was found nowhere
    QStringList searched;

    bool found() const { return !path.isEmpty(); }
    // What the user is told when it was found nowhere: the places looked, one a line.
    QString missingText() const;
};

// An installed program has it in `<prefix>/share/help/nl/kwintor`, an older installation in
// `<prefix>/share/kwintor` (`<prefix>/share/games/kwintor` for one in `<prefix>/games`); a program
// run from its own folder has it beside itself. A program in a bin or games folder looks in all
// three, in that order.
RulesDocument findRulesDocument(const QString& programDirectory);

} // namespace kwintor
