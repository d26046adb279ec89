#include "mainwindow/Announcer.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SpokenTexts.h"
#include "support/ScriptedPlatform.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using kwintor::Main;
using kwintor::Platform;
using kwintor::test::ScriptedPlatform;

namespace {

// What the screen reader was told: each event with the name of its object at that moment.
struct Heard {
    QObject* object;
    QAccessible::Event type;
    QString name;
};
QList<Heard> heard;
void listen(QAccessibleEvent& event) {
    QAccessibleInterface* face = event.accessibleInterface();
    heard.append({event.object(), event.type(), face ? face->text(QAccessible::Name) : QString()});
}

} // namespace

// The main window played by keys alone, its undo item, the score preview and what a screen
// reader reads of its controls.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void wholeOnePlayerGameByKeysAlone();
    void cursorVisitsOnlyOpenCellsOfThePlayerOnTurn();
    void undoItemIsGreyedWhenNothingCanBeTakenBack_data();
    void undoItemIsGreyedWhenNothingCanBeTakenBack();
    void previewAndTooltipsShowWhatACellWouldScore_data();
    void previewAndTooltipsShowWhatACellWouldScore();
    void screenReaderReadsTheControls_data();
    void screenReaderReadsTheControls();
    void announcementsReachTheScreenReaderWithoutTakingTheFocus_data();
    void announcementsReachTheScreenReaderWithoutTakingTheFocus();
    void totalsKeyTellsTheWayToTheBonus_data();
    void totalsKeyTellsTheWayToTheBonus();
    void columnsOfPlayersWhoDoNotPlayAreLeftOutOfTheReview();
    void menusOpenFromTheKeyboardAndTheGameKeysWait_data();
    void menusOpenFromTheKeyboardAndTheGameKeysWait();

private:
    QWidget* find(const QString& name) const {
        QWidget* widget = m_main->findChild<QWidget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLabel* cell(int player, int row) const {
        return static_cast<QLabel*>(find(QStringLiteral("SP%1(%2)").arg(player).arg(row)));
    }
    QAction* action(const char* name) const { return m_main->findChild<QAction*>(QLatin1String(name)); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(m_main, Qt::Key(k), modifiers);
    }
    // Space throws; each die that rolls lands on its face in `faces`.
    void throwByKey(const QList<int>& faces) {
        for (int face : faces)
            for (int frame = 0; frame < 5; ++frame)
                m_platform->faces.enqueue(face);
        key(Qt::Key_Space);
        QVERIFY(m_platform->faces.isEmpty());
    }
    // Down from no cursor to `row`, then Enter.
    void placeByKey(int row) {
        key(Qt::Key_Escape);
        const kwintor::GameState& s = m_main->flow().game().state();
        for (int r = 0; r <= row; ++r)
            if (s.cells[s.AanDeBeurt][r].open && r != 6 && r != 7)
                key(Qt::Key_Down);
        QCOMPARE(m_main->sheet().cursorRow(), row);
        key(Qt::Key_Return);
    }
    // Runs steps such as "throw 55555", "key 3", "key Down", "ctrl Z", "players 2", "place 4",
    // each announcement said before the next step.
    void run(const QStringList& steps) {
        const QMap<QString, int> keys{{"Down", Qt::Key_Down}, {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space}};
        for (const QString& step : steps) {
            const QString what = step.section(u' ', 0, 0), arg = step.section(u' ', 1);
            if (what == "throw") {
                QList<int> faces;
                for (QChar c : arg)
                    faces << c.digitValue();
                throwByKey(faces);
            } else if (what == "key") {
                key(keys.value(arg, arg.size() == 1 ? int(arg[0].toUpper().unicode()) : 0));
            } else if (what == "ctrl") {
                key(arg[0].unicode(), Qt::ControlModifier);
            } else if (what == "players") {
                m_main->flow().choosePlayers(arg.toInt(), {"", "Anna", "Bert", "", "", "", ""});
            } else if (what == "place") {
                placeByKey(arg.toInt());
            }
            QTRY_VERIFY(!m_main->announcer().waiting());
        }
    }
    QString spoken(const QString& name) const {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(find(name));
        return face ? face->text(QAccessible::Name) : QStringLiteral("no interface");
    }

    QTemporaryDir* m_dir = nullptr;
    ScriptedPlatform* m_platform = nullptr;
    Main* m_main = nullptr;
};

