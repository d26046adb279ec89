#pragma once

// The game driven by a short script, and a state written out field by field, for the tests of
// the engine and of the files that keep a game.
#include "engine/Game.h"

#include <QStringList>
#include <QTest>

namespace kwintor::test {

inline const PlayerNames Letters{"", "A", "B", "C", "D", "E", "F"};

inline QString cellText(const GameState& s, int player, int row) { return QString::number(s.cells[player][row].value); }

// A player's totals "A/B/bonus/grand total" as the sheet shows them, and as the state keeps them.
inline QString sheetTotals(const GameState& s, int p) {
    return QStringList{cellText(s, p, RowTotalA), cellText(s, p, RowTotalB), cellText(s, p, RowBonus),
                       cellText(s, p, RowGrandTotal)}
        .join(u'/');
}
inline QString keptTotals(const GameState& s, int p) {
    return QStringLiteral("%1/%2/%3/%4")
        .arg(s.TotaalA[p])
        .arg(s.TotaalB[p])
        .arg(s.BonusGegeven[p] ? BonusPoints : 0)
        .arg(s.TotaalAB[p]);
}

// Every field of a state, a line per player, so that one QCOMPARE shows any change and where.
inline QStringList dump(const GameState& s) {
    QStringList lines{QStringLiteral("sum %1 throws %2 placed %3 turn %4 players %5 throwing %6 dice")
                          .arg(s.DobbelSom)
                          .arg(s.WorpTeller)
                          .arg(int(s.ScoreGeplaatst))
                          .arg(s.AanDeBeurt)
                          .arg(s.AantalSpelers)
                          .arg(int(s.throwing))};
    for (int i = 0; i <= DiceCount; ++i)
        lines[0] += QStringLiteral(" %1%2").arg(s.DobbelWaarde[i]).arg(s.Vastgezet[i] ? "h" : "");
    for (int p = 0; p <= MaxPlayers; ++p) {
        lines << QString::fromStdString(s.SpelerNaam[p]) + u' ' + keptTotals(s, p) + u':';
        for (const Cell& c : s.cells[p])
            lines.last() += u' ' + QString::number(c.value) + (c.open ? "o" : "") + (c.scored ? "s" : "");
    }
    return lines;
}

// Plays a script: "n3" chooses 3 players, "t12345" throws (each die that rolls lands on its
// digit), "b" begins a throw, "s12345" settles the dice, "e" ends the throw, "h25" toggles the
// holds of dice 2 and 5, "p8" places the player on turn in row 8, "N" starts a new game,
// "F" forgets the step undo would take back.
inline void play(Game& g, const QString& script, const PlayerNames& names = Letters) {
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const char kind = step.at(0).toLatin1();
        const QString arg = step.mid(1);
        if (kind == 'n')
            g.choosePlayers(arg.toInt(), names);
        for (QChar die : kind == 'h' ? arg : QString())
            g.toggleHold(die.digitValue());
        if (kind == 'p')
            QVERIFY2(g.place(g.state().AanDeBeurt, arg.toInt()) >= PlaceResult::Placed, qPrintable(step));
        if (kind == 'N')
            QVERIFY(g.newGame());
        if (kind == 'F')
            g.forgetUndo();
        if (kind == 't' || kind == 'b')
            QVERIFY2(g.beginThrow(), qPrintable(step));
        for (int i = 1; i <= DiceCount && (kind == 't' || kind == 's'); ++i)
            g.settleDie(i, arg.at(i - 1).digitValue()); // a die that does not roll ignores it
        if (kind == 't' || kind == 'e')
            g.endThrow();
    }
}

} // namespace kwintor::test
