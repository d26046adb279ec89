#include "engine/Game.h"
#include "persistence/SavedGame.h"

#include "FileTestHelpers.h"

#include <QTest>

using namespace kwintor;

namespace {

// The plan of a whole column: dice for each category and the row it goes to.
const QStringList Plan{"t11123 p0", "t22256 p1",  "t33311 p2",  "t44441 p3",  "t55522 p4",  "t66612 p5", "t55532 p8",
                       "t66633 p9", "t12346 p10", "t23456 p11", "t33322 p12", "t65465 p13", "t44444 p14"};

// "n3" chooses 3 players (names of every kind), "t12345" throws (a held die keeps its face),
// "h15" toggles the holds of dice 1 and 5, "p8" places the player on turn in row 8, "N" starts
// a new game.
void play(Game& game, const QString& script) {
    const std::array<std::string, MaxPlayers + 1> names{
        "", "Anna", "Jan, de Vries", "\"Bo\" \"Bos\"", "<s>Ann</s> & Zoë", "", "x\",\"y"};
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        const QString arg = step.mid(1);
        if (step[0] == 'n')
            game.choosePlayers(arg.toInt(), names);
        if (step[0] == 'h')
            for (QChar die : arg)
                game.toggleHold(die.digitValue());
        if (step[0] == 'p')
            QVERIFY(game.place(game.state().AanDeBeurt, arg.toInt()) >= PlaceResult::Placed);
        if (step[0] == 'N')
            QVERIFY(game.newGame());
        if (step[0] == 't') {
            QVERIFY(game.beginThrow());
            for (int i = 1; i <= DiceCount; ++i)
                game.settleDie(i, arg.at(i - 1).digitValue());
            game.endThrow();
        }
    }
}

// Every field of a kept game, a text per group, so that a comparison names what differs.
QStringList fieldsOf(const KeptGame& game) {
    const GameState& s = game.state;
    QStringList f{QString("sum %1 throws %2 placed %3 turn %4 players %5 rolling %6")
                      .arg(s.DobbelSom)
                      .arg(s.WorpTeller)
                      .arg(s.ScoreGeplaatst)
                      .arg(s.AanDeBeurt)
                      .arg(s.AantalSpelers)
                      .arg(s.throwing)};
    for (int i = 1; i <= DiceCount; ++i)
        f << QString("die %1: %2 held %3").arg(i).arg(s.DobbelWaarde[i]).arg(s.Vastgezet[i]);
    for (int p = 1; p <= MaxPlayers; ++p) {
        QString cells;
        for (const Cell& c : s.cells[p])
            cells += QString(" %1%2%3").arg(QString::number(c.value)).arg(c.open ? "o" : "").arg(c.scored ? "s" : "");
        f << QString("player %1: %2, kind %3, totals %4/%5/%6/%7, cells%8")
                 .arg(p)
                 .arg(QString::fromStdString(s.SpelerNaam[p]))
                 .arg(int(game.kinds[p]))
                 .arg(s.TotaalA[p])
                 .arg(s.TotaalB[p])
                 .arg(s.BonusGegeven[p])
                 .arg(s.TotaalAB[p])
                 .arg(cells);
    }
    return f;
}

// A game of two in mid-turn, as a file; the damaged rows change lines of it.
QByteArray twoPlayerFile() {
    Game game;
    play(game, "n2 t33322 p12 t66662 p5 t12345 h123 t12346");
    return QByteArray::fromStdString(keptGameText(
        KeptGame{game.state(), PlayerKinds{PlayerKind::Person, PlayerKind::Person, PlayerKind::Gemiddeld}}));
}

// The file with the line that starts with `start` replaced by `line`.
QByteArray withLine(const QByteArray& file, const QByteArray& start, const QByteArray& line) {
    QList<QByteArray> lines = file.split('\n');
    for (QByteArray& l : lines)
        if (l.startsWith(start)) {
            l = line + "\r";
            return lines.join('\n');
        }
    qFatal("no line starts with %s", start.constData());
}

// A game of one in which player 1 scored `value` in `row` and nothing else, the totals (no
// bonus) as the cells then give them: only the value itself can be wrong.
QByteArray scoredOnce(int row, int value) {
    Game game;
    play(game, "t12345");
    GameState s = game.state();
    s.cells[1][row] = Cell{value, false, true};
    const int a = isUpperRow(row) ? value : 0, b = value - a;
    s.TotaalA[1] = a;
    s.TotaalB[1] = b;
    s.TotaalAB[1] = a + b;
    for (auto [total, v] : {std::pair{RowTotalA, a}, {RowTotalB, b}, {RowGrandTotal, a + b}})
        s.cells[1][total].value = v;
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
};

void SavedGameTest::keptGameReadsBackFieldByField_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("worthKeeping");

    QTest::newRow("before the first throw of a game") << "n2" << false;
    QTest::newRow("after the first throw") << "n2 t33322" << true;
    QTest::newRow("after the second throw, with holds") << "n2 t33322 h345 t61322 h1" << true;
    QTest::newRow("after the third throw, with holds") << "n2 t33322 h345 t61322 h12 t61344 h5" << true;
    QTest::newRow("a later turn before its first throw") << "n2 t33322 p12 t66662 p5" << true;
    QString twoPlayers = "n2";
    for (int k = 0; k < CategoryCount; ++k) // player 2 plays the plan one turn ahead, and is one short
        twoPlayers += ' ' + Plan[k] + (k < CategoryCount - 1 ? ' ' + Plan[k + 1] : QString());
    QTest::newRow("one player finished") << twoPlayers << true;
    QTest::newRow("one player, bonus given") << "t66666 p5 t55555 p4 t44442 p3 t11116" << true;
    QTest::newRow("one player, column full") << Plan.join(' ') << false;
    QTest::newRow("six players") << "n6 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t12345 p10 t66612 h123"
                                 << true;
    QTest::newRow("fewer players than the turn") << "n4 t11111 p0 t11111 p0 n2 t44444" << true;
    QTest::newRow("a new game after a throw") << "n3 t11111 p0 t55555 N" << false;
}

