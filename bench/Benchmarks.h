#pragma once

// The benchmarks of kwintor_bench; bench/main.cpp runs them one after the other.

// Loading and writing the score list at its largest (32767 entries) and its statistics: each
// under 50 ms; writing and reading the kept game: each under 1 ms.
void benchPersistence();

#include "dialogs/AnalyseForm.h"

class QString;
namespace kwintor {
class ValueTable;
struct Simulation;
} // namespace kwintor

// The review of a finished six-player game (78 turns): weighing its decisions, and " Analyse"
// from its construction to its first paint, once the advisor's table is there.
void benchReview();
// A six-player game played to its end by the computer levels, its decisions recorded; `end` is
// its last state.
kwintor::PlayedGame sixPlayerGame(const kwintor::ValueTable& table, kwintor::GameState& end);

// Process start to the first paint of the main and the title window, against an empty main
// window measured the same way in the same run (medians), CPU and peak memory.
void benchStartup(const QString& self);
int benchStartupChild(const char* which);
// A five-dice throw with the real waits (frame timing, CPU), and idle CPU.
void benchMainWindow();
// Screenshots of the main window into `directory`.
void takeScreenshots(const QString& directory);

// The advisor: its game value, the table's time on 1 and 2 threads, the cache, the time of one
// piece of advice, the table's memory and 10^5 games played by it; then benchPlayers.
void benchAdvisor();
// The three levels of computer player: 10^5 games each, and the time to choose a move. The strong
// level is the advisor, whose games are passed in.
void benchPlayers(const kwintor::ValueTable& table, const kwintor::Simulation& strongGames);
// The chance to win for six players at every stage: time per update on two threads, the largest
// error against the exact computation where it can be made, and memory. `kwintor_bench winkans`.
void benchWinChance(const kwintor::ValueTable& table);
// Meester against Sterk, `games` games of two and of three players with the same dice for each seat
// and the seats turned: its share of the wins and the 95 % interval. `kwintor_bench meester [games]`.
void benchMeester(const kwintor::ValueTable& table, int games);
// `kwintor_bench advise`: answers positions from standard input (see advisor/BatchAdvice.h).
int adviseFromInput();
