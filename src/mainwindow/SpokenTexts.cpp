#include "mainwindow/SpokenTexts.h"

#include "engine/Game.h"
#include "engine/Scoring.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/SheetTexts.h"
#include "review/FinalOrder.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>

namespace kwintor {

namespace {

QString faceWord(int value) {
    static const char* const Words[] = {"",
                                        QT_TRANSLATE_NOOP("SpokenTexts", "een"),
                                        QT_TRANSLATE_NOOP("SpokenTexts", "twee"),
                                        QT_TRANSLATE_NOOP("SpokenTexts", "drie"),
                                        QT_TRANSLATE_NOOP("SpokenTexts", "vier"),
                                        QT_TRANSLATE_NOOP("SpokenTexts", "vijf"),
                                        QT_TRANSLATE_NOOP("SpokenTexts", "zes")};
    return value >= 1 && value <= 6 ? QCoreApplication::translate("SpokenTexts", Words[value]) : QString();
}

QString points(int value) {
    return value == 1 ? QCoreApplication::translate("SpokenTexts", "1 punt")
                      : QCoreApplication::translate("SpokenTexts", "%1 punten").arg(value);
}

bool inPlay(const GameState& s, int player) { return player >= 1 && player <= s.AantalSpelers; }

QString playerName(const GameState& s, int player) {
    return inPlay(s, player) ? QString::fromStdString(s.SpelerNaam[player]) : defaultPlayerName(player);
}

// "Totaal  A" is spaced out for the eye; a screen reader gets single spaces.
QString caption(int row) { return rowCaption(row).simplified(); }

bool upperFull(const GameState& s, int player) {
    for (int row = RowEnen; row <= RowZessen; ++row)
        if (!s.cells[player][row].scored)
            return false;
    return true;
}

QString bonusDistance(const GameState& s, int player) {
    if (s.BonusGegeven[player])
        return QCoreApplication::translate("SpokenTexts", "bonus behaald");
    if (upperFull(s, player))
        return QCoreApplication::translate("SpokenTexts", "geen bonus");
    return QCoreApplication::translate("SpokenTexts", "nog %1 tot de bonus")
        .arg(points(BonusThreshold - s.TotaalA[player]));
}

QString diceWords(const GameState& s) {
    QStringList faces;
    for (int die = 1; die <= DiceCount; ++die)
        faces << faceWord(s.DobbelWaarde[die]);
    return faces.join(QStringLiteral(", "));
}

QString throwText(const GameState& s) {
    return QCoreApplication::translate("SpokenTexts", "%1: %2. Som %3.")
        .arg(throwCounterText(s), diceWords(s))
        .arg(s.DobbelSom);
}

// The end of a player's game, and once every player has finished, the order of the totals.
QString endText(const GameState& s, int player) {
    QString text = QCoreApplication::translate("SpokenTexts", " %1 is klaar met %2.")
                       .arg(playerName(s, player), points(s.TotaalAB[player]));
    if (!gameOver(s))
        return text;
    // Read as the final order's window shows it: equal totals share a place.
    QStringList places;
    for (const Standing& standing : finalOrder(s))
        places << QStringLiteral("%1. %2, %3")
                      .arg(standing.place)
                      .arg(playerName(s, standing.player), points(s.TotaalAB[standing.player]));
    return text + QCoreApplication::translate("SpokenTexts", " Het spel is uit. Uitslag: ") +
           places.join(QStringLiteral("; ")) + u'.';
}

const char* const OutOfPlay = "kwintorOutOfPlay";

// A container whose children marked out of play are left out of what a screen reader sees.
class PlayingChildren : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = shown();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> shown() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children())
            if (auto* child = qobject_cast<QWidget*>(object);
                child && !child->isWindow() && !child->property(OutOfPlay).toBool())
                children << child;
        return children;
    }
};

