#pragma once

#include "persistence/History.h"
#include "persistence/KeptGame.h"
#include "persistence/KeptGameWriter.h"
#include "persistence/Settings.h"
#include "persistence/SharedScoreList.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLockFile;

namespace kwintor {

class Desktop;

// The program's files in the data folder: the settings, the score list and a game left
// unfinished. It reads them at start-up, writes a recorded score and a deletion at once and
// both files at the exit, and keeps the game in progress after every throw and placement. The
// score list is shared by every copy of the program on the folder: each change is applied to
// the file as it stands, under a lock file, so no copy undoes another's.
//
// Each copy keeps its unfinished game in a file of its own: "Spel.sav" while no other copy
// holds that one, else "Spel-2.sav", "Spel-3.sav" and so on. A copy holds its file by a lock
// file beside it ("Spel.sav.lock", with its process id) for as long as it runs; a lock whose
// process is gone (a kill, a crash) holds nothing. So a game is offered only when no running
// copy plays it, and no copy writes or removes another's game.
class GameFiles {
public:
    explicit GameFiles(const Desktop& desktop);
    ~GameFiles();

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

    // The games left unfinished that no running copy holds, each one that reads whole; one that
    // does not (or that a newer version wrote) is set aside as Spel.sav.bak (Spel-2.sav.bak...)
    // and never trusted. A game whose decisions do not read is taken up without them, and its
    // file is copied to .bak first. Each game is held by this copy until it is answered.
    std::vector<KeptGame> keptGames();
    // The answer to the offer of keptGames()[index]: taken up, this copy keeps that game in its
    // file from now on, and the games not yet answered are let go for the next start; else
    // the game is removed.
    void answerKeptGame(std::size_t index, bool takeUp);
    // Keeps the game for the next start while it is in progress, else removes the kept game.
    // The write happens beside the window, which never waits for it.
    void keepGame(const KeptGame& game);
    // Waits until the kept game is on disk (tests, and nothing else, need to know).
    bool flushKeptGame() { return m_kept->flush(); }
    // The file this copy keeps its game in; empty until it keeps one.
    QString keptGamePath() const;

private:
    ScoreListUpdate update(const ScoreListChange& change);
    // Takes the first kept-game file that no copy holds and no game fills (making its lock takes
    // milliseconds, so the writer does it on its own thread); "" when none can be had.
    std::string claimKeptGameFile();
    void keepIn(const QString& path, std::unique_ptr<QLockFile> lock);

    // A game offered at start, held by this copy until it is answered (no lock where the folder
    // takes none: nobody else could have made one there either).
    struct Offer {
        QString path;
        std::unique_ptr<QLockFile> lock;
    };

    const Desktop& m_desktop;
    Settings m_settings;
    SharedScoreList m_scores;
    std::vector<Offer> m_offers;
    // Released only after the writer has carried out all that was handed over; set by the
    // writer's thread, which ends before anything else reads it.
    std::unique_ptr<QLockFile> m_keptLock;
    std::unique_ptr<KeptGameWriter> m_kept;
};

} // namespace kwintor
