<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>ChanceChart</name>
    <message>
        <source>%1 %</source>
        <extracomment>A chance to win in percent, &quot;37,4 %&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>RowWords</name>
    <message>
        <source>Totaal enen</source>
        <translation>Ones</translation>
    </message>
    <message>
        <source>Totaal tweeen</source>
        <translation>Twos</translation>
    </message>
    <message>
        <source>Totaal drieen</source>
        <translation>Threes</translation>
    </message>
    <message>
        <source>Totaal vieren</source>
        <translation>Fours</translation>
    </message>
    <message>
        <source>Totaal vijven</source>
        <translation>Fives</translation>
    </message>
    <message>
        <source>Totaal zessen</source>
        <translation>Sixes</translation>
    </message>
    <message>
        <source>Totaal  A</source>
        <translation>Total  A</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Drie gelijke</source>
        <translation>Three of a kind</translation>
    </message>
    <message>
        <source> 3 Gelijke stenen </source>
        <translation> 3 dice the same </translation>
    </message>
    <message>
        <source>Vier gelijke</source>
        <translation>Four of a kind</translation>
    </message>
    <message>
        <source> 4 Gelijke stenen </source>
        <translation> 4 dice the same </translation>
    </message>
    <message>
        <source>Kleine straat</source>
        <translation>Small straight</translation>
    </message>
    <message>
        <source> 4 Opeenvolgende </source>
        <translation> 4 in a row </translation>
    </message>
    <message>
        <source>Grote straat</source>
        <translation>Large straight</translation>
    </message>
    <message>
        <source> 5 Opeenvolgende </source>
        <translation> 5 in a row </translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source> 2 Gelijke en 3 Gelijke </source>
        <translation> A pair and three the same </translation>
    </message>
    <message>
        <source>Kans</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source> Totaal alle stenen </source>
        <translation> Total of all dice </translation>
    </message>
    <message>
        <source>Kwintor</source>
        <translation>Kwintor</translation>
    </message>
    <message>
        <source> 5 dezelfde </source>
        <translation> 5 the same </translation>
    </message>
    <message>
        <source>Totaal  B</source>
        <translation>Total  B</translation>
    </message>
    <message>
        <source>Totaal  A + B</source>
        <translation>Total  A + B</translation>
    </message>
    <message>
        <source>Enen</source>
        <comment>category</comment>
        <translation>Ones</translation>
    </message>
    <message>
        <source>Tweeën</source>
        <comment>category</comment>
        <translation>Twos</translation>
    </message>
    <message>
        <source>Drieën</source>
        <comment>category</comment>
        <translation>Threes</translation>
    </message>
    <message>
        <source>Vieren</source>
        <comment>category</comment>
        <translation>Fours</translation>
    </message>
    <message>
        <source>Vijven</source>
        <comment>category</comment>
        <translation>Fives</translation>
    </message>
    <message>
        <source>Zessen</source>
        <comment>category</comment>
        <translation>Sixes</translation>
    </message>
    <message>
        <source>Drie gelijke</source>
        <comment>category</comment>
        <translation>3 of a kind</translation>
    </message>
    <message>
        <source>Vier gelijke</source>
        <comment>category</comment>
        <translation>4 of a kind</translation>
    </message>
    <message>
        <source>Kleine straat</source>
        <comment>category</comment>
        <translation>Small straight</translation>
    </message>
    <message>
        <source>Grote straat</source>
        <comment>category</comment>
        <translation>Large straight</translation>
    </message>
    <message>
        <source>Full house</source>
        <comment>category</comment>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Kans</source>
        <comment>category</comment>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Kwintor</source>
        <comment>category</comment>
        <translation>Kwintor</translation>
    </message>
