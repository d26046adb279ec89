#include "engine/Game.h"
#include "persistence/SavedGame.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

// The plan of a whole column: dice for each category and the row it goes to.
const QStringList Plan{"t11123 p0", "t22256 p1", "t33311 p2", "t44441 p3", "t55522 p4", "t66612 p5", "t55532 p8",
                       "t66633 p9", "t12346 p10", "t23456 p11", "t33322 p12", "t65465 p13", "t44444 p14"};

// "n3" chooses 3 players with `names`, "t12345" throws (a held die keeps its face), "h15" toggles
// the holds of dice 1 and 5, "p8" places the player on turn in row 8, "N" starts a new game,
// "b" begins a throw that is still rolling.
void play(Game& game, const QString& script, const QStringList& names = {})
{
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString arg = step.mid(1);
        switch (step.at(0).toLatin1()) {
        case 'n': {
            std::array<std::string, MaxPlayers + 1> chosen;
            for (int p = 1; p <= MaxPlayers; ++p) chosen[p] = names.value(p - 1, QString("Speler %1").arg(p)).toStdString();
            game.choosePlayers(arg.toInt(), chosen);
            break;
        }
        case 't':
            QVERIFY(game.beginThrow());
            for (int i = 1; i <= DiceCount; ++i) game.settleDie(i, arg.at(i - 1).digitValue());
            game.endThrow();
            break;
        case 'h':
            for (QChar die : arg) game.toggleHold(die.digitValue());
            break;
        case 'p': QVERIFY(game.place(game.state().AanDeBeurt, arg.toInt()) >= PlaceResult::Placed); break;
        case 'N': QVERIFY(game.newGame()); break;
        case 'b': QVERIFY(game.beginThrow()); break;
        }
    }
}

// Every field of a kept game, one text each, so that a comparison names the field that differs.
QStringList fieldsOf(const KeptGame& game)
{
    const GameState& s = game.state;
    QStringList f;
    for (int i = 1; i <= DiceCount; ++i)
        f << QString("DobbelWaarde(%1) %2").arg(i).arg(s.DobbelWaarde[i]) << QString("Vastgezet(%1) %2").arg(i).arg(s.Vastgezet[i]);
    f << QString("DobbelSom %1").arg(s.DobbelSom) << QString("WorpTeller %1").arg(s.WorpTeller)
      << QString("ScoreGeplaatst %1").arg(s.ScoreGeplaatst) << QString("AanDeBeurt %1").arg(s.AanDeBeurt)
      << QString("AantalSpelers %1").arg(s.AantalSpelers) << QString("throwing %1").arg(s.throwing);
    for (int p = 1; p <= MaxPlayers; ++p) {
        f << QString("SpelerNaam(%1) %2").arg(p).arg(QString::fromStdString(s.SpelerNaam[p]))
          << QString("kind(%1) %2").arg(p).arg(game.kinds[p]) << QString("TotaalA(%1) %2").arg(p).arg(s.TotaalA[p])
          << QString("TotaalB(%1) %2").arg(p).arg(s.TotaalB[p]) << QString("TotaalAB(%1) %2").arg(p).arg(s.TotaalAB[p])
          << QString("BonusGegeven(%1) %2").arg(p).arg(s.BonusGegeven[p]);
        for (int row = 0; row < CellCount; ++row) {
            const Cell& c = s.cells[p][row];
            f << QString("cell(%1, %2) %3 open %4 scored %5").arg(p).arg(row).arg(QString::fromStdString(c.text)).arg(c.open).arg(c.scored);
        }
    }
    return f;
}

// A game of two in mid-turn, as a file; the damaged rows change lines of it.
QByteArray twoPlayerFile()
{
    Game game;
    play(game, "n2 t33322 p12 t66662 p5 t12345 h123 t12346", {"Anna", "Bas"});
    return QByteArray::fromStdString(keptGameText({game.state(), {0, 0, 2, 0, 0, 0, 0}}));
}

// The file with the line that starts with `start` replaced by `line`.
QByteArray withLine(const QByteArray& file, const QByteArray& start, const QByteArray& line)
{
    QList<QByteArray> lines = file.split('\n');
    for (QByteArray& l : lines)
        if (l.startsWith(start)) {
            l = line + "\r";
            return lines.join('\n');
        }
    qFatal("no line starts with %s", start.constData());
}

