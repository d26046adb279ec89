#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kwintor {

constexpr int DiceCount = 5;
constexpr int MaxPlayers = 6;
constexpr int CellCount = 17;     // rows 0..16 of a player's column
constexpr int CategoryCount = 13; // rows 0..5 and 8..14

// The rows of a player's column, top to bottom: six upper categories, their total and bonus,
// seven lower categories, their total and the grand total.
enum Row : int {
    RowEnen = 0,
    RowTweeen = 1,
    RowDrieen = 2,
    RowVieren = 3,
    RowVijven = 4,
    RowZessen = 5,
    RowTotalA = 6,
    RowBonus = 7,
    RowDrieGelijke = 8,
    RowVierGelijke = 9,
    RowKleineStraat = 10,
    RowGroteStraat = 11,
    RowFullHouse = 12,
    RowKans = 13,
    RowKwintor = 14,
    RowTotalB = 15,
    RowGrandTotal = 16,
};
constexpr bool isUpperRow(int row) { return row >= RowEnen && row <= RowZessen; }
constexpr bool isLowerRow(int row) { return row >= RowDrieGelijke && row <= RowKwintor; }
constexpr int BonusThreshold = 63;
constexpr int BonusPoints = 35;

constexpr bool isTotalRow(int row) {
    return row == RowTotalA || row == RowBonus || row == RowTotalB || row == RowGrandTotal;
}
constexpr bool isCategoryRow(int row) { return row >= 0 && row < CellCount && !isTotalRow(row); }

// Dice values indexed 1..5; index 0 is never used. A value of 0 means "not thrown".
using Dice = std::array<std::uint8_t, DiceCount + 1>;

// The players' names, indexed 1..6.
using PlayerNames = std::array<std::string, MaxPlayers + 1>;

// One cell of the score sheet: its points and whether it takes clicks. The window shows the
// points as a number; an unscored category shows 0. `scored` remembers a placement even when it
// scored 0, so that reopening a column (choosing the players) never offers it again.
struct Cell {
    std::int32_t value = 0;
    bool open = false;
    bool scored = false;
};

// The whole state of a game as plain data. Arrays are indexed from 1 (dice 1..5,
// players 1..6); element 0 exists and is never used.
struct GameState {
    Dice DobbelWaarde{};
    std::array<bool, DiceCount + 1> Vastgezet{};
    std::uint8_t DobbelSom = 0;
    std::uint8_t WorpTeller = 0;
    bool ScoreGeplaatst = false;
    int AanDeBeurt = 1;
    std::uint8_t AantalSpelers = 1;
    std::array<std::string, MaxPlayers + 1> SpelerNaam{};
    std::array<std::int32_t, MaxPlayers + 1> TotaalA{};
    std::array<std::int32_t, MaxPlayers + 1> TotaalB{};
    std::array<std::int32_t, MaxPlayers + 1> TotaalAB{};
    std::array<bool, MaxPlayers + 1> BonusGegeven{};
    // cells[p][row] for player p = 1..6, row 0..16.
    std::array<std::array<Cell, CellCount>, MaxPlayers + 1> cells{};
    // True from the start of a throw until its end.
    bool throwing = false;
};

} // namespace kwintor