void SavedGameTest::keptGameReadsBackFieldByField() {
    QFETCH(QString, script);
    QFETCH(bool, worthKeeping);

    Game game;
    play(game, script);
    const KeptGame kept{game.state(),
                        {PlayerKind::Person, PlayerKind::Person, PlayerKind::Makkelijk, PlayerKind::Gemiddeld,
                         PlayerKind::Sterk, PlayerKind::Person, PlayerKind::Makkelijk}};
    QCOMPARE(isWorthKeeping(kept.state), worthKeeping);

    QTemporaryDir dir;
    const std::string path = dir.filePath("Spel.sav").toStdString();
    QVERIFY(writeKeptGame(path, kept));
    KeptGame read;
    QCOMPARE(readKeptGame(path, read), KeptGameRead::Ok);
    QCOMPARE(fieldsOf(read), fieldsOf(kept));

    // Taken up again, the game plays on exactly as the one it was written from.
    Game resumed;
    resumed.restore(read.state);
    if (game.canThrow()) {
        play(game, "t65432");
        play(resumed, "t65432");
    }
    const int p = game.state().AanDeBeurt;
    QCOMPARE(resumed.place(p, RowEnen), game.place(p, RowEnen));
    QCOMPARE(fieldsOf({resumed.state(), {}}), fieldsOf({game.state(), {}}));

    // A throw that rolls is not written: the file keeps the game from before it.
    if (resumed.beginThrow())
        QVERIFY(!writeKeptGame(path, {resumed.state(), {}}));
    QCOMPARE(readKeptGame(path, read), KeptGameRead::Ok);
    QCOMPARE(fieldsOf(read), fieldsOf(kept));
    QCOMPARE(entriesIn(dir), QStringList{"Spel.sav"});
}

void SavedGameTest::damagedOrNewerFileIsNotTrusted_data() {
    using enum KeptGameRead;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<KeptGameRead>("result");

    const QByteArray file = twoPlayerFile();
    QTest::newRow("the file as written") << file << Ok;
    QTest::newRow("newer version") << withLine(file, "\"Versie\"", "\"Versie\",2") << NewerVersion;
    QTest::newRow("newer version, other lines") << Headers + "\"Versie\",3\r\n\"Iets nieuws\",1\r\n" << NewerVersion;
    QTest::newRow("cut short at a line end") << file.left(file.lastIndexOf("\"Totaal A+B\",2")) << Damaged;
    QTest::newRow("last line end lost") << file.left(file.size() - 2) << Damaged;
    QTest::newRow("a line too many") << file + "\"Versie\",1\r\n" << Damaged;
    QTest::newRow("name without its closing quote") << withLine(file, "\"Naam\",1", "\"Naam\",1,\"Anna") << Damaged;
    QTest::newRow("a die 7") << withLine(file, "\"Dobbelstenen\"", "\"Dobbelstenen\",1,2,3,4,7") << Damaged;
    QTest::newRow("a blank die after a throw")
        << withLine(withLine(file, "\"Dobbelstenen\"", "\"Dobbelstenen\",1,2,3,4,0"), "\"Som\"", "\"Som\",10")
        << Damaged;
    QTest::newRow("sum not the dice") << withLine(file, "\"Som\"", "\"Som\",15") << Damaged;
    QTest::newRow("four throws") << withLine(file, "\"Worp\"", "\"Worp\",4") << Damaged;
    QTest::newRow("seven players") << withLine(file, "\"Spelers\"", "\"Spelers\",7") << Damaged;
    QTest::newRow("kind 4") << withLine(file, "\"Soort\",3", "\"Soort\",3,4") << Damaged;
    QTest::newRow("total A off") << withLine(file, "\"Totalen\",1", "\"Totalen\",1,25,25,0,50") << Damaged;
    QTest::newRow("bonus below 63") << withLine(file, "\"Totalen\",1", "\"Totalen\",1,0,25,1,60") << Damaged;
    QTest::newRow("an open cell scored") << withLine(file, "\"Full house\",1", "\"Full house\",1,1,1,25") << Damaged;
    QTest::newRow("open in a column not in play") << withLine(file, "\"Kans\",3", "\"Kans\",3,1,0,0") << Damaged;
    QTest::newRow("threes 15") << scoredOnce(RowDrieen, 15) << Ok;
    QTest::newRow("threes 10") << scoredOnce(RowDrieen, 10) << Damaged;
    QTest::newRow("three of a kind 4") << scoredOnce(RowDrieGelijke, 4) << Damaged;
    QTest::newRow("full house 24") << scoredOnce(RowFullHouse, 24) << Damaged;
}

void SavedGameTest::damagedOrNewerFileIsNotTrusted() {
    QFETCH(QByteArray, bytes);
    QFETCH(KeptGameRead, result);

    KeptGame game;
    game.kinds[1] = PlayerKind(42);
    QCOMPARE(parseKeptGame(bytes.toStdString(), game), result);
    QCOMPARE(game.kinds[1] == PlayerKind(42), result != KeptGameRead::Ok); // nothing taken from a file not trusted
}

QTEST_APPLESS_MAIN(SavedGameTest)
#include "tst_SavedGame.moc"
