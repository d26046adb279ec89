#pragma once

#include "persistence/ScoreList.h"
#include "persistence/Settings.h"

#include <QString>
#include <QStringList>

#include <string>

namespace kwintor {

class Platform;

// The program's two files, the settings and the score list: where they live, reading them
// at start-up, writing a recorded score at once and both files at the exit. A score list
// file that could not be read to its end is kept as Scorelijst.lst.bak before it is replaced.
class GameFiles {
public:
    explicit GameFiles(Platform& platform);

    QString settingsPath() const;
    QString scoreListPath() const;

    Settings& settings() { return m_settings; }
    const ScoreList& scores() const { return m_scores; }

    // Reads the score list, then the settings; a settings file that cannot be read is
    // written anew from the defaults, so a first start creates it.
    void load();
    // Adds an entry for the score and writes the list at once, so that no crash can take it
    // away; false (nothing added) when the list is full. Should the write fail, the exit
    // tries again and says so.
    bool recordScore(int score, const std::string& name);
    // Deletions chosen in the score list dialog.
    void removeScores(const std::vector<std::string>& entries, bool all);
    // Writes both files; the paths of those that could not be written go to `failed`.
    bool save(QStringList& failed);

private:
    bool saveScoreList();

    Platform& m_platform;
    Settings m_settings;
    ScoreList m_scores;
    bool m_scoreListDamaged = false;
};

} // namespace kwintor
