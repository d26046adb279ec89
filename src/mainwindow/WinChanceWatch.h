#pragma once

#include "advisor/WinChance.h"
#include "dialogs/WinkansForm.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <map>
#include <memory>
#include <vector>

namespace kwintor {

class Announcer;
class Coach;
class GameFlow;
class ValueTable;

// Keeps " Winkans" up to date while it is open: after every placement (and a game taken up, a
// move taken back, a new game) each player's chance to win is worked out on a thread of its
// own, from the columns as they stand at the start of the turn, and so are the rounds of the
// chart that are not known yet. The game never waits; nothing is computed while the window is
// closed. A change of the player with the best chance is told to a screen reader.
class WinChanceWatch : public QObject {
    Q_OBJECT
public:
    WinChanceWatch(GameFlow& flow, Coach& coach, Announcer& announcer, QWidget& window);
    ~WinChanceWatch() override;

    // Tools > Winkans: shows the window beside the game (or raises it) and brings it up to date.
    void open();
    bool isOpen() const;
    WinkansForm* form() const { return m_form; }
    // The chances in words for a screen reader, while the window is open: "Winkans: Anna 37,4 %,
    // Bob 62,6 %."; else empty.
    QString spokenChances() const;
    bool computing() const { return m_worker != nullptr; }

signals:
    // New figures stand in the window.
    void shown();

private:
    struct Job;
    void refresh();
    void start(std::shared_ptr<const Job> job);
    void showNow(const std::vector<ColumnState>& columns, const std::vector<double>& chances);
    void showRound(int round, const std::vector<ColumnState>& columns, const std::vector<double>& chances);
    void ended();
    void showRounds();

    GameFlow& m_flow;
    Coach& m_coach;
    Announcer& m_announcer;
    QWidget& m_window;
    QPointer<WinkansForm> m_form;
    std::shared_ptr<const ValueTable> m_table;
    std::shared_ptr<const WinChance> m_chance;
    QPointer<QThread> m_worker;
    std::shared_ptr<std::atomic<bool>> m_cancel;     // the window closed
    std::shared_ptr<std::atomic<bool>> m_superseded; // a placement came: the rounds can wait
    std::vector<ColumnState> m_runningColumns;       // what the computation under way is for
    bool m_again = false;                            // the game changed while computing
    bool m_waitingForTable = false;

    QStringList m_names;
    std::vector<ColumnState> m_shownColumns; // what the lines show the chances of
    std::vector<double> m_shown;
    std::map<int, std::pair<std::vector<ColumnState>, std::vector<double>>> m_rounds;
    int m_leader = 0; // the player with the best chance, as last told; 0: none yet
};

} // namespace kwintor