</context>
<context>
    <name>SheetTexts</name>
    <message>
        <source>Speler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>  Welkom bij het bekende spel Kwintor. Een programma om te spelen van 1 tot 6 spelers.</source>
        <translation>  Welcome to the well-known game of Kwintor. A program for 1 to 6 players.</translation>
    </message>
    <message>
        <source>       1. Selecteer het aantal spelers in het menu-item Spelers met de horizontale scrollbalk</source>
        <translation>       1. Choose the number of players under the Players menu with the horizontal scroll bar</translation>
    </message>
    <message>
        <source>       2. Type vervolgens de voornamen in van het aantal spelers en druk op de Ok button</source>
        <translation>       2. Then type in the first names of the players and press the Ok button</translation>
    </message>
    <message>
        <source>       3. Start het spel door op de button Gooien te klikken om de dobbelstenen te werpen</source>
        <translation>       3. Start the game by clicking the Roll button to throw the dice</translation>
    </message>
    <message>
        <source>       4. Elke dobbelsteen kan worden vastgezet door op de dobbelsteen te klikken</source>
        <translation>       4. Any die can be held by clicking it</translation>
    </message>
    <message>
        <source>       5. Per beurt kan elke speler maximaal 3 maal gooien met de dobbelstenen</source>
        <translation>       5. Each player may roll the dice at most 3 times a turn</translation>
    </message>
    <message>
        <source>       6. Klik dan op één van de getallen onder de naam v/d speler om de score te plaatsen</source>
        <translation>       6. Then click one of the numbers under the player&apos;s name to score there</translation>
    </message>
    <message>
        <source>       7. Bij het einde van het spel kunnen de scores worden opgeslagen onder Spelers</source>
        <translation>       7. At the end of the game the scores can be kept under Players</translation>
    </message>
    <message>
        <source>       8. De achtergrondkleuren kan men wijzigen met het menu-item Tools / Instellingen.</source>
        <translation>       8. The background colours can be changed under Tools / Settings.</translation>
    </message>
    <message>
        <source>  Toetsen: T leest de totalen, W wie aan de beurt is en de worp, F10 of Alt opent de menu&apos;s.</source>
        <translation>  Keys: T reads the totals, W whose turn it is and the roll, F10 or Alt opens the menus.</translation>
    </message>
    <message>
        <source>  Kwintor is gemaakt door %1, 2009. Vrij te gebruiken.</source>
        <translation>  Kwintor was made by %1, 2009. Free to use.</translation>
    </message>
    <message>
        <source>Kwintor van %1 - %2.</source>
        <translation>Kwintor by %1 - %2.</translation>
    </message>
    <message>
        <source>Het is nu %1 / %2</source>
        <translation>It is now %1 / %2</translation>
    </message>
    <message>
        <source>Verzamelt u postzegels? Kijk eens op %1</source>
        <translation>Do you collect stamps? Have a look at %1</translation>
    </message>
    <message>
        <source>Meer gratis software vindt u op %1</source>
        <translation>More free software at %1</translation>
    </message>
    <message>
        <source>Kwintor is een gratis programma van %1</source>
        <translation>Kwintor is a free program from %1</translation>
    </message>
    <message>
        <source>Informatie over grafische toepassingen: kijk op %1</source>
        <translation>About graphics applications: see %1</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source> [PC]</source>
        <translation> [PC]</translation>
    </message>
    <message>
        <source>computerspeler</source>
        <translation>computer player</translation>
    </message>
    <message>
        <source>Aantal spelers : %1</source>
        <translation>Players : %1</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>een</source>
        <translation>one</translation>
    </message>
    <message>
        <source>twee</source>
        <translation>two</translation>
    </message>
    <message>
        <source>drie</source>
        <translation>three</translation>
    </message>
    <message>
        <source>vier</source>
        <translation>four</translation>
    </message>
    <message>
        <source>vijf</source>
        <translation>five</translation>
    </message>
    <message>
        <source>zes</source>
        <translation>six</translation>
    </message>
    <message>
        <source>1 punt</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 punten</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>bonus behaald</source>
        <translation>bonus earned</translation>
    </message>
    <message>
        <source>geen bonus</source>
        <translation>no bonus</translation>
    </message>
    <message>
        <source>nog %1 tot de bonus</source>
        <translation>%1 to go for the bonus</translation>
    </message>
    <message>
        <source>%1: %2. Som %3.</source>
        <translation>%1: %2. Sum %3.</translation>
    </message>
    <message>
        <source> %1 is klaar met %2.</source>
        <translation> %1 has finished with %2.</translation>
    </message>
    <message>
        <source> Het spel is uit. Uitslag: </source>
        <translation> The game is over. Final order: </translation>
    </message>
    <message>
        <source>Nu </source>
        <translation>Now </translation>
    </message>
    <message>
        <source>Dobbelsteen %1: </source>
        <translation>Die %1: </translation>
    </message>
    <message>
        <source>nog niet gegooid</source>
        <translation>not rolled yet</translation>
    </message>
    <message>
        <source>, vastgezet</source>
        <translation>, held</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>open, nu %1 waard</source>
        <translation>open, worth %1 now</translation>
    </message>
    <message>
        <source>, speelt niet mee</source>
        <translation>, not playing</translation>
    </message>
    <message>
        <source>, aan de beurt</source>
        <translation>, to play</translation>
    </message>
    <message>
        <source>Nog niet gegooid</source>
        <translation>Not rolled yet</translation>
    </message>
    <message>
        <source>Worp %1 van 3</source>
        <translation>Roll %1 of 3</translation>
    </message>
    <message>
        <source>Som van de stenen: %1</source>
        <translation>Sum of the dice: %1</translation>
    </message>
    <message>
        <source>Gooien, de stenen rollen</source>
        <translation>Roll, the dice are rolling</translation>
    </message>
    <message>
        <source>Gooien, het spel is uit</source>
        <translation>Roll, the game is over</translation>
    </message>
    <message>
        <source>Gooien, niet mogelijk na de derde worp</source>
        <translation>Roll, not possible after the third roll</translation>
    </message>
    <message>
        <source>Gooien, worp %1 van 3</source>
        <translation>Roll, roll %1 of 3</translation>
    </message>
    <message>
        <source> %1 is aan de beurt.</source>
        <translation> %1 to play.</translation>
    </message>
    <message>
        <source>%1 zet %2 bij %3.</source>
        <translation>%1 scores %2 in %3.</translation>
    </message>
    <message>
        <source> Bonus behaald.</source>
        <translation> Bonus earned.</translation>
    </message>
    <message>
        <source>Ongedaan gemaakt: %1 is weer open.</source>
        <translation>Undone: %1 is open again.</translation>
    </message>
    <message>
        <source>Dobbelsteen %1 %2.</source>
        <translation>Die %1 %2.</translation>
    </message>
    <message>
        <source>vastgezet</source>
        <translation>held</translation>
    </message>
    <message>
        <source>losgelaten</source>
        <translation>released</translation>
    </message>
    <message>
        <source>%1: Totaal A %2, %3, Totaal B %4, Totaal %5.</source>
        <translation>%1: Total A %2, %3, Total B %4, Total %5.</translation>
    </message>
    <message>
        <source>Het spel is uit.</source>
        <translation>The game is over.</translation>
    </message>
    <message>
        <source>%1 is aan de beurt. </source>
        <translation>%1 to play. </translation>
    </message>
    <message>
        <source>De stenen rollen.</source>
        <translation>The dice are rolling.</translation>
    </message>
    <message>
        <source>Nog niet gegooid.</source>
        <translation>Not rolled yet.</translation>
    </message>
    <message>
        <source>Niet meer gooien: u hebt al drie keer gegooid. Kies een vak.</source>
        <translation>No more rolls: you have rolled three times. Choose a box.</translation>
    </message>
    <message>
        <source>Eerst gooien.</source>
        <translation>Roll first.</translation>
    </message>
    <message>
        <source>U bent nu niet aan de beurt.</source>
        <translation>It is not your turn now.</translation>
    </message>
    <message>
        <source>Het spel is uit. Kies Bestand, Nieuw voor een nieuw spel.</source>
        <translation>The game is over. Choose File, New for a new game.</translation>
    </message>
