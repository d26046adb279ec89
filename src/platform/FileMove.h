#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kwintor {

// Copies one file to a path where nothing exists yet; false when the copy is not whole.
// Whatever it leaves at `to` after a failure is removed by the caller.
using CopyFunction = std::function<bool(const QString& from, const QString& to)>;

// The copy used outside tests: every byte read, written and flushed to the disk.
bool copyWholeFile(const QString& from, const QString& to);

// Moves the named files from `fromDirectory` into `toDirectory`, one file at a time. A file is
// copied under a temporary name, given its own name only when the copy is whole, and only then
// is the original removed, so at every moment a whole copy exists somewhere. A file that the
// target folder already holds is never overwritten: when both are the same, an earlier move
// stopped before removing the original and the original goes now; when they differ, both stay.
// Answers the names still beside the program afterwards.
QStringList moveFilesKeepingExisting(const QString& fromDirectory, const QString& toDirectory, const QStringList& names,
                                     const CopyFunction& copy = copyWholeFile);

} // namespace kwintor
