#include "mainwindow/SheetTexts.h"

#include "platform/Links.h"

#include <QCoreApplication>
#include <QLocale>

namespace kwintor {

QString defaultPlayerName(int player) { return QCoreApplication::translate("SheetTexts", "Speler %1").arg(player); }

PlayerNames defaultPlayerNames() {
    PlayerNames names;
    for (int p = 1; p <= MaxPlayers; ++p)
        names[p] = defaultPlayerName(p).toStdString();
    return names;
}

QString helpText() {
    const QString lines[] = {
        QCoreApplication::translate(
            "SheetTexts", "  Welkom bij het bekende spel Kwintor. Een programma om te spelen van 1 tot 6 spelers."),
        QString(),
        QCoreApplication::translate(
            "SheetTexts",
            "       1. Selecteer het aantal spelers in het menu-item Spelers met de horizontale scrollbalk"),
        QCoreApplication::translate(
            "SheetTexts", "       2. Type vervolgens de voornamen in van het aantal spelers en druk op de Ok button"),
        QCoreApplication::translate(
            "SheetTexts", "       3. Start het spel door op de button Gooien te klikken om de dobbelstenen te werpen"),
        QCoreApplication::translate(
            "SheetTexts", "       4. Elke dobbelsteen kan worden vastgezet door op de dobbelsteen te klikken"),
        QCoreApplication::translate("SheetTexts",
                                    "       5. Per beurt kan elke speler maximaal 3 maal gooien met de dobbelstenen"),
        QCoreApplication::translate(
            "SheetTexts", "       6. Klik dan op één van de getallen onder de naam v/d speler om de score te plaatsen"),
        QCoreApplication::translate(
            "SheetTexts", "       7. Bij het einde van het spel kunnen de scores worden opgeslagen onder Spelers"),
        QCoreApplication::translate(
            "SheetTexts", "       8. De achtergrondkleuren kan men wijzigen met het menu-item Tools / Instellingen."),
        // The keys a player without a mouse needs most, on the line that stood empty.
        QCoreApplication::translate(
            "SheetTexts",
            "  Toetsen: T leest de totalen, W wie aan de beurt is en de worp, F10 of Alt opent de menu's."),
        QCoreApplication::translate("SheetTexts", "  Kwintor is gemaakt door %1, 2009. Vrij te gebruiken.")
            .arg(QLatin1String(links::Maker)),
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
        return QCoreApplication::translate("SheetTexts", "Kwintor van %1 - %2.")
            .arg(QLatin1String(links::Maker), moment.toString(QStringLiteral("yyyy")));
    case 1:
        return QCoreApplication::translate("SheetTexts", "Het is nu %1 / %2")
            .arg(locale.toString(moment.date(), QStringLiteral("dddd d MMMM yyyy")),
                 moment.time().toString(QStringLiteral("H:mm:ss")));
    case 2:
        return QCoreApplication::translate("SheetTexts", "Verzamelt u postzegels? Kijk eens op %1")
            .arg(QLatin1String(links::ZegelhofHost));
    case 3: return QCoreApplication::translate("SheetTexts", "Meer gratis software vindt u op %1").arg(site);
    case 4: return QCoreApplication::translate("SheetTexts", "Kwintor is een gratis programma van %1").arg(site);
    default:
        return QCoreApplication::translate("SheetTexts", "Informatie over grafische toepassingen: kijk op %1")
            .arg(site);
    }
}

} // namespace kwintor
