#include "mainwindow/GameFiles.h"

#include "persistence/FileAccess.h"
#include "persistence/KeptGame.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace kwintor {

namespace {
std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

GameFiles::GameFiles(const Desktop& desktop)
    : m_desktop(desktop), m_scores(nativePath(desktop.dataDirectory() + QStringLiteral("/Scorelijst.lst"))),
      m_kept(std::make_unique<KeptGameWriter>([this] { return claimKeptGameFile(); })) {}

GameFiles::~GameFiles() = default;

QString GameFiles::path(const char* name) const { return m_desktop.dataDirectory() + u'/' + QLatin1String(name); }

QString GameFiles::settingsPath() const { return path("Kwintor.ini"); }

QString GameFiles::scoreListPath() const { return path("Scorelijst.lst"); }

void GameFiles::load() {
    std::vector<std::string> names{"Kwintor.ini", "Scorelijst.lst", std::string(HistoryFileName)};
    for (int number = 1; number <= MaxKeptGames; ++number)
        names.push_back(keptGameFileName(number));
    removeStaleTempFiles(nativePath(m_desktop.dataDirectory()), names);
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

namespace {

// A kept game's lock is held for as long as its copy runs, so it never grows stale with age:
// only a lock whose process is gone is stale.
std::unique_ptr<QLockFile> keptGameLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

std::vector<KeptGame> GameFiles::keptGames() {
    m_offers.clear();
    QStringList names = QDir(m_desktop.dataDirectory())
                            .entryList({QStringLiteral("Spel.sav"), QStringLiteral("Spel-*.sav")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return keptGameNumber(a.toStdString()) < keptGameNumber(b.toStdString());
    });
    std::vector<KeptGame> games;
    for (const QString& name : names) {
        if (keptGameNumber(name.toStdString()) == 0)
            continue;
        const QString file = m_desktop.dataDirectory() + u'/' + name;
        std::unique_ptr<QLockFile> lock = keptGameLock(file);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue; // a running copy plays it
            lock.reset(); // the folder takes no lock: no other copy could have made one there
        }
        const std::string native = nativePath(file);
        KeptGame game;
        switch (readKeptGame(native, game)) {
        case KeptGameRead::Ok:
            if (game.decisionsDamaged)
                copyFileAtomically(native, native + ".bak");
            games.push_back(std::move(game));
            m_offers.push_back({file, std::move(lock)});
            break;
        case KeptGameRead::Missing: break;
        default: setKeptGameAside(native); break;
        }
    }
    return games;
}

void GameFiles::answerKeptGame(std::size_t index, bool takeUp) {
    if (index >= m_offers.size())
        return;
    Offer& offer = m_offers[index];
    if (!takeUp) {
        removeKeptGame(nativePath(offer.path));
        offer.lock.reset();
        return;
    }
    keepIn(offer.path, std::move(offer.lock));
    m_offers.clear(); // the others wait, unanswered, for the next start
}

void GameFiles::keepIn(const QString& path, std::unique_ptr<QLockFile> lock) {
    m_kept.reset();
    m_keptLock = std::move(lock);
    m_kept = std::make_unique<KeptGameWriter>(nativePath(path));
}

// Runs on the writer's thread, before its first write.
std::string GameFiles::claimKeptGameFile() {
    for (int number = 1; number <= MaxKeptGames; ++number) {
        const QString file = path(keptGameFileName(number).c_str());
        std::unique_ptr<QLockFile> lock = keptGameLock(file);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue; // another copy keeps its game there
            return {};    // the folder takes no file: nothing can be kept in it
        }
        if (QFileInfo::exists(file))
            continue; // a game no copy plays, which waits for the next start
        m_keptLock = std::move(lock);
        return nativePath(file);
    }
    return {};
}

QString GameFiles::keptGamePath() const { return QFile::decodeName(QByteArray::fromStdString(m_kept->path())); }

void GameFiles::keepGame(const KeptGame& game) {
    if (game.state.throwing)
        return; // the file keeps the game as it was before this throw
    if (isWorthKeeping(game.state))
        m_kept->keep(game);
    else
        m_kept->remove();
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