void TestKeyboard::init() {
    m_dir = new QTemporaryDir;
    m_platform = new ScriptedPlatform(m_dir->path());
    m_main = new Main(*m_platform);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void TestKeyboard::cleanup() {
    m_platform->answers.clear();
    m_platform->answers.enqueue(Platform::Answer::Yes);
    delete m_main;
    delete m_platform;
    delete m_dir;
}

void TestKeyboard::wholeOnePlayerGameByKeysAlone() {
    struct Turn {
        int row;
        QList<int> dice, second; // `second`: dice 1 and 2 are held by keys and the rest thrown again
        int value;
    };
    const QList<Turn> turns = {
        {0, {1, 1, 1, 1, 1}, {}, 5},   {1, {2, 2, 6, 6, 6}, {2, 2, 2}, 10}, {2, {3, 3, 3, 3, 3}, {}, 15},
        {3, {4, 4, 4, 4, 4}, {}, 20},  {4, {5, 5, 5, 5, 5}, {}, 25},        {5, {6, 6, 6, 6, 6}, {}, 30},
        {8, {1, 1, 1, 2, 2}, {}, 7},   {9, {4, 4, 4, 4, 2}, {}, 18},        {10, {1, 2, 3, 4, 6}, {}, 30},
        {11, {2, 3, 4, 5, 6}, {}, 40}, {12, {2, 2, 3, 3, 3}, {}, 25},       {13, {6, 6, 6, 5, 5}, {}, 28},
        {14, {3, 3, 3, 3, 3}, {}, 50}};
    m_platform->answers.enqueue(Platform::Answer::No); // the score list question at the end
    for (const Turn& turn : turns) {
        throwByKey(turn.dice);
        if (!turn.second.isEmpty()) {
            key(Qt::Key_1);
            key(Qt::Key_2);
            QVERIFY(find("Shape(1)")->isVisible() && find("Shape(2)")->isVisible());
            throwByKey(turn.second);
        }
        placeByKey(turn.row);
        QCOMPARE(cell(1, turn.row)->text(), QString::number(turn.value));
        QCOMPARE(m_main->sheet().cursorPlayer(), 0); // the cell is scored: the cursor goes
        QTRY_VERIFY(!m_main->announcer().waiting());
    }
    QCOMPARE(cell(1, 16)->text(), QStringLiteral("338"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].title, QStringLiteral(" Score"));
    // The question carries what has just happened, which it would otherwise cut short.
    QVERIFY(m_platform->messages[0].spokenFirst.endsWith(
        QStringLiteral("Speler 1 zet 50 bij Kwintor. Speler 1 is klaar met 338 punten. Het spel is uit. "
                       "Uitslag: 1. Speler 1, 338 punten.")));
    key(Qt::Key_Space); // the game is over: nothing more to throw
    QCOMPARE(m_main->flow().game().state().WorpTeller, 0);
    // The menus answer their shortcuts: F1 shows the help panel, Ctrl+N asks for a new game.
    key(Qt::Key_F1);
    QVERIFY(m_main->sheet().helpShown());
    m_platform->answers.enqueue(Platform::Answer::Yes);
    key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_platform->messages.last().title, QStringLiteral(" Nieuw"));
    QCOMPARE(cell(1, 16)->text(), QStringLiteral("0"));
}

void TestKeyboard::cursorVisitsOnlyOpenCellsOfThePlayerOnTurn() {
    std::array<std::string, 7> names{"", "Anna", "Bert", "", "", "", ""};
    m_main->flow().choosePlayers(2, names);
    throwByKey({1, 2, 3, 4, 5});
    placeByKey(1); // Anna scores 2 in the twos
    throwByKey({6, 6, 6, 6, 6});
    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        key(Qt::Key_Up);
        visited << QStringLiteral("%1/%2").arg(m_main->sheet().cursorPlayer()).arg(m_main->sheet().cursorRow());
    }
    // Bert's thirteen open categories from the bottom up, then round again; never a total.
    QCOMPARE(visited.join(u' '), QStringLiteral("2/14 2/13 2/12 2/11 2/10 2/9 2/8 2/5 2/4 2/3 2/2 2/1 2/0 2/14"));
    QVERIFY(find("CellCursor")->isVisible());
    key(Qt::Key_Escape);
    QVERIFY(find("CellCursor")->isHidden());
    // Without a cursor Enter throws.
    m_platform->faces << 1 << 1 << 1 << 1 << 1;
    key(Qt::Key_Enter);
    QCOMPARE(int(m_main->flow().game().state().WorpTeller), 2);
    QVERIFY(find("SchudKnop")->hasFocus()); // a throw hands the focus back
}

