#pragma once

#include "platform/FileMove.h"

#include <QString>
#include <QStringList>

namespace kwintor {

// The settings file and the score list file, the two files Kwintor keeps.
QStringList dataFileNames();

// `<prefix>/share/kwintor` for a program in `<prefix>/bin`, `<prefix>/share/games/kwintor` for
// one in `<prefix>/games`, else empty. Its presence marks an installed program; it holds the
// rules document.
QString installedShareDirectory(const QString& programDirectory);
// `<prefix>/share/help/nl/kwintor` for a program in `<prefix>/bin` or `<prefix>/games`, else
// empty: where an installation keeps the rules document, the desktop's place for help (the
// Dutch one; `language` names another's folder). Its presence, too, marks an installed program.
QString installedHelpDirectory(const QString& programDirectory, const QString& language = QStringLiteral("nl"));

// Where the two files live. A program run from its own folder (a build tree, an unpacked
// archive) keeps them beside itself while that folder is writable, else in the per-user data
// folder. An installed program, one in `<prefix>/bin` with `<prefix>/share/kwintor` present,
// never writes into bin: its files always go to the per-user data folder.
QString chooseDataDirectory(const QString& programDirectory, bool shareDirectoryExists, bool programDirectoryWritable,
                            const QString& userDataDirectory);

// Looks at the disk for chooseDataDirectory, creates the folder chosen, and moves the files an
// older installation left beside an installed program into it.
QString prepareDataDirectory(const QString& programDirectory, const QString& userDataDirectory,
                             const CopyFunction& copy = copyWholeFile);

} // namespace kwintor
