#include "engine/Game.h"
#include "mainwindow/DiceTray.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SheetTexts.h"
#include "mainwindow/SheetView.h"
#include "support/MainFixture.h"

#include <QAccessible>
#include <QPushButton>

using namespace kwintor;

namespace {

// The states the rows look at, each played through the rules as clicks would play it.
enum class Scene {
    Fresh,       // one player, nothing thrown
    Thrown,      // one player, 2 2 3 3 3 thrown once
    PlacedThree, // the same, placed in the threes: player 1's next turn, nothing thrown
    ThreeThrows, // one player, three throws
    Rolling,     // one player, a throw under way
    Pair,        // Anna and Bert (a computer): 25 in Anna's fives, 5 in Bert's ones, then Anna
                 // threw 4 4 5 5 5, held die 3 and threw 4 5 5 5
};

void throwDice(Game& game, QList<int> faces) {
    game.beginThrow();
    for (int die = 1; die <= DiceCount; ++die)
        if (game.rolling()[die])
            game.settleDie(die, faces.takeFirst());
    game.endThrow();
}

GameState scene(Scene which) {
    Game game(defaultPlayerNames());
    switch (which) {
    case Scene::Fresh: break;
    case Scene::Thrown:
    case Scene::PlacedThree:
        throwDice(game, {2, 2, 3, 3, 3});
        if (which == Scene::PlacedThree)
            game.place(1, RowDrieen);
        break;
    case Scene::ThreeThrows:
        for (int i = 0; i < 3; ++i)
            throwDice(game, {1, 2, 3, 4, 6});
        break;
    case Scene::Rolling: game.beginThrow(); break;
    case Scene::Pair:
        game.choosePlayers(2, {"", "Anna", "Bert"});
        throwDice(game, {5, 5, 5, 5, 5});
        game.place(1, RowVijven);
        throwDice(game, {1, 1, 1, 1, 1});
        game.place(2, RowEnen);
        throwDice(game, {4, 4, 5, 5, 5});
        game.toggleHold(3);
        throwDice(game, {4, 5, 5, 5});
        break;
    }
    return game.state();
}

// A sample of advice: place in player 1's chance, or keep dice 1 and 3.
SheetOverlay sampleAdvice() {
    SheetOverlay overlay;
    overlay.markedPlayer = 1;
    overlay.markedRow = RowKans;
    overlay.keep = 0b00101;
    overlay.cellTips[1][RowKans] = QStringLiteral("Verwacht eindtotaal: 123,4");
    overlay.throwTip = QStringLiteral("Beter: nu plaatsen in Kans");
    overlay.words = QStringLiteral("Advies: plaats bij Kans.");
    return overlay;
}

QString yes(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

QString inkName(Ink ink) {
    static const char* const Names[] = {"name", "on turn", "cell", "total", "bonus"};
    return QString::fromLatin1(Names[int(ink)]);
}

// One thing the view holds, named as "cell 1 4 text", "name 2 ink", "die 3 held", "tray sum".
QString probe(const SheetView& view, const QString& what) {
    const QStringList words = what.split(u' ');
    const QString& field = words.last();
    if (words[0] == QLatin1String("cell")) {
        const CellView& c = view.cells[words[1].toInt()][words[2].toInt()];
        const QMap<QString, QString> fields{
            {"text", c.text},   {"enabled", yes(c.enabled)}, {"faint", yes(c.faint)},   {"ink", inkName(c.ink)},
            {"tip", c.toolTip}, {"spoken", c.spokenName},    {"out", yes(c.outOfPlay)}, {"choosable", yes(c.choosable)},
        };
        return fields.value(field, QStringLiteral("?"));
    }
    if (words[0] == QLatin1String("name")) {
        const NameView& n = view.names[words[1].toInt()];
        const QMap<QString, QString> fields{
            {"text", n.text},          {"enabled", yes(n.enabled)}, {"underlined", yes(n.underlined)},
            {"ink", inkName(n.ink)},   {"spoken", n.spokenName},    {"description", n.spokenDescription},
            {"out", yes(n.outOfPlay)},
        };
        return fields.value(field, QStringLiteral("?"));
    }
    const TrayView& t = view.tray;
    if (words[0] == QLatin1String("die")) {
        const int die = words[1].toInt();
        const QMap<QString, QString> fields{
            {"held", yes(t.held[die])}, {"marked", yes(t.adviceMarked[die])}, {"spoken", t.dieSpoken[die]}};
        return fields.value(field, QStringLiteral("?"));
    }
    const QMap<QString, QString> fields{
        {"count", view.playerCount},
        {"mark", QStringLiteral("%1/%2").arg(view.markedPlayer).arg(view.markedRow)},
        {"throws", QString::number(t.throwCount)},
        {"sum", t.sum},
        {"sumSpoken", t.sumSpoken},
        {"counterSpoken", t.counterSpoken},
        {"throwEnabled", yes(t.throwEnabled)},
        {"throwSpoken", t.throwSpoken},
        {"throwTip", t.throwToolTip},
    };
    return fields.value(field, QStringLiteral("?"));
}

} // namespace

// What each cell, name and the dice column show and say, for a state, the players' kinds, the
// advice and the preview switch; and once through the real window, that they reach the widgets.
class TestSheetView : public QObject {
    Q_OBJECT

private slots:
    void showsAndSays_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("advice");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("shows");
        const QString c = QStringLiteral("cell %1 %2 ");
        const auto row = [](const char* tag, Scene s, bool preview, bool advice, const QString& what,
                            const char* shows) {
            QTest::newRow(tag) << s << preview << advice << what << QString::fromUtf8(shows);
        };
        // The fresh sheet: noughts, player 1's column open, the others greyed and passed over.
        row("fresh cell", Scene::Fresh, false, false, c.arg(1).arg(RowKans) + "text", "0");
        row("fresh cell open", Scene::Fresh, false, false, c.arg(1).arg(RowKans) + "enabled", "yes");
        row("fresh total enabled", Scene::Fresh, false, false, c.arg(1).arg(RowTotalA) + "enabled", "yes");
        row("other column closed", Scene::Fresh, false, false, c.arg(2).arg(RowKans) + "enabled", "no");
        row("other column out of play", Scene::Fresh, false, false, c.arg(2).arg(RowKans) + "out", "yes");
        row("own column in play", Scene::Fresh, false, false, c.arg(1).arg(RowKans) + "out", "no");
        row("player count", Scene::Fresh, false, false, "count", "Aantal spelers : 1");
        row("default name", Scene::Fresh, false, false, "name 4 text", "Speler 4");
        row("name out of play greyed", Scene::Fresh, false, false, "name 4 enabled", "no");
        row("name out of play passed over", Scene::Fresh, false, false, "name 4 out", "yes");
        row("name not in play read", Scene::Pair, false, false, "name 3 spoken", "Speler 3, speelt niet mee");
        // Inks.
        row("ink of a category", Scene::Fresh, false, false, c.arg(1).arg(RowKans) + "ink", "cell");
        row("ink of total A", Scene::Fresh, false, false, c.arg(1).arg(RowTotalA) + "ink", "total");
        row("ink of total B", Scene::Fresh, false, false, c.arg(3).arg(RowTotalB) + "ink", "total");
        row("ink of the bonus", Scene::Fresh, false, false, c.arg(1).arg(RowBonus) + "ink", "bonus");
        row("ink of the grand total", Scene::Fresh, false, false, c.arg(1).arg(RowGrandTotal) + "ink", "bonus");
        // The tooltips: what a cell would score now, the distance to the bonus.
        row("bonus tip", Scene::Fresh, false, false, c.arg(1).arg(RowBonus) + "tip", "Nog 63 punten tot de bonus");
        row("no tip before a throw", Scene::Fresh, false, false, c.arg(1).arg(RowDrieen) + "tip", "");
        row("tip after a throw", Scene::Thrown, false, false, c.arg(1).arg(RowDrieen) + "tip", "Nu 9 punten");
        row("tip of nothing", Scene::Thrown, false, false, c.arg(1).arg(RowVierGelijke) + "tip", "Nu 0 punten");
        row("bonus tip after threes", Scene::PlacedThree, false, false, c.arg(1).arg(RowBonus) + "tip",
            "Nog 54 punten tot de bonus");
        row("no tip of a scored cell", Scene::PlacedThree, false, false, c.arg(1).arg(RowDrieen) + "tip", "");
        // The preview: faintly what an open cell would score, only with the switch on.
        row("no preview while off", Scene::Thrown, false, false, c.arg(1).arg(RowDrieen) + "text", "0");
        row("not faint while off", Scene::Thrown, false, false, c.arg(1).arg(RowDrieen) + "faint", "no");
        row("preview", Scene::Thrown, true, false, c.arg(1).arg(RowDrieen) + "text", "9");
        row("preview faint", Scene::Thrown, true, false, c.arg(1).arg(RowDrieen) + "faint", "yes");
        row("preview of nothing", Scene::Thrown, true, false, c.arg(1).arg(RowVierGelijke) + "text", "0");
        row("preview of nothing faint", Scene::Thrown, true, false, c.arg(1).arg(RowVierGelijke) + "faint", "yes");
        row("no preview of a total", Scene::Thrown, true, false, c.arg(1).arg(RowTotalA) + "faint", "no");
        row("scored cell shows its value", Scene::PlacedThree, true, false, c.arg(1).arg(RowDrieen) + "text", "9");
        row("scored cell not faint", Scene::PlacedThree, true, false, c.arg(1).arg(RowDrieen) + "faint", "no");
        row("scored cell closed", Scene::PlacedThree, true, false, c.arg(1).arg(RowDrieen) + "enabled", "no");
        row("no preview before a throw", Scene::PlacedThree, true, false, c.arg(1).arg(RowEnen) + "faint", "no");
        row("no preview while rolling", Scene::Rolling, true, false, c.arg(1).arg(RowKans) + "faint", "no");
        row("no preview in another column", Scene::Pair, true, false, c.arg(2).arg(RowKans) + "faint", "no");
        // What a screen reader reads.
        row("scored cell read", Scene::Pair, false, false, c.arg(1).arg(RowVijven) + "spoken",
            "Anna, Totaal vijven: 25");
        row("open cell read", Scene::Pair, false, false, c.arg(1).arg(RowFullHouse) + "spoken",
            "Anna, Full house: open, nu 0 waard");
        row("open cell of the other read", Scene::Pair, false, false, c.arg(2).arg(RowFullHouse) + "spoken",
            "Bert, Full house: open");
        row("upper total of the other read", Scene::Pair, false, false, c.arg(2).arg(RowTotalA) + "spoken",
            "Bert, Totaal A: 5, nog 58 punten tot de bonus");
        row("name on turn read", Scene::Pair, false, false, "name 1 spoken", "Anna, aan de beurt");
        row("held die read", Scene::Pair, false, false, "die 3 spoken", "Dobbelsteen 3: vijf, vastgezet");
        row("die read", Scene::Pair, false, false, "die 1 spoken", "Dobbelsteen 1: vier");
        row("throw button read", Scene::Pair, false, false, "tray throwSpoken", "Gooien, worp 3 van 3");
        // The names: the player on turn underlined in his own ink, a computer player marked.
        row("name on turn underlined", Scene::Pair, false, false, "name 1 underlined", "yes");
        row("name on turn ink", Scene::Pair, false, false, "name 1 ink", "on turn");
        row("name off turn", Scene::Pair, false, false, "name 2 underlined", "no");
        row("name off turn ink", Scene::Pair, false, false, "name 2 ink", "name");
        row("chosen name", Scene::Pair, false, false, "name 1 text", "Anna");
        row("computer marked", Scene::Pair, false, false, "name 2 text", "Bert [PC]");
        row("computer described", Scene::Pair, false, false, "name 2 description", "computerspeler");
        row("person not described", Scene::Pair, false, false, "name 1 description", "");
        // The cell cursor may stand only on an open cell of the player on turn.
        row("cursor on an open cell", Scene::Pair, false, false, c.arg(1).arg(RowKans) + "choosable", "yes");
        row("cursor not on a scored cell", Scene::Pair, false, false, c.arg(1).arg(RowVijven) + "choosable", "no");
        row("cursor not in another column", Scene::Pair, false, false, c.arg(2).arg(RowKans) + "choosable", "no");
        // The dice column.
        row("sum before the first throw", Scene::Fresh, false, false, "tray sum", "0");
        row("sum", Scene::Pair, false, false, "tray sum", "24");
        row("sum after the turn", Scene::PlacedThree, false, false, "tray sum", "0");
        row("throw counter", Scene::Pair, false, false, "tray throws", "2");
        row("held", Scene::Pair, false, false, "die 3 held", "yes");
        row("not held", Scene::Pair, false, false, "die 2 held", "no");
        row("may throw", Scene::Pair, false, false, "tray throwEnabled", "yes");
        row("three throws a turn", Scene::ThreeThrows, false, false, "tray throwEnabled", "no");
        row("no throw while rolling", Scene::Rolling, false, false, "tray throwEnabled", "no");
        // The advice laid over the sheet.
        row("advice after the cell's tip", Scene::Thrown, false, true, c.arg(1).arg(RowKans) + "tip",
            "Nu 13 punten\nVerwacht eindtotaal: 123,4");
        row("advice alone", Scene::Fresh, false, true, c.arg(1).arg(RowKans) + "tip", "Verwacht eindtotaal: 123,4");
        row("advice marks the cell", Scene::Thrown, false, true, "mark", "1/13"); // Kans is row 13
        row("no mark without advice", Scene::Thrown, false, false, "mark", "0/-1");
        row("advice marks die 1", Scene::Thrown, false, true, "die 1 marked", "yes");
        row("advice leaves die 2", Scene::Thrown, false, true, "die 2 marked", "no");
        row("advice marks die 3", Scene::Thrown, false, true, "die 3 marked", "yes");
        row("advice tips the button", Scene::Thrown, false, true, "tray throwTip", "Beter: nu plaatsen in Kans");
    }
    void showsAndSays() {
        QFETCH(Scene, scene);
        QFETCH(bool, preview);
        QFETCH(bool, advice);
        QFETCH(QString, what);
        QFETCH(QString, shows);
        SheetOverlay overlay = advice ? sampleAdvice() : SheetOverlay();
        overlay.preview = preview;
        PlayerKinds kinds{};
        kinds[2] = PlayerKind::Makkelijk;
        QCOMPARE(probe(sheetView(::scene(scene), kinds, overlay), what), shows);
    }