void TestKeyboard::undoItemIsGreyedWhenNothingCanBeTakenBack_data() {
    QTest::addColumn<int>("placements"); // of the thirteen, one a turn
    QTest::addColumn<bool>("throwAfter");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("at start") << 0 << false << false;
    QTest::newRow("after a placement") << 1 << false << true;
    QTest::newRow("after the next throw") << 1 << true << false;
    QTest::newRow("after the score list question") << 13 << false << false;
}

void TestKeyboard::undoItemIsGreyedWhenNothingCanBeTakenBack() {
    QFETCH(int, placements);
    QFETCH(bool, throwAfter);
    QFETCH(bool, enabled);
    m_platform->answers.enqueue(Platform::Answer::No);
    const int rows[] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14};
    for (int i = 0; i < placements; ++i) {
        throwByKey({6, 6, 6, 6, 6});
        placeByKey(rows[i]);
    }
    if (throwAfter)
        throwByKey({2, 2, 2, 2, 2});
    QCOMPARE(action("BestandOngedaan")->isEnabled(), enabled);
    QCOMPARE(action("BestandOngedaan")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    const QString last = cell(1, rows[std::max(0, placements - 1)])->text();
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(1, rows[std::max(0, placements - 1)])->text(), enabled ? QStringLiteral("0") : last);
    if (enabled) { // the dice and the throw are back: the same cell takes them again
        QCOMPARE(int(m_main->flow().game().state().WorpTeller), 1);
        QVERIFY(!action("BestandOngedaan")->isEnabled());
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QCOMPARE(cell(1, 0)->text(), QStringLiteral("0")); // sixes score nothing among the ones
        QVERIFY(!cell(1, 0)->isEnabled());
    }
}

void TestKeyboard::previewAndTooltipsShowWhatACellWouldScore_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");
    QTest::newRow("twos") << 1 << 4;
    QTest::newRow("threes") << 2 << 9;
    QTest::newRow("fours") << 3 << 0;
    QTest::newRow("three of a kind") << 8 << 13;
    QTest::newRow("four of a kind") << 9 << 0;
    QTest::newRow("full house") << 12 << 25;
    QTest::newRow("chance") << 13 << 13;
}

void TestKeyboard::previewAndTooltipsShowWhatACellWouldScore() {
    QFETCH(int, row);
    QFETCH(int, value);
    QAction* preview = action("ToolsMogelijkeScore");
    QVERIFY(preview->isCheckable() && !preview->isChecked());
    QCOMPARE(cell(1, 7)->toolTip(), QStringLiteral("Nog 63 punten tot de bonus"));
    QCOMPARE(cell(1, row)->toolTip(), QString()); // nothing thrown yet
    throwByKey({2, 2, 3, 3, 3});
    QCOMPARE(cell(1, row)->toolTip(), QStringLiteral("Nu %1 punten").arg(value));
    QCOMPARE(cell(1, row)->text(), QStringLiteral("0")); // the sheet as always while the item is off
    preview->trigger();
    QVERIFY(preview->isChecked());
    QCOMPARE(cell(1, row)->text(), QString::number(value));
    QVERIFY(cell(1, row)->palette().color(QPalette::WindowText).alpha() < 255); // faint
    QCOMPARE(cell(1, 6)->text(), QStringLiteral("0"));                          // a total is no preview
    placeByKey(row);
    QCOMPARE(cell(1, row)->text(), QString::number(value));
    QCOMPARE(cell(1, row)->palette().color(QPalette::WindowText).alpha(), 255);
    QCOMPARE(cell(1, 0)->text(), QStringLiteral("0")); // no throw in the new turn: nothing to preview
    QCOMPARE(cell(1, 7)->toolTip(),
             QStringLiteral("Nog %1 tot de bonus")
                 .arg(row <= 5 && value ? QStringLiteral("%1 punten").arg(63 - value) : "63 punten"));
    preview->trigger();
    QVERIFY(!preview->isChecked());
}

