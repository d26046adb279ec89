#include "mainwindow/GameFiles.h"

#include "persistence/FileAccess.h"
#include "persistence/KeptGame.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace kwintor {

namespace {
std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

GameFiles::GameFiles(Platform& platform)
    : m_platform(platform), m_scores(nativePath(platform.dataDirectory() + QStringLiteral("/Scorelijst.lst"))),
      m_kept(nativePath(platform.dataDirectory() + u'/' + QLatin1String(KeptGameFileName.data()))) {}

QString GameFiles::path(const char* name) const { return m_platform.dataDirectory() + u'/' + QLatin1String(name); }

QString GameFiles::settingsPath() const { return path("Kwintor.ini"); }

QString GameFiles::scoreListPath() const { return path("Scorelijst.lst"); }

void GameFiles::load() {
    removeStaleTempFiles(
        nativePath(m_platform.dataDirectory()),
        {"Kwintor.ini", "Scorelijst.lst", std::string(KeptGameFileName), std::string(HistoryFileName)});
    m_scores.load();
    if (readSettings(nativePath(settingsPath()), m_settings) != SettingsRead::Ok)
        writeSettings(nativePath(settingsPath()), m_settings); // a failure here is told at the exit
}

namespace {
// The data folder's lock, taken around every change of the score list and the history. A lock
// that cannot be had within a few seconds belongs to a copy that hangs, or cannot be made in
// this folder at all: the change is written all the same, as a single copy writes it.
struct FolderLock {
    explicit FolderLock(const QString& scoreListPath) : lock(scoreListPath + QStringLiteral(".lock")) {
        lock.setStaleLockTime(30000);
        lock.tryLock(3000);
    }
    QLockFile lock;
};
} // namespace

ScoreListUpdate GameFiles::update(const ScoreListChange& change) {
    const FolderLock lock(scoreListPath());
    return m_scores.update(change);
}

QString GameFiles::historyPath() const { return path(HistoryFileName.data()); }

bool GameFiles::recordHistory(const std::vector<HistoryEntry>& entries) {
    const FolderLock lock(scoreListPath());
    return appendHistory(nativePath(historyPath()), entries);
}

std::vector<HistoryEntry> GameFiles::history() const {
    std::vector<HistoryEntry> entries;
    readHistory(nativePath(historyPath()), entries);
    return entries;
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

std::optional<KeptGame> GameFiles::keptGame() {
    KeptGame game;
    switch (readKeptGame(m_kept.path(), game)) {
    case KeptGameRead::Ok:
        if (game.decisionsDamaged)
            copyFileAtomically(m_kept.path(), m_kept.path() + ".bak");
        return game;
    case KeptGameRead::Missing: return std::nullopt;
    default: setKeptGameAside(m_kept.path()); return std::nullopt;
    }
}

void GameFiles::keepGame(const KeptGame& game) {
    if (game.state.throwing)
        return; // the file keeps the game as it was before this throw
    if (isWorthKeeping(game.state))
        m_kept.keep(game);
    else
        m_kept.remove();
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
