#pragma once

#include "engine/PlayedGame.h"

#include <QObject>

#include <optional>

class QWidget;

namespace kwintor {

class AnalyseForm;
class Clock;
class Coach;
class Dialogs;
class GameFiles;
class GameFlow;

// The end of a whole game and what follows it: the history gains the game with what each
// player's decisions cost, the final order is shown, and the review reads the game played. The
// last game played to its end stays for the review until the next game makes its first decision.
class GameEnd : public QObject {
    Q_OBJECT
public:
    // Follows `flow` to the end of each game; the final order and the review open over `window`.
    GameEnd(GameFlow& flow, Coach& coach, GameFiles& files, Clock& clock, Dialogs& dialogs, QWidget& window);

    // The game the review reads now: the one under way, or the last one finished while a new
    // one has no decision yet.
    PlayedGame reviewed() const;
    // Opens the review of `game`; it fills in once the advisor's table is there.
    void review(PlayedGame game);

signals:
    // The final order's "Nieuw spel": a new game with the same players has begun.
    void newGameBegun();

private:
    // Every column in play is full: the history gains the game, and the final order opens.
    void finish();
    // Adds the game to the history once the advisor's table can weigh its decisions.
    void recordHistory(const PlayedGame& game);
    // The chance to win after each placement, worked out on a thread of its own while the
    // review is open; the chart fills in as the figures come.
    void reviewChances(AnalyseForm& dialog, const PlayedGame& game);
    PlayedGame played() const;

    GameFlow& m_flow;
    Coach& m_coach;
    GameFiles& m_files;
    Clock& m_clock;
    Dialogs& m_dialogs;
    QWidget& m_window;
    std::optional<PlayedGame> m_finished;
};

} // namespace kwintor