void TestKeyboard::screenReaderReadsTheControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("held die") << "DobbelsteenPic(3)"
                              << "Dobbelsteen 3: vijf, vastgezet";
    QTest::newRow("die") << "DobbelsteenPic(1)"
                         << "Dobbelsteen 1: vier";
    QTest::newRow("scored cell") << "SP1(4)"
                                 << "Anna, Totaal vijven: 25";
    QTest::newRow("open cell") << "SP1(12)"
                               << "Anna, Full house: open, nu 0 waard";
    QTest::newRow("open cell of the player not on turn") << "SP2(12)"
                                                         << "Bert, Full house: open";
    QTest::newRow("upper total, bonus reached") << "SP1(6)"
                                                << "Anna, Totaal A: 75, bonus behaald";
    QTest::newRow("upper total of the other") << "SP2(6)"
                                              << "Bert, Totaal A: 5, nog 58 punten tot de bonus";
    QTest::newRow("name on turn") << "SpelersLabel(1)"
                                  << "Anna, aan de beurt";
    QTest::newRow("name") << "SpelersLabel(2)"
                          << "Bert";
    QTest::newRow("name not in play") << "SpelersLabel(3)"
                                      << "Speler 3, speelt niet mee";
    QTest::newRow("throw counter") << "WorpPic"
                                   << "Worp 2 van 3";
    QTest::newRow("sum") << "ScoreLabel"
                         << "Som van de stenen: 24";
    QTest::newRow("throw button") << "SchudKnop"
                                  << "Gooien, worp 3 van 3";
}

void TestKeyboard::screenReaderReadsTheControls() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    std::array<std::string, 7> names{"", "Anna", "Bert", "", "", "", ""};
    m_main->flow().choosePlayers(2, names);
    // Anna scores 25, 30 and 20 in the upper rows (75 and the bonus), Bert 5, 0 and 0.
    const QList<QPair<QList<int>, int>> plays = {{{5, 5, 5, 5, 5}, 4}, {{1, 1, 1, 1, 1}, 0}, {{6, 6, 6, 6, 6}, 5},
                                                 {{1, 1, 1, 1, 1}, 1}, {{4, 4, 4, 4, 4}, 3}, {{1, 1, 1, 1, 1}, 2}};
    for (const auto& [dice, row] : plays) {
        throwByKey(dice);
        placeByKey(row);
    }
    QCOMPARE(cell(1, 6)->text(), QStringLiteral("75"));
    throwByKey({4, 4, 5, 5, 5}); // Anna again
    key(Qt::Key_3);
    throwByKey({4, 5, 5, 5}); // die 3 stays a five
    QCOMPARE(spoken(control), text);
}

void TestKeyboard::announcementsReachTheScreenReaderWithoutTakingTheFocus_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("said");
    QTest::newRow("throw") << QStringList{"throw 12345"} << "Worp 1 van 3: een, twee, drie, vier, vijf. Som 15.";
    QTest::newRow("hold") << QStringList{"throw 55555", "key 3"} << "Dobbelsteen 3 vastgezet.";
    QTest::newRow("release") << QStringList{"throw 55555", "key 3", "key 3"} << "Dobbelsteen 3 losgelaten.";
    QTest::newRow("hold before the first throw") << QStringList{"key 3"} << "Eerst gooien.";
    QTest::newRow("placement before the first throw") << QStringList{"key Down", "key Return"} << "Eerst gooien.";
    QTest::newRow("fourth throw") << QStringList{"throw 11111", "throw 11111", "throw 11111", "key Space"}
                                  << "Niet meer gooien: u hebt al drie keer gegooid. Kies een vak.";
    QTest::newRow("placement and the turn")
        << QStringList{"players 2", "throw 55555", "place 4"} << "Anna zet 25 bij Totaal vijven. Bert is aan de beurt.";
    QTest::newRow("undo") << QStringList{"players 2", "throw 55555", "place 4", "ctrl Z"}
                          << "Ongedaan gemaakt: Totaal vijven is weer open. Anna is aan de beurt.";
    QTest::newRow("totals key") << QStringList{"throw 55555", "place 4", "key T"}
                                << "Speler 1: Totaal A 25, nog 38 punten tot de bonus, Totaal B 0, Totaal 25.";
    QTest::newRow("turn key") << QStringList{"throw 22333", "key W"}
                              << "Speler 1 is aan de beurt. Worp 1 van 3: twee, twee, drie, drie, drie. Som 13.";
}

