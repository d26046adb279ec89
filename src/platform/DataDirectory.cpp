#include "platform/DataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace kwintor {

namespace {

// Writable only if a file can really be made there: a read-only mount answers no even when
// the permission bits say yes.
bool canCreateFileIn(const QString& directory) {
    QTemporaryFile probe(directory + QStringLiteral("/.kwintor-XXXXXX"));
    return probe.open();
}

} // namespace

QStringList dataFileNames() { return {QStringLiteral("Kwintor.ini"), QStringLiteral("Scorelijst.lst")}; }

QString installedShareDirectory(const QString& programDirectory) {
    const QString dir = QDir::cleanPath(programDirectory);
    const QString bin = QStringLiteral("/bin");
    const QString games = QStringLiteral("/games");
    if (dir.endsWith(bin))
        return dir.chopped(bin.size()) + QStringLiteral("/share/kwintor");
    if (dir.endsWith(games)) // the Debian games layout
        return dir.chopped(games.size()) + QStringLiteral("/share/games/kwintor");
    return {};
}

QString chooseDataDirectory(const QString& programDirectory, bool shareDirectoryExists, bool programDirectoryWritable,
                            const QString& userDataDirectory) {
    const bool installed = shareDirectoryExists && !installedShareDirectory(programDirectory).isEmpty();
    if (installed || !programDirectoryWritable)
        return userDataDirectory;
    return programDirectory;
}

QString prepareDataDirectory(const QString& programDirectory, const QString& userDataDirectory,
                             const CopyFunction& copy) {
    const QString share = installedShareDirectory(programDirectory);
    const bool installed = !share.isEmpty() && QFileInfo(share).isDir();
    // An installed program's folder is not even probed: the probe itself would write into bin.
    const bool writable = !installed && canCreateFileIn(programDirectory);
    const QString chosen = chooseDataDirectory(programDirectory, installed, writable, userDataDirectory);
    if (chosen == programDirectory)
        return chosen;
    QDir().mkpath(chosen);
    if (installed)
        moveFilesKeepingExisting(programDirectory, chosen, dataFileNames(), copy);
    return chosen;
}

} // namespace kwintor
