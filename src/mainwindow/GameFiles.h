#pragma once

#include "persistence/History.h"
#include "persistence/KeptGame.h"
#include "persistence/KeptGameWriter.h"
#include "persistence/Settings.h"
#include "persistence/SharedScoreList.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace kwintor {

class Platform;

// The program's files in the data folder: the settings, the score list and a game left
// unfinished. It reads them at start-up, writes a recorded score and a deletion at once and
// both files at the exit, and keeps the game in progress after every throw and placement. The
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
    // Adds the lines of a finished game to the history, under the score list's lock; a damaged
    // history is kept aside as .bak and a new one begun. False when it could not be written.
    bool recordHistory(const std::vector<HistoryEntry>& entries);
    // The history as the file holds it; empty when there is none or it does not read.
    std::vector<HistoryEntry> history() const;
    QString historyPath() const;

    // Writes both files; the paths of those that could not be written go to `failed`.
    bool save(QStringList& failed);

    // The game left unfinished at the last end, if one reads whole; one that does not (or that a
    // newer version wrote) is set aside as Spel.sav.bak and never trusted. A game whose decisions
    // do not read is taken up without them, and the file is copied to Spel.sav.bak first.
    std::optional<KeptGame> keptGame();
    // Keeps the game for the next start while it is in progress, else removes the kept game.
    // The write happens beside the window, which never waits for it.
    void keepGame(const KeptGame& game);
    // Waits until the kept game is on disk (tests, and nothing else, need to know).
    bool flushKeptGame() { return m_kept.flush(); }

private:
    ScoreListUpdate update(const ScoreListChange& change);

    Platform& m_platform;
    Settings m_settings;
    SharedScoreList m_scores;
    KeptGameWriter m_kept;
};

} // namespace kwintor