void TestKeyboard::announcementsReachTheScreenReaderWithoutTakingTheFocus() {
    QFETCH(QStringList, steps);
    QFETCH(QString, said);
    heard.clear();
    m_main->announcer().setReport(listen);
    run(steps.mid(0, steps.size() - 1));
    QWidget* focus = QApplication::focusWidget();
    run({steps.last()});
    QCOMPARE(QApplication::focusWidget(), focus); // the keys stay where they were
    QList<Heard> announced;
    for (const Heard& h : heard)
        if (h.type == QAccessible::Focus && h.object->objectName().startsWith("Melding"))
            announced << h;
    QVERIFY(!announced.isEmpty());
    QCOMPARE(announced.last().name, said);
    for (int i = 1; i < announced.size(); ++i) // the two speakers take turns
        QVERIFY(announced[i].object != announced[i - 1].object);
}

void TestKeyboard::totalsKeyTellsTheWayToTheBonus_data() {
    QTest::addColumn<int>("filled"); // upper cells scored, each worth 10
    QTest::addColumn<bool>("bonus");
    QTest::addColumn<QString>("said");
    QTest::newRow("on the way") << 2 << false << "nog 43 punten tot de bonus";
    QTest::newRow("upper part full, short of it") << 6 << false << "geen bonus";
    QTest::newRow("reached") << 6 << true << "bonus behaald";
}

void TestKeyboard::totalsKeyTellsTheWayToTheBonus() {
    QFETCH(int, filled);
    QFETCH(bool, bonus);
    QFETCH(QString, said);
    kwintor::GameState s;
    for (int row = 0; row < filled; ++row)
        s.cells[1][row].scored = true;
    s.TotaalA[1] = 10 * filled;
    s.BonusGegeven[1] = bonus;
    s.TotaalB[1] = 7;
    s.TotaalAB[1] = s.TotaalA[1] + 7 + (bonus ? 35 : 0);
    s.SpelerNaam[1] = "Anna";
    QCOMPARE(
        kwintor::totalsText(s),
        QStringLiteral("Anna: Totaal A %1, %2, Totaal B 7, Totaal %3.").arg(s.TotaalA[1]).arg(said).arg(s.TotaalAB[1]));
}

void TestKeyboard::columnsOfPlayersWhoDoNotPlayAreLeftOutOfTheReview() {
    m_main->flow().choosePlayers(2, {"", "Anna", "Bert", "", "", "", ""});
    // Every name a reader meets walking the tree of the window.
    QStringList names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* face) {
        names << face->text(QAccessible::Name);
        for (int i = 0; i < face->childCount(); ++i)
            walk(face->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(m_main));
    QVERIFY(names.contains("Bert, Kans: open"));
    QVERIFY(names.contains("Bert"));
    QVERIFY(!names.filter("Speler 3").size() && !names.filter("Speler 6").size());
    m_main->flow().choosePlayers(3, {"", "Anna", "Bert", "Cor", "", "", ""});
    names.clear();
    walk(QAccessible::queryAccessibleInterface(m_main));
    QVERIFY(names.contains("Cor, Kans: open"));
}

void TestKeyboard::menusOpenFromTheKeyboardAndTheGameKeysWait_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("menu");
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << "Bestand";
    QTest::newRow("Alt+B") << int(Qt::Key_B) << int(Qt::AltModifier) << "Bestand";
    QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier) << "Spelers";
    QTest::newRow("Alt+T") << int(Qt::Key_T) << int(Qt::AltModifier) << "Tools";
    QTest::newRow("Alt+H") << int(Qt::Key_H) << int(Qt::AltModifier) << "Help";
}

void TestKeyboard::menusOpenFromTheKeyboardAndTheGameKeysWait() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, menu);
    QTest::keyClick(m_main, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(open);
    QCOMPARE(open->objectName(), menu);
    QVERIFY(open->activeAction() && !open->activeAction()->isSeparator()); // Down starts on an item
    // The game's keys belong to the menu now: no throw, no hold, no cursor.
    for (int k : {Qt::Key_Space, Qt::Key_1, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(m_main, Qt::Key(k));
    const kwintor::GameState& s = m_main->flow().game().state();
    QCOMPARE(s.WorpTeller, 0);
    QCOMPARE(m_main->sheet().cursorPlayer(), 0);
    open->close();
    // With the menu bar holding the keys (after Alt alone), they are the bar's as well.
    m_main->menuBar()->setFocus();
    QTest::keyClick(m_main->menuBar(), Qt::Key_Space);
    QCOMPARE(s.WorpTeller, 0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
