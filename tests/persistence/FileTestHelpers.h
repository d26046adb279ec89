#pragma once

#include "../support/ReadOnlyFolder.h"
#include "persistence/ScoreList.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

// The two header lines both data files begin with.
inline const QByteArray Headers = "\"Dobbelwerken Software 2009\"\r\n\"--------------------------\"\r\n";

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything in the directory, so that a temporary file left behind shows.
inline QStringList entriesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

inline QStringList entriesOf(const kwintor::ScoreList& list) {
    QStringList out;
    for (const std::string& entry : list.entries())
        out << QString::fromStdString(entry);
    return out;
}

inline QStringList entriesInFile(const QString& path) {
    kwintor::ScoreList list;
    kwintor::LaadScorelijst(path.toStdString(), list);
    return entriesOf(list);
}

// A score list file as the program writes it.
inline QByteArray fileOf(const QStringList& entries) {
    QByteArray bytes = Headers;
    for (const QString& entry : entries)
        bytes += "\"" + entry.toUtf8() + "\"\r\n";
    return bytes;
}

// Runs `write` while the folder is read-only ("read-only") or while no file may grow past
// `fullAt` bytes, as on a full disk ("full"); any other fault name runs it as it is.
template <class Write>
auto underFault(const QString& fault, const QTemporaryDir& dir, int fullAt, Write write) {
    std::optional<ReadOnlyFolder> readOnly;
    if (fault == "read-only")
        readOnly.emplace(dir.path(), dir.path());
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{fault == "full" ? rlim_t(fullAt) : saved.rlim_cur, saved.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto result = write();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}
