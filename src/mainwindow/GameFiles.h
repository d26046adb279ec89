#pragma once

#include "persistence/SharedScoreList.h"
#include "persistence/Settings.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace kwintor {

class Platform;

// The program's files in the data folder: the settings and the score list. It reads them at
// start-up, writes a recorded score and a deletion at once and both files at the exit. The
// score list is shared by every copy of the program on the folder: each change is applied to
// the file as it stands, under a lock file, so no copy undoes another's.
class GameFiles {
public:
    explicit GameFiles(Platform& platform);

    QString settingsPath() const;
    QString scoreListPath() const;
    QString path(const char* name) const;

    Settings& settings() { return m_settings; }
    const ScoreList& scores() const { return m_scores.list(); }

    // Removes what writers that no longer run left behind, reads the score list, then the
    // settings; a settings file that cannot be read is written anew, so a first start creates it.
    void load();
    // False (nothing added) when the list is full. Should the write fail, the change stays in
    // memory and the next write, at the latest the exit, takes it along.
    bool recordScore(int score, const std::string& name);
    // Deletions chosen in the score list dialog.
    void removeScores(const std::vector<std::string>& entries, bool all);
    // Writes both files; the paths of those that could not be written go to `failed`.
    bool save(QStringList& failed);

private:
    ScoreListUpdate update(const ScoreListChange& change);

    Platform& m_platform;
    Settings m_settings;
    SharedScoreList m_scores;
};

} // namespace kwintor
