#include "mainwindow/GameFiles.h"

#include "persistence/FileAccess.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kwintor {

namespace {
std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
} // namespace

GameFiles::GameFiles(Platform& platform) : m_platform(platform) {}

QString GameFiles::settingsPath() const { return m_platform.dataDirectory() + QStringLiteral("/Kwintor.ini"); }

QString GameFiles::scoreListPath() const { return m_platform.dataDirectory() + QStringLiteral("/Scorelijst.lst"); }

void GameFiles::load() {
    m_scoreListDamaged = LaadScorelijst(nativePath(scoreListPath()), m_scores) == ScoreListLoad::Damaged;
    if (readSettings(nativePath(settingsPath()), m_settings) != SettingsRead::Ok)
        writeSettings(nativePath(settingsPath()), m_settings); // a failure here is told at the exit
}

bool GameFiles::recordScore(int score, const std::string& name) {
    if (!VoegScoreToe(m_scores, score, name))
        return false;
    saveScoreList();
    return true;
}

void GameFiles::removeScores(const std::vector<std::string>& entries, bool all) {
    for (const std::string& entry : entries)
        m_scores.removeFirstEqual(entry);
    if (all)
        m_scores.clear();
}

bool GameFiles::save(QStringList& failed) {
    const QString settings = settingsPath();
    if (!writeSettings(nativePath(settings), m_settings))
        failed << QDir::toNativeSeparators(settings);
    if (!saveScoreList())
        failed << QDir::toNativeSeparators(scoreListPath());
    return failed.isEmpty();
}

bool GameFiles::saveScoreList() {
    const QString scores = scoreListPath();
    if (m_scoreListDamaged && QFileInfo::exists(scores)) {
        if (!copyFileAtomically(nativePath(scores), nativePath(scores + QStringLiteral(".bak"))))
            return false;
        m_scoreListDamaged = false;
    }
    return writeScoreList(nativePath(scores), m_scores);
}

} // namespace kwintor