</context>
<context>
    <name>kwintor::AnalyseForm</name>
    <message>
        <source>Koos %1</source>
        <translation>Chose %1</translation>
    </message>
    <message>
        <source>Gooide alles opnieuw</source>
        <translation>Rerolled everything</translation>
    </message>
    <message>
        <source>Hield %1 vast</source>
        <translation>Held %1</translation>
    </message>
    <message>
        <source>alles opnieuw gooien</source>
        <translation>reroll everything</translation>
    </message>
    <message>
        <source>%1 vasthouden</source>
        <translation>hold %1</translation>
    </message>
    <message>
        <source>%1 van de %2 keuzes waren de beste (%3 %).</source>
        <translation>%1 of %2 choices were the best (%3 %).</translation>
    </message>
    <message>
        <source>vast: niets</source>
        <translation>hold: nothing</translation>
    </message>
    <message>
        <source>vast: %1</source>
        <translation>hold: %1</translation>
    </message>
    <message>
        <source> Analyse</source>
        <translation> Analysis</translation>
    </message>
    <message>
        <source>De adviseur kiest steeds de zet met het hoogste verwachte eindtotaal van de eigen kolom; wat een keuze minder opleverde dan die zet, kostte punten.</source>
        <translation>The advisor always picks the move with the highest expected final total of the player&apos;s own column; whatever a choice yielded less than that move cost points.</translation>
    </message>
    <message>
        <source>De tabel van de adviseur wordt nog gemaakt. De analyse verschijnt zodra die klaar is.</source>
        <translation>The advisor&apos;s table is still being made. The analysis appears as soon as it is ready.</translation>
    </message>
    <message>
        <source>Opslaan...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>%1: %2 punten verloren in %3 keuzes</source>
        <translation>%1: %2 points lost in %3 choices</translation>
    </message>
    <message>
        <source>In dit spel is nog geen keuze gemaakt.</source>
        <translation>No choice has been made in this game yet.</translation>
    </message>
    <message>
        <source>Beurt</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Worp</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Stenen</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>Gekozen</source>
        <translation>Chosen</translation>
    </message>
    <message>
        <source>Verwacht</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Beste keuze</source>
        <translation>Best choice</translation>
    </message>
    <message>
        <source>Beste verwacht</source>
        <translation>Best expected</translation>
    </message>
    <message>
        <source>Kosten</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Alle keuzes van %1</source>
        <translation>All choices of %1</translation>
    </message>
    <message>
        <source>Geen keuze kostte punten.</source>
        <translation>No choice cost any points.</translation>
    </message>
    <message>
        <source>De duurste keuzes:</source>
        <translation>The costliest choices:</translation>
    </message>
    <message>
        <source>Beurt %1, worp %2</source>
        <translation>Turn %1, roll %2</translation>
    </message>
    <message>
        <source>%1 (verwacht %2); beter was %3 (%4): %5 punten verloren.</source>
        <translation>%1 (expected %2); better was %3 (%4): %5 points lost.</translation>
    </message>
    <message>
        <source>Punten verloren per beurt</source>
        <translation>Points lost per turn</translation>
    </message>
    <message>
        <source>speler,beurt,worp,steen 1,steen 2,steen 3,steen 4,steen 5,gekozen,beste keuze,verwacht gekozen,verwacht beste,kosten</source>
        <translation>player,turn,roll,die 1,die 2,die 3,die 4,die 5,chosen,best choice,expected chosen,expected best,cost</translation>
    </message>
    <message>
        <source> Analyse opslaan</source>
        <translation> Save analysis</translation>
    </message>
    <message>
        <source>CSV-bestanden (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Kon de analyse niet opslaan in<byte value="xd"/>
%1</source>
        <translation>Could not save the analysis in<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Winkans</source>
        <translation>Chance to win</translation>
    </message>
    <message>
        <source>Winkans na elke zet</source>
        <translation>Chance to win after every move</translation>
    </message>
    <message>
        <source>Zet</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Zet 0 is het begin van het spel; na elke zet de kans op winst van iedere speler, als iedereen vanaf daar speelt zoals Sterk.</source>
        <translation>Move 0 is the start of the game; after each move, every player&apos;s chance to win if everyone plays like the strong computer player from there on.</translation>
    </message>
    <message>
        <source>Wordt berekend...</source>
        <translation>Calculating...</translation>
    </message>
</context>
<context>
    <name>kwintor::ChanceChart</name>
    <message>
        <source>Nog geen gegevens.</source>
        <translation>No data yet.</translation>
    </message>
</context>
<context>
    <name>kwintor::Coach</name>
    <message>
        <source>Verwacht eindtotaal: %1</source>
        <translation>Expected final total: %1</translation>
    </message>
    <message>
        <source>Advies: plaats bij %1.</source>
        <translation>Advice: score it in %1.</translation>
    </message>
    <message>
        <source>Beter: nu plaatsen in %1 (verwacht eindtotaal %2)</source>
        <translation>Better: score it in %1 now (expected final total %2)</translation>
    </message>
    <message>
        <source>Advies: gooi alle stenen opnieuw.</source>
        <translation>Advice: reroll all the dice.</translation>
    </message>
    <message>
        <source>Advies: zet dobbelsteen %1 vast en gooi opnieuw.</source>
        <translation>Advice: hold die %1 and roll again.</translation>
    </message>
    <message>
        <source>Advies: zet dobbelstenen %1 en %2 vast en gooi opnieuw.</source>
        <translation>Advice: hold dice %1 and %2 and roll again.</translation>
    </message>
    <message>
        <source>Beter: opnieuw gooien met de gemarkeerde stenen vast (verwacht eindtotaal %1)</source>
        <translation>Better: roll again holding the marked dice (expected final total %1)</translation>
    </message>
</context>
<context>
    <name>kwintor::ComputerForm</name>
    <message>
        <source>Mens</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>Computer: makkelijk</source>
        <translation>Computer: easy</translation>
    </message>
    <message>
        <source>Computer: gemiddeld</source>
        <translation>Computer: medium</translation>
    </message>
    <message>
        <source>Computer: sterk</source>
        <translation>Computer: strong</translation>
    </message>
    <message>
        <source> Computerspelers</source>
        <translation> Computer players</translation>
    </message>
    <message>
        <source>Speler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Computer: meester</source>
        <translation>Computer: master</translation>
    </message>
</context>
<context>
    <name>kwintor::Config</name>
    <message>
        <source> Instellingen</source>
        <translation> Settings</translation>
    </message>
    <message>
        <source>Achtergrondkleur, rood</source>
        <translation>Background colour, red</translation>
    </message>
    <message>
        <source>Achtergrondkleur, groen</source>
        <translation>Background colour, green</translation>
    </message>
    <message>
        <source>Achtergrondkleur, blauw</source>
        <translation>Background colour, blue</translation>
    </message>
    <message>
        <source>Achtergrondkleur</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Dobbelsteenkleur</source>
        <translation>Dice colour</translation>
    </message>
    <message>
        <source>0 grijs, 1 rood, 2 groen</source>
        <translation>0 grey, 1 red, 2 green</translation>
    </message>
    <message>
        <source>grijs</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>rood</source>
        <translation>red</translation>
    </message>
    <message>
        <source>groen</source>
        <translation>green</translation>
    </message>
    <message>
        <source>Voorbeeldsteen, %1</source>
        <translation>Sample die, %1</translation>
    </message>
    <message>
        <source>Dobbelsteenkleur %1</source>
        <translation>Dice colour %1</translation>
    </message>
</context>
<context>
    <name>kwintor::CostChart</name>
    <message>
        <source>Geen gegevens.</source>
        <translation>No data.</translation>
    </message>
</context>
<context>
    <name>kwintor::DiceTray</name>
    <message>
        <source>Gooien</source>
        <translation>Roll</translation>
    </message>
</context>
<context>
    <name>kwintor::FormDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>kwintor::FormPrinter</name>
    <message>
        <source> Print</source>
        <translation> Print</translation>
    </message>
    <message>
        <source>Full House (2 dezelfde + 3 dezelfde) = 25, Kleine straat (4 opeenvolgend) = 30, Grote straat (5 opeenvolgend) = 40, Kwintor (5 dezelfde) = 50 punten.</source>
        <translation>Full House (2 the same + 3 the same) = 25, Small straight (4 in a row) = 30, Large straight (5 in a row) = 40, Kwintor (5 the same) = 50 points.</translation>
    </message>
    <message>
        <source>Kwintor formulieren</source>
        <translation>Kwintor score forms</translation>
    </message>
    <message>
        <source>Het afdrukken is mislukt. Controleer de printer.</source>
        <translation>Printing failed. Please check the printer.</translation>
    </message>
    <message>
        <source>Er is geen printer gevonden en de formulieren konden niet worden opgeslagen in %1.</source>
        <translation>No printer was found, and the forms could not be saved in %1.</translation>
    </message>
    <message>
        <source>De formulieren staan in<byte value="xd"/>
%1</source>
        <translation>The forms are in<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>kwintor::Main</name>
    <message>
        <source> Kwintor</source>
        <translation> Kwintor</translation>
    </message>
    <message>
        <source>U bent nu niet aan de beurt!</source>
        <translation>It is not your turn now!</translation>
    </message>
    <message>
        <source>Wilt u het spel opnieuw spelen?</source>
        <translation>Do you want to play the game again?</translation>
    </message>
    <message>
        <source> Nieuw</source>
        <translation> New</translation>
    </message>
    <message>
        <source>Wilt u Kwintor formulieren afdrukken?</source>
        <translation>Do you want to print Kwintor score forms?</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Print</translation>
    </message>
    <message>
        <source>Het vorige spel is niet afgemaakt. Wilt u het afmaken?</source>
        <translation>The previous game was not finished. Do you want to finish it?</translation>
    </message>
    <message>
        <source>Spelers: %1<byte value="xd"/>
Ronde %2 van %3; %4 is aan de beurt.</source>
        <translation>Players: %1<byte value="xd"/>
Round %2 of %3; %4 to play.</translation>
    </message>
    <message>
        <source> Spel</source>
        <translation> Game</translation>
    </message>
    <message>
        <source>Wilt u dit programma nu afsluiten?</source>
        <translation>Do you want to quit the program now?</translation>
    </message>
    <message>
        <source> Exit programma</source>
        <translation> Exit program</translation>
    </message>
    <message>
        <source>Kon niet opslaan:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Toch afsluiten? Dan gaan de wijzigingen verloren.</source>
        <translation>Could not save:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Quit anyway? Then the changes are lost.</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Ongedaan maken</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Print Formulieren</source>
        <translation>Print Forms</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Aantal Speler</source>
        <translation>Number of Players</translation>
    </message>
    <message>
        <source>Computerspelers...</source>
        <translation>Computer Players...</translation>
    </message>
    <message>
        <source>Scorelijst</source>
        <translation>Score List</translation>
    </message>
    <message>
        <source>Statistieken</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Instellingen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Advies</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>Toon mogelijke score</source>
        <translation>Show Possible Score</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Spelregels</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Zegelhof</source>
        <translation>Zegelhof</translation>
    </message>
    <message>
        <source>Meer Software</source>
        <translation>More Software</translation>
    </message>
    <message>
        <source>&amp;Bestand</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Spelers</source>
        <translation>&amp;Players</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Het adres kon niet worden geopend. Open het zelf in uw browser:<byte value="xd"/>
</source>
        <translation>The address could not be opened. Please open it in your browser:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Het bestand kon niet worden geopend. Open het zelf:<byte value="xd"/>
</source>
        <translation>The file could not be opened. Please open it yourself:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> Zegelhof</source>
        <translation> Zegelhof</translation>
    </message>
    <message>
        <source> Meer Software</source>
        <translation> More Software</translation>
    </message>
    <message>
        <source>Winkans</source>
        <translation>Chance to Win</translation>
    </message>
    <message>
        <source>Score van %1 toegevoegen aan de<byte value="xd"/>
scorelijst voor %2?</source>
        <translation>Add the score of %1 to the<byte value="xd"/>
score list for %2?</translation>
    </message>
    <message>
        <source> Score</source>
        <translation> Score</translation>
    </message>
    <message>
        <source>De scorelijst is vol (%1 namen). Verwijder eerst namen uit de lijst.</source>
        <translation>The score list is full (%1 names). Remove some names from the list first.</translation>
    </message>
    <message>
        <source> Scorelijst</source>
        <translation> Score list</translation>
    </message>
</context>
<context>
    <name>kwintor::Plaatjes</name>
    <message>
        <source>Spel</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Totaal enen</source>
        <translation>Ones</translation>
    </message>
    <message>
        <source>Totaal tweeen</source>
        <translation>Twos</translation>
    </message>
    <message>
        <source>Totaal drieen</source>
        <translation>Threes</translation>
    </message>
    <message>
        <source>Totaal vieren</source>
        <translation>Fours</translation>
    </message>
    <message>
        <source>Totaal vijven</source>
        <translation>Fives</translation>
    </message>
    <message>
        <source>Totaal zessen</source>
        <translation>Sixes</translation>
    </message>
    <message>
        <source>Subtotaal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>35 punten bij 63 of meer</source>
        <translation>35 points at 63 or more</translation>
    </message>
    <message>
        <source>Totaal A</source>
        <translation>Total A</translation>
    </message>
    <message>
        <source>3 dezelfde</source>
        <translation>3 of a kind</translation>
    </message>
    <message>
        <source>4 dezelfde</source>
        <translation>4 of a kind</translation>
    </message>
    <message>
        <source>Kleine straat</source>
        <translation>Small straight</translation>
    </message>
    <message>
        <source>Grote straat</source>
        <translation>Large straight</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Kans</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Kwintor</source>
        <translation>Kwintor</translation>
    </message>
    <message>
        <source>Totaal B</source>
        <translation>Total B</translation>
    </message>
    <message>
        <source>Totaal A + B</source>
        <translation>Total A + B</translation>
    </message>
    <message>
        <source>Naam :</source>
        <translation>Name :</translation>
    </message>
</context>
<context>
    <name>kwintor::QtPlatform</name>
    <message>
        <source>Kwintor</source>
        <translation>Kwintor</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nee</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kwintor::RulesDocument</name>
    <message>
        <source> Spelregels</source>
        <translation> Rules</translation>
    </message>
    <message>
        <source>De spelregels zijn niet gevonden. Gezocht in:</source>
        <translation>The rules were not found. Looked in:</translation>
    </message>
</context>
<context>
    <name>kwintor::ScoreForm</name>
    <message>
        <source> Scorelijst</source>
        <translation> Score list</translation>
    </message>
    <message>
        <source>Scorelijst</source>
        <translation>Score List</translation>
    </message>
    <message>
        <source>%1 namen in de lijst</source>
        <translation>%1 names in the list</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Wilt u %1 verwijderen uit de lijst?</source>
        <translation>Do you want to remove %1 from the list?</translation>
    </message>
    <message>
        <source> Delete</source>
        <translation> Delete</translation>
    </message>
    <message>
        <source>Eerst een naam selecteren...</source>
        <translation>Select a name first...</translation>
    </message>
    <message>
        <source> Foutje</source>
        <translation> Oops</translation>
    </message>
    <message>
        <source>Wilt u alle %1 namen verwijderen?</source>
        <translation>Do you want to remove all %1 names?</translation>
    </message>
    <message>
        <source> Delete All</source>
        <translation> Delete All</translation>
    </message>
</context>
<context>
    <name>kwintor::ScoreHistogram</name>
    <message>
        <source>%1 tot %2 punten: %3.</source>
        <translation>%1 to %2 points: %3.</translation>
    </message>
    <message>
        <source>1 spel</source>
        <translation>1 game</translation>
    </message>
    <message>
        <source>%1 spellen</source>
        <translation>%1 games</translation>
    </message>
    <message>
        <source>Geen scores.</source>
        <translation>No scores.</translation>
    </message>
</context>
<context>
    <name>kwintor::ScoreSheet</name>
    <message>
        <source>Aantal spelers : 1</source>
        <translation>Players : 1</translation>
    </message>
    <message>
        <source>Totaal  A</source>
        <translation>Total  A</translation>
    </message>
    <message>
        <source>Bij 63 of meer 35 punten extra</source>
        <translation>35 points extra at 63 or more</translation>
    </message>
    <message>
        <source>Totaal  B</source>
        <translation>Total  B</translation>
    </message>
    <message>
        <source>Totaal  A + B</source>
        <translation>Total  A + B</translation>
    </message>
</context>
<context>
    <name>kwintor::SpelerForm</name>
    <message>
        <source>%1 Speler</source>
        <translation>%1 Player</translation>
    </message>
    <message>
        <source>%1 Spelers</source>
        <translation>%1 Players</translation>
    </message>
    <message>
        <source> Spelers</source>
        <translation> Players</translation>
    </message>
    <message>
        <source> Dubbelklik is nieuw </source>
        <translation> Double-click for a new name </translation>
    </message>
    <message>
        <source>Naam speler %1</source>
        <translation>Name of player %1</translation>
    </message>
    <message>
        <source>Aantal spelers</source>
        <translation>Number of players</translation>
    </message>
</context>
<context>
    <name>kwintor::StatistiekForm</name>
    <message>
        <source> Statistieken</source>
        <translation> Statistics</translation>
    </message>
    <message>
        <source>Statistieken per naam</source>
        <translation>Statistics by name</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Spellen</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Beste</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Slechtste</source>
        <translation>Worst</translation>
    </message>
    <message>
        <source>Gemiddeld</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Nog geen scores op de lijst.</source>
        <translation>No scores on the list yet.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Scores van alle namen</source>
        <translation>Scores of all names</translation>
    </message>
    <message>
        <source>Kies een naam</source>
        <translation>Choose a name</translation>
    </message>
    <message>
        <source>Scores van %1</source>
        <translation>Scores of %1</translation>
    </message>
    <message>
        <source>Gemiddeld verlies per spel</source>
        <translation>Mean loss per game</translation>
    </message>
    <message>
        <source>Spel</source>
        <translation>Game</translation>
    </message>
</context>
<context>
    <name>kwintor::Titel</name>
    <message>
        <source>Klik op het plaatje om te beginnen...</source>
        <translation>Click the picture to begin...</translation>
    </message>
    <message>
        <source>Kwintor. Druk op Enter om te beginnen.</source>
        <translation>Kwintor. Press Enter to begin.</translation>
    </message>
    <message>
        <source>Kwintor, een dobbelspel
© 2026 %1
Alle rechten voorbehouden.
E-mail :</source>
        <translation>Kwintor, a dice game
© 2026 %1
All rights reserved.
E-mail :</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <translation>Made by %1</translation>
    </message>
    <message>
        <source>Copyright © 2026, all rights reserved.</source>
        <translation>Copyright © 2026, all rights reserved.</translation>
    </message>
    <message>
        <source>For 32-bit computers with Windows Development.</source>
        <translation>For 32-bit computers with Windows Development.</translation>
    </message>
    <message>
        <source>Version number : </source>
        <translation>Version number : </translation>
    </message>
    <message>
        <source>Filesize............. : </source>
        <translation>Filesize............. : </translation>
    </message>
    <message>
        <source> Bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source>Filedate............ : </source>
        <translation>Filedate............ : </translation>
    </message>
    <message>
        <source>Screen............. : </source>
        <translation>Screen............. : </translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>Dpi................... : </source>
        <translation>Dpi................... : </translation>
    </message>
    <message>
        <source>Time / Date..... :</source>
        <translation>Time / Date..... :</translation>
    </message>
</context>
<context>
    <name>kwintor::UitslagForm</name>
    <message>
        <source> en </source>
        <translation> and </translation>
    </message>
    <message>
        <source>computer, makkelijk</source>
        <translation>computer, easy</translation>
    </message>
    <message>
        <source>computer, gemiddeld</source>
        <translation>computer, medium</translation>
    </message>
    <message>
        <source>computer, sterk</source>
        <translation>computer, strong</translation>
    </message>
    <message>
        <source> Uitslag</source>
        <translation> Results</translation>
    </message>
    <message>
        <source>%1: %2 punten.</source>
        <translation>%1: %2 points.</translation>
    </message>
    <message>
        <source>%1 wint met %2 punten.</source>
        <translation>%1 wins with %2 points.</translation>
    </message>
    <message>
        <source>%1 delen de eerste plaats met %2 punten.</source>
        <translation>%1 share first place with %2 points.</translation>
    </message>
    <message>
        <source>Plaats</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Totaal A</source>
        <translation>Total A</translation>
    </message>
    <message>
        <source>Totaal B</source>
        <translation>Total B</translation>
    </message>
    <message>
        <source>Totaal</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1e plaats: </source>
        <translation>Place %1: </translation>
    </message>
    <message>
        <source>%1, Totaal A %2, Totaal B %3, Totaal %4.</source>
        <translation>%1, Total A %2, Total B %3, Total %4.</translation>
    </message>
    <message>
        <source>Uitslag</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Nieuw spel</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>computer, meester</source>
        <translation>computer, master</translation>
    </message>
</context>
<context>
    <name>kwintor::WinChanceWatch</name>
    <message>
        <source>%1 heeft nu de grootste winkans, %2.</source>
        <translation>%1 now has the best chance to win, %2.</translation>
    </message>
    <message>
        <source>Winkans: %1.</source>
        <translation>Chance to win: %1.</translation>
    </message>
</context>
<context>
    <name>kwintor::WinkansForm</name>
    <message>
        <source> Winkans</source>
        <translation> Chance to win</translation>
    </message>
    <message>
        <source>De kans dat een speler het hoogste eindtotaal haalt, als vanaf nu iedere speler speelt zoals Sterk: steeds de zet met het hoogste verwachte eindtotaal van de eigen kolom.</source>
        <translation>The chance that a player finishes with the highest total, if from now on every player plays like the strong computer player: always the move with the highest expected final total of his own column.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One player&apos;s chance to win: &quot;Anna: 37,4 %&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Winkans na elke ronde</source>
        <translation>Chance to win after every round</translation>
    </message>
    <message>
        <source>Ronde</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Wordt berekend...</source>
        <translation>Calculating...</translation>
    </message>
    <message>
        <source>De tabel van de adviseur wordt nog gemaakt.</source>
        <translation>The advisor&apos;s table is still being made.</translation>
    </message>
</context>
</TS>