// A game of one in which player 1 scored `value` in `row` and nothing else, totals and bonus as
// they then are: only the value itself can be wrong.
QByteArray scoredOnce(int row, int value)
{
    Game game;
    play(game, "t12345");
    GameState s = game.state();
    s.cells[1][row] = Cell{std::to_string(value), false, true};
    const int a = isUpperRow(row) ? value : 0, b = isLowerRow(row) ? value : 0, bonus = a >= 63 ? 35 : 0;
    s.TotaalA[1] = a;
    s.TotaalB[1] = b;
    s.BonusGegeven[1] = bonus > 0;
    s.TotaalAB[1] = a + b + bonus;
    s.cells[1][RowTotalA].text = std::to_string(a);
    s.cells[1][RowTotalB].text = std::to_string(b);
    s.cells[1][RowBonus].text = std::to_string(bonus);
    s.cells[1][RowGrandTotal].text = std::to_string(a + b + bonus);
    return QByteArray::fromStdString(keptGameText({s, {}}));
}

} // namespace

// The game kept for the next start, "Spel.sav": it reads back as it was written, at every stage
// of a game, and a file that is damaged or newer is never trusted.
class SavedGameTest : public QObject {
    Q_OBJECT
private slots:
    void keptGameReadsBackFieldByField_data();
    void keptGameReadsBackFieldByField();
    void damagedOrNewerFileIsNotTrusted_data();
    void damagedOrNewerFileIsNotTrusted();
    void aRollingThrowIsNotWrittenAndTheFileKeepsTheGameBeforeIt();
    void keptGameIsRemovedOrSetAside();
};

void SavedGameTest::keptGameReadsBackFieldByField_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("kinds"); // players 1..6
    QTest::addColumn<bool>("worthKeeping");

    const QList<int> people{0, 0, 0, 0, 0, 0};
    QTest::newRow("before the first throw of a game") << "n2" << QStringList{"Anna", "Bas"} << people << false;
    QTest::newRow("after the first throw") << "n2 t33322" << QStringList{"Anna", "Bas"} << people << true;
    QTest::newRow("after the second throw, with holds") << "n2 t33322 h345 t61322 h1" << QStringList{"Anna"} << people << true;
    QTest::newRow("after the third throw, with holds") << "n2 t33322 h345 t61322 h12 t61344 h5" << QStringList{} << people << true;
    QTest::newRow("a later turn before its first throw") << "n2 t33322 p12 t66662 p5" << QStringList{} << people << true;
    QString twoPlayers = "n2";
    for (int k = 0; k < CategoryCount; ++k) // player 2 plays the plan one turn ahead, and is one short
        twoPlayers += ' ' + Plan[k] + (k < CategoryCount - 1 ? ' ' + Plan[k + 1] : QString());
    QTest::newRow("one player finished") << twoPlayers << QStringList{"Anna", "Bas"} << people << true;
    QTest::newRow("one player, bonus given") << "t66666 p5 t55555 p4 t44442 p3 t11116" << QStringList{"Émile"} << people << true;
    QTest::newRow("one player, column full") << Plan.join(' ') << QStringList{} << people << false;
    QTest::newRow("six players, names of every kind")
        << "n6 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t66612 h123"
        << QStringList{"Anna", "Jan, de Vries", "\"Bo\" \"Bos\"", "<s>Ann</s> & Zoë", "", "x\",\"y"} << people << true;
    QTest::newRow("computer players") << "n4 t22256 p1" << QStringList{} << QList<int>{0, 1, 2, 3, 3, 1} << true;
    QTest::newRow("fewer players than the turn") << "n4 t11111 p0 t11111 p0 n2 t44444" << QStringList{} << people << true;
    QTest::newRow("a new game after a throw") << "n3 t11111 p0 t55555 N" << QStringList{} << people << false;
}

void SavedGameTest::keptGameReadsBackFieldByField()
{
    QFETCH(QString, script);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, kinds);
    QFETCH(bool, worthKeeping);

    Game game;
    play(game, script, names);
    KeptGame kept{game.state(), {}};
    for (int p = 1; p <= MaxPlayers; ++p) kept.kinds[p] = kinds[p - 1];
    QCOMPARE(isWorthKeeping(kept.state), worthKeeping);

    QTemporaryDir dir;
    const std::string path = dir.filePath("Spel.sav").toStdString();
    QVERIFY(writeKeptGame(path, kept));
    KeptGame read;
    QCOMPARE(readKeptGame(path, read), KeptGameRead::Ok);
    QCOMPARE(fieldsOf(read), fieldsOf(kept));
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});

    // Taken up again, the game plays on exactly as the one it was written from.
    Game resumed;
    resumed.restore(read.state);
    if (game.canThrow()) {
        play(game, "t65432");
        play(resumed, "t65432");
    }
    const int p = game.state().AanDeBeurt;
    QCOMPARE(resumed.place(p, RowEnen), game.place(p, RowEnen));
    QCOMPARE(fieldsOf({resumed.state(), read.kinds}), fieldsOf({game.state(), kept.kinds}));
}