QAccessibleInterface* playingChildrenFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    for (QObject* child : widget->children())
        if (child->property(OutOfPlay).isValid())
            return new PlayingChildren(widget);
    return nullptr;
}

} // namespace

void setSpokenName(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name); // each call would tell the reader, changed or not
}

void setOutOfPlay(QWidget& widget, bool outOfPlay) {
    static const bool installed = (QAccessible::installFactory(playingChildrenFactory), true);
    Q_UNUSED(installed);
    widget.setProperty(OutOfPlay, outOfPlay);
}

int previewValue(const GameState& s, int player, int row) {
    if (player != s.AanDeBeurt || !inPlay(s, player) || !isCategoryRow(row) || s.WorpTeller == 0 || s.throwing ||
        s.ScoreGeplaatst || s.DobbelSom == 0)
        return -1;
    const Cell& cell = s.cells[player][row];
    if (!cell.open || cell.scored)
        return -1;
    return categoryValue(row, s.DobbelWaarde, s.DobbelSom);
}

QString cellToolTip(const GameState& s, int player, int row) {
    if (row == RowBonus && inPlay(s, player)) {
        const QString distance = bonusDistance(s, player);
        return distance.left(1).toUpper() + distance.mid(1);
    }
    const int value = previewValue(s, player, row);
    return value < 0 ? QString() : QCoreApplication::translate("SpokenTexts", "Nu ") + points(value);
}

QString dieText(const GameState& s, int die) {
    const int value = s.DobbelWaarde[die];
    QString text = QCoreApplication::translate("SpokenTexts", "Dobbelsteen %1: ").arg(die);
    if (value == 0)
        return text + QCoreApplication::translate("SpokenTexts", "nog niet gegooid");
    text += faceWord(value);
    if (s.Vastgezet[die])
        text += QCoreApplication::translate("SpokenTexts", ", vastgezet");
    return text;
}

QString cellText(const GameState& s, int player, int row) {
    const Cell& cell = s.cells[player][row];
    QString text = QStringLiteral("%1, %2: ").arg(playerName(s, player), caption(row));
    if (isCategoryRow(row) && cell.open && !cell.scored) {
        const int value = previewValue(s, player, row);
        return text + (value < 0 ? QCoreApplication::translate("SpokenTexts", "open")
                                 : QCoreApplication::translate("SpokenTexts", "open, nu %1 waard").arg(value));
    }
    text += QString::number(cell.value);
    if (row == RowTotalA && inPlay(s, player))
        text += QStringLiteral(", ") + bonusDistance(s, player);
    return text;
}

QString nameText(const GameState& s, int player) {
    if (!inPlay(s, player))
        return playerName(s, player) + QCoreApplication::translate("SpokenTexts", ", speelt niet mee");
    return playerName(s, player) +
           (player == s.AanDeBeurt ? QCoreApplication::translate("SpokenTexts", ", aan de beurt") : QString());
}

QString throwCounterText(const GameState& s) {
    return s.WorpTeller == 0 ? QCoreApplication::translate("SpokenTexts", "Nog niet gegooid")
                             : QCoreApplication::translate("SpokenTexts", "Worp %1 van 3").arg(s.WorpTeller);
}

QString sumText(const GameState& s) {
    return QCoreApplication::translate("SpokenTexts", "Som van de stenen: %1").arg(tableSum(s));
}

QString throwButtonText(const GameState& s) {
    if (s.throwing)
        return QCoreApplication::translate("SpokenTexts", "Gooien, de stenen rollen");
    if (gameOver(s))
        return QCoreApplication::translate("SpokenTexts", "Gooien, het spel is uit");
    if (s.WorpTeller >= 3)
        return QCoreApplication::translate("SpokenTexts", "Gooien, niet mogelijk na de derde worp");
    return QCoreApplication::translate("SpokenTexts", "Gooien, worp %1 van 3").arg(s.WorpTeller + 1);
}

