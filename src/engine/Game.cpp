#include "engine/Game.h"

#include "engine/Scoring.h"

namespace kwintor {

Game::Game(const PlayerNames& defaultNames) : m_defaultNames(defaultNames) {
    m_state.SpelerNaam = m_defaultNames;
    resetSheet();
}

void Game::resetSheet() {
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (auto& cell : m_state.cells[p])
            cell = Cell{0, p == 1, false};
        m_state.TotaalA[p] = 0;
        m_state.TotaalB[p] = 0;
        m_state.TotaalAB[p] = 0;
        m_state.BonusGegeven[p] = false;
    }
    m_state.Vastgezet = {};
    m_state.WorpTeller = 0;
    m_state.AantalSpelers = 1;
    m_state.AanDeBeurt = 1;
}

bool Game::beginThrow() {
    if (!canThrow())
        return false;
    m_undo.reset(); // undo is no way to throw again
    ++m_state.WorpTeller;
    m_state.ScoreGeplaatst = false;
    for (int i = 1; i <= DiceCount; ++i) {
        m_rolling[i] = !m_state.Vastgezet[i];
        if (m_rolling[i])
            m_state.DobbelWaarde[i] = 0;
    }
    m_state.DobbelSom = 0;
    m_state.throwing = true;
    return true;
}

void Game::settleDie(int die, int value) {
    if (!m_state.throwing || die < 1 || die > DiceCount || !m_rolling[die] || value < 1 || value > 6)
        return;
    m_state.DobbelWaarde[die] = static_cast<std::uint8_t>(value);
}

void Game::endThrow() {
    if (!m_state.throwing)
        return;
    int sum = 0;
    for (int i = 1; i <= DiceCount; ++i)
        sum += m_state.DobbelWaarde[i];
    m_state.DobbelSom = static_cast<std::uint8_t>(sum);
    m_state.throwing = false;
    m_rolling = {};
}

void Game::toggleHold(int die) {
    if (die >= 1 && die <= DiceCount && m_state.WorpTeller > 0)
        m_state.Vastgezet[die] = !m_state.Vastgezet[die];
}

int Game::nextPlayer(int player) const {
    return player < m_state.AantalSpelers && player < MaxPlayers ? player + 1 : 1;
}

bool Game::playerFinished(int player) const { return kwintor::playerFinished(m_state, player); }

bool Game::over() const { return gameOver(m_state); }

bool Game::canThrow() const { return kwintor::canThrow(m_state); }

bool playerFinished(const GameState& state, int player) {
    if (player < 1 || player > MaxPlayers)
        return false;
    for (int row = 0; row < CellCount; ++row)
        if (isCategoryRow(row) && !state.cells[player][row].scored)
            return false;
    return true;
}

bool gameOver(const GameState& state) {
    for (int p = 1; p <= state.AantalSpelers; ++p)
        if (!playerFinished(state, p))
            return false;
    return true;
}

bool canThrow(const GameState& state) { return !state.throwing && state.WorpTeller < 3; }

PlaceResult Game::place(int player, int row) {
    if (player < 1 || player > MaxPlayers || row < 0 || row >= CellCount)
        return PlaceResult::Ignored;
    auto& column = m_state.cells[player];
    Cell& cell = column[row];
    if (!cell.open || cell.scored || cell.value != 0 || isTotalRow(row) || m_state.ScoreGeplaatst ||
        m_state.DobbelSom == 0 || m_state.WorpTeller == 0 || m_state.throwing)
        return PlaceResult::Ignored;
    if (player != m_state.AanDeBeurt)
        return PlaceResult::NotOnTurn;

    m_undo = m_state;
    m_state.ScoreGeplaatst = true;
    cell.value = categoryValue(row, m_state.DobbelWaarde, m_state.DobbelSom);
    cell.scored = true;
    cell.open = false;
    if (isUpperRow(row)) {
        m_state.TotaalA[player] += cell.value;
        column[RowTotalA].value = m_state.TotaalA[player];
    }
    if (m_state.TotaalA[player] >= BonusThreshold && !m_state.BonusGegeven[player]) {
        column[RowBonus].value = BonusPoints;
        m_state.BonusGegeven[player] = true;
    }
    if (isLowerRow(row)) {
        m_state.TotaalB[player] += cell.value;
        column[RowTotalB].value = m_state.TotaalB[player];
    }
    m_state.TotaalAB[player] = m_state.TotaalB[player] + m_state.TotaalA[player] + column[RowBonus].value;
    column[RowGrandTotal].value = m_state.TotaalAB[player];

    m_state.Vastgezet = {};
    m_state.WorpTeller = 0;
    m_state.AanDeBeurt = nextPlayer(player);
    return playerFinished(player) ? PlaceResult::PlayerFinished : PlaceResult::Placed;
}

bool Game::undo() {
    if (!m_undo || m_state.throwing)
        return false;
    m_state = *m_undo;
    m_undo.reset();
    return true;
}

void Game::restore(const GameState& state) {
    m_undo.reset();
    m_state = state;
    m_state.throwing = false;
    m_rolling = {};
}

bool Game::newGame() {
    if (m_state.throwing)
        return false;
    m_state.SpelerNaam = m_defaultNames;
    resetSheet();
    m_undo.reset();
    return true;
}

void Game::choosePlayers(int count, const PlayerNames& names) {
    if (count < 1 || count > MaxPlayers)
        return;
    m_undo.reset();
    m_state.AantalSpelers = static_cast<std::uint8_t>(count);
    for (int p = 1; p <= MaxPlayers; ++p) {
        const bool inPlay = p <= count;
        if (inPlay)
            m_state.SpelerNaam[p] = names[p];
        for (auto& cell : m_state.cells[p])
            cell.open = inPlay && !cell.scored;
    }
}

} // namespace kwintor
