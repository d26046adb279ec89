#include "mainwindow/GameFiles.h"

#include "persistence/FileAccess.h"
#include "persistence/SavedGame.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace kwintor {

namespace {
std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

GameFiles::GameFiles(Platform& platform)
    : m_platform(platform), m_scores(nativePath(platform.dataDirectory() + QStringLiteral("/Scorelijst.lst"))) {}

QString GameFiles::path(const char* name) const { return m_platform.dataDirectory() + u'/' + QLatin1String(name); }

QString GameFiles::settingsPath() const { return path("Kwintor.ini"); }

QString GameFiles::scoreListPath() const { return path("Scorelijst.lst"); }

void GameFiles::load() {
    removeStaleTempFiles(nativePath(m_platform.dataDirectory()),
                         {"Kwintor.ini", "Scorelijst.lst", std::string(KeptGameFileName)});
    m_scores.load();
    if (readSettings(nativePath(settingsPath()), m_settings) != SettingsRead::Ok)
        writeSettings(nativePath(settingsPath()), m_settings); // a failure here is told at the exit
}

ScoreListUpdate GameFiles::update(const ScoreListChange& change) {
    QLockFile lock(scoreListPath() + QStringLiteral(".lock"));
    lock.setStaleLockTime(30000);
    // A lock that cannot be had within a few seconds belongs to a copy that hangs, or cannot be
    // made in this folder at all: the change is written all the same, as a single copy writes it.
    lock.tryLock(3000);
    return m_scores.update(change);
}

bool GameFiles::recordScore(int score, const std::string& name) {
    return update(ScoreListChange::record(score, name)) != ScoreListUpdate::Full;
}

void GameFiles::removeScores(const std::vector<std::string>& entries, bool all) {
    for (const std::string& entry : entries)
        update(ScoreListChange::remove(entry));
    if (all)
        update(ScoreListChange::removeAll());
}

bool GameFiles::save(QStringList& failed) {
    const QString settings = settingsPath();
    if (!writeSettings(nativePath(settings), m_settings))
        failed << QDir::toNativeSeparators(settings);
    if (update({}) == ScoreListUpdate::Failed)
        failed << QDir::toNativeSeparators(scoreListPath());
    return failed.isEmpty();
}

} // namespace kwintor