void SavedGameTest::damagedOrNewerFileIsNotTrusted_data()
{
    using enum KeptGameRead;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<KeptGameRead>("result");

    const QByteArray file = twoPlayerFile();
    QTest::newRow("the file as written") << file << Ok;
    QTest::newRow("newer version") << withLine(file, "\"Versie\"", "\"Versie\",2") << NewerVersion;
    QTest::newRow("newer version, other lines") << Headers + "\"Versie\",3\r\n\"Iets nieuws\",1\r\n" << NewerVersion;
    QTest::newRow("version 0") << withLine(file, "\"Versie\"", "\"Versie\",0") << Damaged;
    QTest::newRow("no version") << Headers + file.mid(Headers.size() + 12) << Damaged;
    QTest::newRow("empty") << QByteArray("") << Damaged;
    QTest::newRow("headers only") << Headers << Damaged;
    QTest::newRow("cut short in a line") << file.left(file.size() - 5) << Damaged;
    QTest::newRow("cut short at a line end") << file.left(file.lastIndexOf("\"Totaal A+B\",2")) << Damaged;
    QTest::newRow("last line end lost") << file.left(file.size() - 2) << Damaged;
    QTest::newRow("a line too many") << file + "\"Versie\",1\r\n" << Damaged;
    QTest::newRow("NUL byte") << QByteArray(file).replace("Anna", QByteArray("An\0a", 4)) << Damaged;
    QTest::newRow("not UTF-8") << QByteArray(file).replace("Anna", "Ann\xE9") << Damaged;
    QTest::newRow("name without its closing quote") << withLine(file, "\"Naam\",1", "\"Naam\",1,\"Anna") << Damaged;
    QTest::newRow("names swapped") << withLine(file, "\"Naam\",1", "\"Naam\",2,\"Anna\"") << Damaged;
    QTest::newRow("a die 7") << withLine(file, "\"Dobbelstenen\"", "\"Dobbelstenen\",1,2,3,4,7") << Damaged;
    QTest::newRow("a blank die after a throw") << withLine(withLine(file, "\"Dobbelstenen\"", "\"Dobbelstenen\",1,2,3,4,0"), "\"Som\"", "\"Som\",10") << Damaged;
    QTest::newRow("sum not the dice") << withLine(file, "\"Som\"", "\"Som\",15") << Damaged;
    QTest::newRow("four throws") << withLine(file, "\"Worp\"", "\"Worp\",4") << Damaged;
    QTest::newRow("placed after a throw") << withLine(file, "\"Geplaatst\"", "\"Geplaatst\",1") << Damaged;
    QTest::newRow("hold 2") << withLine(file, "\"Vast\"", "\"Vast\",1,1,2,0,0") << Damaged;
    QTest::newRow("no players") << withLine(file, "\"Spelers\"", "\"Spelers\",0") << Damaged;
    QTest::newRow("seven players") << withLine(file, "\"Spelers\"", "\"Spelers\",7") << Damaged;
    QTest::newRow("turn 7") << withLine(file, "\"Aan de beurt\"", "\"Aan de beurt\",7") << Damaged;
    QTest::newRow("kind 4") << withLine(file, "\"Soort\",3", "\"Soort\",3,4") << Damaged;
    QTest::newRow("negative") << withLine(file, "\"Worp\"", "\"Worp\",-1") << Damaged;
    QTest::newRow("not a number") << withLine(file, "\"Worp\"", "\"Worp\",twee") << Damaged;
    QTest::newRow("a number too large") << withLine(file, "\"Worp\"", "\"Worp\",99999999999") << Damaged;
    QTest::newRow("a field too many") << withLine(file, "\"Worp\"", "\"Worp\",2,2") << Damaged;
    QTest::newRow("total A off") << withLine(file, "\"Totalen\",1", "\"Totalen\",1,25,25,0,50") << Damaged;
    QTest::newRow("grand total off") << withLine(file, "\"Totalen\",1", "\"Totalen\",1,0,25,0,26") << Damaged;
    QTest::newRow("bonus below 63") << withLine(file, "\"Totalen\",1", "\"Totalen\",1,0,25,1,60") << Damaged;
    QTest::newRow("total cell off") << withLine(file, "\"Totaal A\",1", "\"Totaal A\",1,1,0,23") << Damaged;
    QTest::newRow("bonus cell off") << withLine(file, "\"Bonus\",1", "\"Bonus\",1,1,0,35") << Damaged;
    QTest::newRow("an open cell scored") << withLine(file, "\"Full house\",1", "\"Full house\",1,1,1,25") << Damaged;
    QTest::newRow("an open cell with a value") << withLine(file, "\"Kans\",1", "\"Kans\",1,1,0,20") << Damaged;
    QTest::newRow("a total scored") << withLine(file, "\"Totaal B\",2", "\"Totaal B\",2,0,1,0") << Damaged;
    QTest::newRow("open in a column not in play") << withLine(file, "\"Kans\",3", "\"Kans\",3,1,0,0") << Damaged;
    QTest::newRow("ones 5") << scoredOnce(RowEnen, 5) << Ok;
    QTest::newRow("ones 6") << scoredOnce(RowEnen, 6) << Damaged;
    QTest::newRow("threes 15") << scoredOnce(RowDrieen, 15) << Ok;
    QTest::newRow("threes 10") << scoredOnce(RowDrieen, 10) << Damaged;
    QTest::newRow("threes 18") << scoredOnce(RowDrieen, 18) << Damaged;
    QTest::newRow("three of a kind 4") << scoredOnce(RowDrieGelijke, 4) << Damaged;
    QTest::newRow("four of a kind 30") << scoredOnce(RowVierGelijke, 30) << Ok;
    QTest::newRow("four of a kind 31") << scoredOnce(RowVierGelijke, 31) << Damaged;
    QTest::newRow("small straight 40") << scoredOnce(RowKleineStraat, 40) << Damaged;
    QTest::newRow("large straight 30") << scoredOnce(RowGroteStraat, 30) << Damaged;
    QTest::newRow("full house 24") << scoredOnce(RowFullHouse, 24) << Damaged;
    QTest::newRow("chance 5") << scoredOnce(RowKans, 5) << Ok;
    QTest::newRow("chance 3") << scoredOnce(RowKans, 3) << Damaged;
    QTest::newRow("five of a kind 25") << scoredOnce(RowKwintor, 25) << Damaged;
    QTest::newRow("five of a kind 50") << scoredOnce(RowKwintor, 50) << Ok;
}

