#include "engine/Game.h"
#include "mainwindow/Coach.h"
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
SheetOverlay overlay(bool preview, bool advice) {
    SheetOverlay overlay;
    overlay.preview = preview;
    if (!advice)
        return overlay;
    overlay.markedPlayer = 1;
    overlay.markedRow = RowKans;
    overlay.keep = 0b00101;
    overlay.cellTips[1][RowKans] = QStringLiteral("Verwacht eindtotaal: 123,4");
    overlay.throwTip = QStringLiteral("Beter: nu plaatsen in Kans");
    return overlay;
}

QString yes(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }
QString ink(Ink ink) { return QStringList{"name", "on turn", "cell", "total", "bonus"}[int(ink)]; }

// One thing the view holds, named after its widget: "SP1(13) text", "SpelersLabel(2) ink",
// "Die(3) held", "tray sum".
QString probe(const SheetView& v, const QString& what) {
    const QString subject = what.section(u' ', 0, 0);
    const int index = subject.section(u'(', 1).chopped(1).toInt();
    QMap<QString, QString> fields;
    if (subject.startsWith(QLatin1String("SP"))) {
        const CellView& c = v.cells[subject.mid(2, 1).toInt()][index];
        fields = {{"text", c.text},          {"enabled", yes(c.enabled)},
                  {"faint", yes(c.faint)},   {"ink", ink(c.ink)},
                  {"tip", c.toolTip},        {"spoken", c.spokenName},
                  {"out", yes(c.outOfPlay)}, {"choosable", yes(c.choosable)}};
    } else if (subject.startsWith(QLatin1String("SpelersLabel"))) {
        const NameView& n = v.names[index];
        fields = {{"text", n.text},         {"enabled", yes(n.enabled)}, {"underlined", yes(n.underlined)},
                  {"ink", ink(n.ink)},      {"spoken", n.spokenName},    {"description", n.spokenDescription},
                  {"out", yes(n.outOfPlay)}};
    } else if (subject.startsWith(QLatin1String("Die"))) {
        fields = {{"held", yes(v.tray.held[index])},
                  {"marked", yes(v.tray.adviceMarked[index])},
                  {"spoken", v.tray.dieSpoken[index]}};
    } else {
        fields = {{"count", v.playerCount},
                  {"mark", QStringLiteral("%1/%2").arg(v.markedPlayer).arg(v.markedRow)},
                  {"throws", QString::number(v.tray.throwCount)},
                  {"sum", v.tray.sum},
                  {"throwEnabled", yes(v.tray.throwEnabled)},
                  {"throwSpoken", v.tray.throwSpoken},
                  {"throwTip", v.tray.throwToolTip}};
    }
    return fields.value(what.section(u' ', 1), QStringLiteral("?"));
}

