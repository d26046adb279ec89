#pragma once

#include "engine/PlayedGame.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kwintor {

// A game left unfinished, kept in the data folder for the next start: the whole game state and
// who plays each column, which only this file keeps. With them go the decisions made so far, so
// that a game taken up again is reviewed as a whole.
struct KeptGame : PlayedGame {
    // Read only: the game read whole but its decisions did not; they are left out.
    bool decisionsDamaged = false;
};

inline constexpr std::string_view KeptGameFileName = "Spel.sav";
// Each running copy keeps its game in a file of its own: the first in "Spel.sav", the others in
// "Spel-2.sav" up to "Spel-99.sav".
inline constexpr int MaxKeptGames = 99;
// The name of kept game `number` (1..MaxKeptGames).
std::string keptGameFileName(int number);
// The number of a kept game's file name, or 0 when the name is not one.
int keptGameNumber(std::string_view fileName);
inline constexpr int KeptGameVersion = 2;
// Far more decisions than a game makes (about three per turn, a few more with undo).
inline constexpr int MaxKeptDecisions = 10000;

enum class KeptGameRead {
    Ok,           // the game is in `game`, every value checked
    Missing,      // there is no kept game
    Damaged,      // it does not read whole, or holds a value no game can reach: never trusted
    NewerVersion, // written by a newer version of the program, whose format this one cannot know
};

// The file, one line per item, each ended by CR LF: the two header lines of the other data
// files, "Versie",1, then the turn, the dice, and per player the name, the kind, the totals and
// the 17 cells (open, scored, value) of the column, each line led by a quoted label. Version 2
// adds "Keuzes",n and n lines "Keuze" (player, turn, throw, five dice, 0 and the holds or 1 and
// the row, the categories used, the upper and the grand total before). Version 1 files still read,
// without decisions. Decisions that do not read leave the game whole: only they are dropped.
//
// Only a game between throws is kept: while a throw rolls (state.throwing) the caller keeps the
// file it wrote before that throw, so a game taken up again has the throw still to make.
std::string keptGameText(const KeptGame& game);

// Fills `game` only when the answer is Ok; never with a value the game rules could not have
// produced (a die 0..6, and 0 only when no die was ever thrown; a cell value its category can
// score; totals and bonus as the cells give them; at most three throws; one to six players).
KeptGameRead parseKeptGame(std::string_view bytes, KeptGame& game);
KeptGameRead readKeptGame(const std::string& path, KeptGame& game);

// Replaces the file atomically, as the other data files are written. False, and the old file
// as it was, when it cannot be written or a throw is rolling.
bool writeKeptGame(const std::string& path, const KeptGame& game);
// True when the file is gone (or never was).
bool removeKeptGame(const std::string& path);
// Moves a kept game that is not trusted to "<path>.bak", over an older one; false when it cannot.
bool setKeptGameAside(const std::string& path);

// A game is worth keeping from its first throw until every column in play is full.
bool isWorthKeeping(const GameState& state);

} // namespace kwintor