void SavedGameTest::damagedOrNewerFileIsNotTrusted()
{
    QFETCH(QByteArray, bytes);
    QFETCH(KeptGameRead, result);

    KeptGame game;
    game.kinds[1] = 42;
    QCOMPARE(parseKeptGame(bytes.toStdString(), game), result);
    QCOMPARE(game.kinds[1] == 42, result != KeptGameRead::Ok); // nothing taken from a file not trusted
}

void SavedGameTest::aRollingThrowIsNotWrittenAndTheFileKeepsTheGameBeforeIt()
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Spel.sav").toStdString();
    Game game;
    play(game, "t12345 h12");
    QVERIFY(writeKeptGame(path, {game.state(), {}}));
    const QByteArray before = fileBytes(dir.filePath("Spel.sav"));
    play(game, "b");
    QVERIFY(!writeKeptGame(path, {game.state(), {}}));
    QCOMPARE(fileBytes(dir.filePath("Spel.sav")), before);
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
}

void SavedGameTest::keptGameIsRemovedOrSetAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Spel.sav");
    QVERIFY(writeBytes(path, "oud") && setKeptGameAside(path.toStdString()));
    QVERIFY(writeBytes(path, "nieuw") && setKeptGameAside(path.toStdString()));
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav.bak"});
    QCOMPARE(fileBytes(path + ".bak"), QByteArray("nieuw"));
    QVERIFY(!setKeptGameAside(path.toStdString()));

    QVERIFY(writeBytes(path, "x") && removeKeptGame(path.toStdString()) && removeKeptGame(path.toStdString()));
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav.bak"});
    KeptGame game;
    QCOMPARE(readKeptGame(path.toStdString(), game), KeptGameRead::Missing);
}

QTEST_APPLESS_MAIN(SavedGameTest)
#include "tst_SavedGame.moc"