enum Switch { Off = 0, Preview = 1, Advice = 2 };
struct Case {
    const char* tag;
    Scene scene;
    int switches;
    const char* what;
    const char* shows;
};
// Rows 6 and 15 are the totals, 7 the bonus, 16 the grand total, 2 the threes, 9 four of a kind,
// 12 the full house, 13 the chance.
const Case Cases[] = {
    // The fresh sheet: noughts, player 1's column open, the others greyed and passed over.
    {"fresh column open", Scene::Fresh, Off, "SP1(6) enabled", "yes"},
    {"other column closed", Scene::Fresh, Off, "SP2(13) enabled", "no"},
    {"other column passed over", Scene::Fresh, Off, "SP2(13) out", "yes"},
    {"player count", Scene::Fresh, Off, "tray count", "Aantal spelers : 1"},
    {"default name", Scene::Fresh, Off, "SpelersLabel(4) text", "Speler 4"},
    {"name out of play greyed", Scene::Fresh, Off, "SpelersLabel(4) enabled", "no"},
    {"name out of play passed over", Scene::Fresh, Off, "SpelersLabel(4) out", "yes"},
    {"ink of a category", Scene::Fresh, Off, "SP1(13) ink", "cell"},
    {"ink of a total", Scene::Fresh, Off, "SP3(15) ink", "total"},
    {"ink of the bonus", Scene::Fresh, Off, "SP1(7) ink", "bonus"},
    // Tooltips: what a cell would score now, the distance to the bonus.
    {"bonus tip", Scene::Fresh, Off, "SP1(7) tip", "Nog 63 punten tot de bonus"},
    {"no tip before a throw", Scene::Fresh, Off, "SP1(2) tip", ""},
    {"tip after a throw", Scene::Thrown, Off, "SP1(2) tip", "Nu 9 punten"},
    {"tip of nothing", Scene::Thrown, Off, "SP1(9) tip", "Nu 0 punten"},
    {"bonus tip after threes", Scene::PlacedThree, Off, "SP1(7) tip", "Nog 54 punten tot de bonus"},
    // The preview: faintly what an open cell would score, only with the switch on.
    {"no preview while off", Scene::Thrown, Off, "SP1(2) text", "0"},
    {"preview", Scene::Thrown, Preview, "SP1(2) text", "9"},
    {"preview faint", Scene::Thrown, Preview, "SP1(2) faint", "yes"},
    {"no preview of a total", Scene::Thrown, Preview, "SP1(6) faint", "no"},
    {"scored cell", Scene::PlacedThree, Preview, "SP1(2) text", "9"},
    {"scored cell firm", Scene::PlacedThree, Preview, "SP1(2) faint", "no"},
    {"no preview before a throw", Scene::PlacedThree, Preview, "SP1(0) faint", "no"},
    {"no preview while rolling", Scene::Rolling, Preview, "SP1(13) faint", "no"},
    // What a screen reader reads.
    {"scored cell read", Scene::Pair, Off, "SP1(4) spoken", "Anna, Totaal vijven: 25"},
    {"open cell read", Scene::Pair, Off, "SP1(12) spoken", "Anna, Full house: open, nu 0 waard"},
    {"open cell of the other read", Scene::Pair, Off, "SP2(12) spoken", "Bert, Full house: open"},
    {"upper total read", Scene::Pair, Off, "SP2(6) spoken", "Bert, Totaal A: 5, nog 58 punten tot de bonus"},
    {"name on turn read", Scene::Pair, Off, "SpelersLabel(1) spoken", "Anna, aan de beurt"},
    {"name not in play read", Scene::Pair, Off, "SpelersLabel(3) spoken", "Speler 3, speelt niet mee"},
    {"held die read", Scene::Pair, Off, "Die(3) spoken", "Dobbelsteen 3: vijf, vastgezet"},
    {"die read", Scene::Pair, Off, "Die(1) spoken", "Dobbelsteen 1: vier"},
    {"throw button read", Scene::Pair, Off, "tray throwSpoken", "Gooien, worp 3 van 3"},
    // The names: the player on turn underlined in his own ink, a computer player marked.
    {"on turn underlined", Scene::Pair, Off, "SpelersLabel(1) underlined", "yes"},
    {"on turn ink", Scene::Pair, Off, "SpelersLabel(1) ink", "on turn"},
    {"off turn ink", Scene::Pair, Off, "SpelersLabel(2) ink", "name"},
    {"computer marked", Scene::Pair, Off, "SpelersLabel(2) text", "Bert [PC]"},
    {"computer described", Scene::Pair, Off, "SpelersLabel(2) description", "computerspeler"},
    // The cell cursor stands only on an open cell of the player on turn.
    {"cursor on an open cell", Scene::Pair, Off, "SP1(13) choosable", "yes"},
    {"cursor not on a scored cell", Scene::Pair, Off, "SP1(4) choosable", "no"},
    {"cursor not in another column", Scene::Pair, Off, "SP2(13) choosable", "no"},
    // The dice column.
    {"sum before the first throw", Scene::Fresh, Off, "tray sum", "0"},
    {"sum", Scene::Pair, Off, "tray sum", "24"},
    {"throw counter", Scene::Pair, Off, "tray throws", "2"},
    {"held", Scene::Pair, Off, "Die(3) held", "yes"},
    {"may throw", Scene::Pair, Off, "tray throwEnabled", "yes"},
    {"three throws a turn", Scene::ThreeThrows, Off, "tray throwEnabled", "no"},
    {"no throw while rolling", Scene::Rolling, Off, "tray throwEnabled", "no"},
    // The advice laid over the sheet.
    {"advice after the cell's tip", Scene::Thrown, Advice, "SP1(13) tip", "Nu 13 punten\nVerwacht eindtotaal: 123,4"},
    {"advice alone", Scene::Fresh, Advice, "SP1(13) tip", "Verwacht eindtotaal: 123,4"},
    {"advice marks the cell", Scene::Thrown, Advice, "tray mark", "1/13"},
    {"no mark without advice", Scene::Thrown, Off, "tray mark", "0/-1"},
    {"advice marks die 1", Scene::Thrown, Advice, "Die(1) marked", "yes"},
    {"advice tips the button", Scene::Thrown, Advice, "tray throwTip", "Beter: nu plaatsen in Kans"},
};

} // namespace

// What each cell, name and the dice column show and say, for a state, the players' kinds, the
// advice and the preview switch; and once through the real window, that they reach the widgets.
class TestSheetView : public QObject {
    Q_OBJECT

private slots:
    void showsAndSays_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<int>("switches");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("shows");
        for (const Case& row : Cases)
            QTest::newRow(row.tag) << row.scene << row.switches << QString(row.what) << QString::fromUtf8(row.shows);
    }
    void showsAndSays() {
        QFETCH(Scene, scene);
        QFETCH(int, switches);
        QFETCH(QString, what);
        QFETCH(QString, shows);
        PlayerKinds kinds{};
        kinds[2] = PlayerKind::Makkelijk;
        const SheetView view = sheetView(::scene(scene), kinds, overlay(switches & Preview, switches & Advice));
        QCOMPARE(probe(view, what), shows);
    }

    // The coach's advice in words reaches a screen reader once, until it changes.
    void adviceIsToldOnce_data() {
        QTest::addColumn<QStringList>("advice"); // after one move each
        QTest::addColumn<QStringList>("told");
        QTest::newRow("new advice") << QStringList{"A"} << QStringList{"A"};
        QTest::newRow("the same again") << QStringList{"A", "A"} << QStringList{"A", ""};
        QTest::newRow("changed") << QStringList{"A", "B", "B"} << QStringList{"A", "B", ""};
        QTest::newRow("none between") << QStringList{"A", "", "A"} << QStringList{"A", "", "A"};
    }
    void adviceIsToldOnce() {
        QFETCH(QStringList, advice);
        QFETCH(QStringList, told);
        Coach coach(QStringLiteral("unused"));
        QStringList heard;
        for (const QString& words : advice) {
            SheetOverlay overlay;
            overlay.words = words;
            heard << coach.takeNewAdvice(overlay);
        }
        QCOMPARE(heard, told);
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