    // The window applies the view, every cell and name: as the view says, the screen reader reads.
    void theWindowShowsTheView() {
        test::MainFixture f;
        f.open();
        f.setPlayers({"Anna", "Bert"});
        f.play(test::OneColumn[RowVijven], 1);
        f.throwDice({2, 2, 3, 3, 3});
        f.hold(2);
        f.run("Tools/Toon mogelijke score");
        SheetOverlay overlay;
        overlay.preview = true;
        const SheetView view = sheetView(f.state(), f.main->flow().kinds(), overlay);
        QVERIFY(view.cells[2][RowDrieen].faint); // the view has something faint to show
        for (int p = 1; p <= MaxPlayers; ++p) {
            for (int row = 0; row < CellCount; ++row) {
                const CellView& expected = view.cells[p][row];
                QLabel* cell = f.cell(p, row);
                QCOMPARE(cell->text(), expected.text);
                QCOMPARE(cell->isEnabled(), expected.enabled);
                QCOMPARE(cell->toolTip(), expected.toolTip);
                QCOMPARE(QAccessible::queryAccessibleInterface(cell)->text(QAccessible::Name), expected.spokenName);
                QCOMPARE(cell->palette().color(QPalette::WindowText).alpha() < 255, expected.faint);
            }
            QLabel* name = f.main->sheet().nameLabel(p);
            QCOMPARE(name->text(), view.names[p].text);
            QCOMPARE(name->isEnabled(), view.names[p].enabled);
            QCOMPARE(name->font().underline(), view.names[p].underlined);
            QCOMPARE(name->accessibleName(), view.names[p].spokenName);
            QCOMPARE(name->palette().color(QPalette::WindowText) == QColor(255, 255, 0),
                     view.names[p].ink == Ink::OnTurn);
        }
        QCOMPARE(f.text("Label1"), view.playerCount);
        QCOMPARE(f.text("ScoreLabel"), view.tray.sum);
        for (int die = 1; die <= DiceCount; ++die) {
            QCOMPARE(f.widget(QStringLiteral("Shape(%1)").arg(die))->isVisible(), view.tray.held[die]);
            QCOMPARE(f.widget(QStringLiteral("DobbelsteenPic(%1)").arg(die))->accessibleName(),
                     view.tray.dieSpoken[die]);
        }
        QCOMPARE(f.main->tray().throwButton().isEnabled(), view.tray.throwEnabled);
        QCOMPARE(f.main->tray().throwButton().accessibleName(), view.tray.throwSpoken);
    }
};

QTEST_MAIN(TestSheetView)
#include "tst_sheetview.moc"
