#include "mainwindow/SheetTexts.h"

#include "engine/GameState.h"
#include "platform/Links.h"

#include <QLocale>

namespace kwintor {

namespace {

struct RowText {
    const char* caption;
    const char* hint;
};

constexpr RowText RowTexts[CellCount] = {
    {"Totaal enen", ""},
    {"Totaal tweeen", ""},
    {"Totaal drieen", ""},
    {"Totaal vieren", ""},
    {"Totaal vijven", ""},
    {"Totaal zessen", ""},
    {"Totaal  A", ""},
    {"Bonus", ""},
    {"Drie gelijke", " 3 Gelijke stenen "},
    {"Vier gelijke", " 4 Gelijke stenen "},
    {"Kleine straat", " 4 Opeenvolgende "},
    {"Grote straat", " 5 Opeenvolgende "},
    {"Full house", " 2 Gelijke en 3 Gelijke "},
    {"Kans", " Totaal alle stenen "},
    {"Kwintor", " 5 dezelfde "},
    {"Totaal  B", ""},
    {"Totaal  A + B", ""},
};

} // namespace

QString rowCaption(int row) {
    return row >= 0 && row < CellCount ? QString::fromUtf8(RowTexts[row].caption) : QString();
}

QString rowHint(int row) { return row >= 0 && row < CellCount ? QString::fromUtf8(RowTexts[row].hint) : QString(); }

QString helpText() {
    const QString lines[] = {
        QStringLiteral("  Welkom bij het bekende spel Kwintor. Een programma om te spelen van 1 tot 6 spelers."),
        QString(),
        QStringLiteral("       1. Selecteer het aantal spelers in het menu-item Spelers met de horizontale scrollbalk"),
        QStringLiteral("       2. Type vervolgens de voornamen in van het aantal spelers en druk op de Ok button"),
        QStringLiteral("       3. Start het spel door op de button Gooien te klikken om de dobbelstenen te werpen"),
        QStringLiteral("       4. Elke dobbelsteen kan worden vastgezet door op de dobbelsteen te klikken"),
        QStringLiteral("       5. Per beurt kan elke speler maximaal 3 maal gooien met de dobbelstenen"),
        QStringLiteral("       6. Klik dan op één van de getallen onder de naam v/d speler om de score te plaatsen"),
        QStringLiteral("       7. Bij het einde van het spel kunnen de scores worden opgeslagen onder Spelers"),
        QStringLiteral("       8. De achtergrondkleuren kan men wijzigen met het menu-item Tools / Instellingen."),
        // The keys a player without a mouse needs most, on the line that stood empty.
        QStringLiteral("  Toetsen: T leest de totalen, W wie aan de beurt is en de worp, F10 of Alt opent de menu's."),
        QStringLiteral("  Kwintor is gemaakt door %1, 2009. Vrij te gebruiken.").arg(QLatin1String(links::Maker)),
        QStringLiteral("  %1  -  %2  -  %3")
            .arg(QLatin1String(links::MakerMail), QLatin1String(links::SoftwareSite),
                 QLatin1String(links::ZegelhofHost)),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString infoCaption(const QDateTime& moment) {
    const QLocale locale; // weekday and month in the user's language
    const QString site = QLatin1String(links::SoftwareSite);
    switch (moment.time().second() / 10) {
    case 0:
        return QStringLiteral("Kwintor van %1 - %2.")
            .arg(QLatin1String(links::Maker), moment.toString(QStringLiteral("yyyy")));
    case 1:
        return QStringLiteral("Het is nu ") + locale.toString(moment.date(), QStringLiteral("dddd d MMMM yyyy")) +
               QStringLiteral(" / ") + moment.time().toString(QStringLiteral("H:mm:ss"));
    case 2: return QStringLiteral("Verzamelt u postzegels? Kijk eens op %1").arg(QLatin1String(links::ZegelhofHost));
    case 3: return QStringLiteral("Meer gratis software vindt u op %1").arg(site);
    case 4: return QStringLiteral("Kwintor is een gratis programma van %1").arg(site);
    default: return QStringLiteral("Informatie over grafische toepassingen: kijk op %1").arg(site);
    }
}

} // namespace kwintor