QString announcement(const GameState& before, const GameState& after) {
    if (after.throwing)
        return {};
    const int player = before.AanDeBeurt;
    const bool turnPassed = after.AanDeBeurt != before.AanDeBeurt;
    const QString next = turnPassed && !gameOver(after)
                             ? QCoreApplication::translate("SpokenTexts", " %1 is aan de beurt.")
                                   .arg(playerName(after, after.AanDeBeurt))
                             : QString();
    for (int row = 0; row < CellCount && player >= 1 && player <= MaxPlayers; ++row) {
        if (!isCategoryRow(row))
            continue;
        if (!before.cells[player][row].scored && after.cells[player][row].scored) {
            QString text =
                QCoreApplication::translate("SpokenTexts", "%1 zet %2 bij %3.")
                    .arg(playerName(after, player), QString::number(after.cells[player][row].value), caption(row));
            if (after.BonusGegeven[player] && !before.BonusGegeven[player])
                text += QCoreApplication::translate("SpokenTexts", " Bonus behaald.");
            if (playerFinished(after, player))
                text += endText(after, player);
            return text + next;
        }
    }
    for (int row = 0; row < CellCount && after.AanDeBeurt >= 1 && after.AanDeBeurt <= MaxPlayers; ++row)
        if (isCategoryRow(row) && before.cells[after.AanDeBeurt][row].scored &&
            !after.cells[after.AanDeBeurt][row].scored)
            return QCoreApplication::translate("SpokenTexts", "Ongedaan gemaakt: %1 is weer open.").arg(caption(row)) +
                   next;
    if (after.WorpTeller > before.WorpTeller || (before.throwing && after.WorpTeller == before.WorpTeller))
        return throwText(after);
    if (!turnPassed && after.WorpTeller == before.WorpTeller) {
        QStringList holds;
        for (int die = 1; die <= DiceCount; ++die)
            if (before.Vastgezet[die] != after.Vastgezet[die])
                holds << QCoreApplication::translate("SpokenTexts", "Dobbelsteen %1 %2.")
                             .arg(die)
                             .arg(after.Vastgezet[die] ? QCoreApplication::translate("SpokenTexts", "vastgezet")
                                                       : QCoreApplication::translate("SpokenTexts", "losgelaten"));
        if (!holds.isEmpty())
            return holds.join(u' ');
    }
    return next.trimmed();
}

QString totalsText(const GameState& s) {
    const int p = s.AanDeBeurt;
    return QCoreApplication::translate("SpokenTexts", "%1: Totaal A %2, %3, Totaal B %4, Totaal %5.")
        .arg(playerName(s, p))
        .arg(s.TotaalA[p])
        .arg(bonusDistance(s, p))
        .arg(s.TotaalB[p])
        .arg(s.TotaalAB[p]);
}

QString turnText(const GameState& s) {
    if (gameOver(s))
        return QCoreApplication::translate("SpokenTexts", "Het spel is uit.");
    const QString who =
        QCoreApplication::translate("SpokenTexts", "%1 is aan de beurt. ").arg(playerName(s, s.AanDeBeurt));
    if (s.throwing)
        return who + QCoreApplication::translate("SpokenTexts", "De stenen rollen.");
    if (s.WorpTeller == 0)
        return who + QCoreApplication::translate("SpokenTexts", "Nog niet gegooid.");
    return who + throwText(s);
}

QString refusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::NoThrowsLeft:
        return QCoreApplication::translate("SpokenTexts",
                                           "Niet meer gooien: u hebt al drie keer gegooid. Kies een vak.");
    case Refusal::NotThrownYet: return QCoreApplication::translate("SpokenTexts", "Eerst gooien.");
    case Refusal::NotOnTurn: return QCoreApplication::translate("SpokenTexts", "U bent nu niet aan de beurt.");
    }
    return {};
}

QString gameOverText() {
    return QCoreApplication::translate("SpokenTexts", "Het spel is uit. Kies Bestand, Nieuw voor een nieuw spel.");
}

} // namespace kwintor
