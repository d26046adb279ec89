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

namespace {

// Finds `<prefix>` of a program in `<prefix>/bin` or `<prefix>/games`; `games` tells which.
bool installationPrefix(const QString& programDirectory, QString& prefix, bool& games) {
    const QString dir = QDir::cleanPath(programDirectory);
    for (const QString& folder : {QStringLiteral("/bin"), QStringLiteral("/games")}) {
        if (dir.endsWith(folder)) {
            prefix = dir.chopped(folder.size());
            games = folder == QStringLiteral("/games");
            return true;
        }
    }
    return false;
}

} // namespace

QString installedShareDirectory(const QString& programDirectory) {
    QString prefix;
    bool games = false;
    if (!installationPrefix(programDirectory, prefix, games))
        return {};
    return prefix + (games ? QStringLiteral("/share/games/kwintor") : QStringLiteral("/share/kwintor"));
}

QString installedHelpDirectory(const QString& programDirectory, const QString& language) {
    QString prefix;
    bool games = false;
    if (!installationPrefix(programDirectory, prefix, games))
        return {};
    return prefix + QStringLiteral("/share/help/%1/kwintor").arg(language);
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
    const bool installed =
        !share.isEmpty() && (QFileInfo(share).isDir() || QFileInfo(installedHelpDirectory(programDirectory)).isDir());
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
