#pragma once

#include <QString>
#include <QStringList>

namespace kwintor {

// Where the rules document was found, and every place it was looked for.
struct RulesDocument {
    // The title of the window that opens it, and of the message when it is missing.
    static QString title();

    QString path; // empty when it was found nowhere
    QStringList searched;

    bool found() const { return !path.isEmpty(); }
    // What the user is told when it was found nowhere: the places looked, one a line.
    QString missingText() const;
};

// The Dutch rules are `spelregels.pdf`, those of every other language the English `rules.pdf`.
// An installed program has them in `<prefix>/share/help/<nl or en>/kwintor`, an older installation
// in `<prefix>/share/kwintor` (`<prefix>/share/games/kwintor` for one in `<prefix>/games`); a
// program run from its own folder has them beside itself. A program in a bin or games folder
// looks in all three, in that order.
RulesDocument findRulesDocument(const QString& programDirectory, const QString& language = QStringLiteral("nl"));

} // namespace kwintor
