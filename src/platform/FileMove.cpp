#include "platform/FileMove.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace kwintor {

namespace {

bool sameContents(const QString& a, const QString& b) {
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) || first.size() != second.size())
        return false;
    return first.readAll() == second.readAll(); // both files are small text files
}

} // namespace

bool copyWholeFile(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError || out.write(bytes) != bytes.size() || !out.flush())
        return false;
#if defined(Q_OS_UNIX)
    // The original is removed right after: the copy must be on the disk by then.
    if (::fsync(out.handle()) != 0)
        return false;
#endif
    out.close();
    return out.error() == QFileDevice::NoError;
}

QStringList moveFilesKeepingExisting(const QString& fromDirectory, const QString& toDirectory, const QStringList& names,
                                     const CopyFunction& copy) {
    const QDir from(fromDirectory);
    const QDir to(toDirectory);
    QStringList left;
    for (const QString& name : names) {
        const QString original = from.filePath(name);
        if (!QFileInfo(original).isFile())
            continue;
        const QString target = to.filePath(name);
        if (QFileInfo::exists(target)) {
            if (!sameContents(original, target) || !QFile::remove(original))
                left << name;
            continue;
        }
        // A fixed temporary name, so that what a crash left behind is cleared on the next start.
        const QString part = to.filePath(QStringLiteral(".") + name + QStringLiteral(".moving"));
        QFile::remove(part);
        // rename() never replaces an existing file, so a target that appeared meanwhile is kept too.
        if (!copy(original, part) || !QFile::rename(part, target)) {
            QFile::remove(part);
            left << name;
            continue;
        }
        if (!QFile::remove(original))
            left << name; // the copy is whole; the next start removes the original
    }
    return left;
}

} // namespace kwintor
