#include "mainwindow/Announcer.h"
#include "mainwindow/ScoreSheet.h"
#include "mainwindow/SpokenTexts.h"
#include "support/MainFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

using namespace kwintor;
using test::MainFixture;
using test::OneColumn;
using Answer = Platform::Answer;

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
    std::unique_ptr<MainFixture> f;

private slots:
    void init() {
        f = std::make_unique<MainFixture>();
        f->open();
        f->byKeys = true;
    }
    void cleanup() { f.reset(); }

    void announcementsReachTheScreenReaderWithoutTakingTheFocus_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("said");
        QTest::newRow("throw") << QStringList{"throw 12345"} << "Worp 1 van 3: een, twee, drie, vier, vijf. Som 15.";
        QTest::newRow("hold") << QStringList{"throw 55555", "key 3"} << "Dobbelsteen 3 vastgezet.";
        QTest::newRow("release") << QStringList{"throw 55555", "key 3", "key 3"} << "Dobbelsteen 3 losgelaten.";
        QTest::newRow("hold before the first throw") << QStringList{"key 3"} << "Eerst gooien.";
        QTest::newRow("placement before the first throw") << QStringList{"down", "enter"} << "Eerst gooien.";
        QTest::newRow("fourth throw") << QStringList{"throw 11111", "throw 11111", "throw 11111", "space"}
                                      << "Niet meer gooien: u hebt al drie keer gegooid. Kies een vak.";
        QTest::newRow("placement and the turn") << QStringList{"players", "throw 55555", "place 4"}
                                                << "Anna zet 25 bij Totaal vijven. Bert is aan de beurt.";
        QTest::newRow("undo") << QStringList{"players", "throw 55555", "place 4", "undo"}
                              << "Ongedaan gemaakt: Totaal vijven is weer open. Anna is aan de beurt.";
        QTest::newRow("totals key") << QStringList{"throw 55555", "place 4", "key T"}
                                    << "Speler 1: Totaal A 25, nog 38 punten tot de bonus, Totaal B 0, Totaal 25.";
        QTest::newRow("turn key") << QStringList{"throw 22333", "key W"}
                                  << "Speler 1 is aan de beurt. Worp 1 van 3: twee, twee, drie, drie, drie. Som 13.";
    }
    void announcementsReachTheScreenReaderWithoutTakingTheFocus() {
        QFETCH(QStringList, steps);
        QFETCH(QString, said);
        heard.clear();
        f->main->announcer().setReport(listen);
        QWidget* focus = nullptr;
        for (const QString& step : steps) {
            focus = QApplication::focusWidget();
            const QString what = step.section(u' ', 0, 0), arg = step.section(u' ', 1);
            if (what == "throw") {
                QList<int> faces;
                for (QChar c : arg)
                    faces << c.digitValue();
                f->throwDice(faces);
            } else if (what == "key") {
                f->key(arg[0].unicode());
            } else if (what == "players") {
                f->setPlayers({"Anna", "Bert"});
            } else if (what == "place") {
                f->place(1, arg.toInt());
            } else if (what == "undo") {
                f->key(Qt::Key_Z, Qt::ControlModifier);
            } else {
                f->key(what == "down" ? Qt::Key_Down : what == "enter" ? Qt::Key_Return : Qt::Key_Space);
            }
            QTRY_VERIFY(!f->main->announcer().waiting());
        }
        QCOMPARE(QApplication::focusWidget(), focus); // the last step left the keys where they were
        QList<Heard> announced;
        for (const Heard& h : heard)
            if (h.type == QAccessible::Focus && h.object->objectName().startsWith("Melding"))
                announced << h;
        QVERIFY(!announced.isEmpty());
        QCOMPARE(announced.last().name, said);
        for (int i = 1; i < announced.size(); ++i) // the two speakers take turns
            QVERIFY(announced[i].object != announced[i - 1].object);
    }

    // Once the upper part is full, T says whether the bonus came instead of how far it is.
    void theTotalsKeyTellsWhetherTheBonusCame() {
        GameState s;
        s.SpelerNaam[1] = "Anna";
        for (int row = RowEnen; row <= RowZessen; ++row)
            s.cells[1][row].scored = true;
        s.TotaalA[1] = s.TotaalAB[1] = 60;
        QCOMPARE(totalsText(s), "Anna: Totaal A 60, geen bonus, Totaal B 0, Totaal 60.");
        s.BonusGegeven[1] = true;
        QVERIFY(totalsText(s).contains(", bonus behaald, "));
    }

    void columnsOfPlayersWhoDoNotPlayAreLeftOutOfTheReview() {
        QStringList names; // every name a reader meets walking the tree of the window
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* face) {
            names << face->text(QAccessible::Name);
            for (int i = 0; i < face->childCount(); ++i)
                walk(face->child(i));
        };
        f->setPlayers({"Anna", "Bert"});
        walk(QAccessible::queryAccessibleInterface(f->main.get()));
        QVERIFY(names.contains("Bert, Kans: open"));
        QVERIFY(names.filter("Speler 3").isEmpty() && names.filter("Speler 6").isEmpty());
        f->setPlayers({"Anna", "Bert", "Cor"});
        names.clear();
        walk(QAccessible::queryAccessibleInterface(f->main.get()));
        QVERIFY(names.contains("Cor, Kans: open"));
    }

    void menusOpenFromTheKeyboardAndTheGameKeysWait_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("menu");
        QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << "Bestand";
        QTest::newRow("Alt+B") << int(Qt::Key_B) << int(Qt::AltModifier) << "Bestand";
        QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier) << "Spelers";
        QTest::newRow("Alt+T") << int(Qt::Key_T) << int(Qt::AltModifier) << "Tools";
        QTest::newRow("Alt+H") << int(Qt::Key_H) << int(Qt::AltModifier) << "Help";
    }
    void menusOpenFromTheKeyboardAndTheGameKeysWait() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, menu);
        QTest::keyClick(f->main.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(open);
        QCOMPARE(open->objectName(), menu);
        QVERIFY(open->activeAction() && !open->activeAction()->isSeparator()); // Down starts on an item
        // The game's keys belong to the menu now: no throw, no hold, no cursor.
        for (int k : {Qt::Key_Space, Qt::Key_1, Qt::Key_Down, Qt::Key_Left})
            QTest::keyClick(f->main.get(), Qt::Key(k));
        QCOMPARE(f->state().WorpTeller, 0);
        QCOMPARE(f->main->sheet().cursorPlayer(), 0);
        open->close();
        // With the menu bar holding the keys (after Alt alone), they are the bar's as well.
        f->main->menuBar()->setFocus();
        QTest::keyClick(f->main->menuBar(), Qt::Key_Space);
        QCOMPARE(f->state().WorpTeller, 0);
    }

    void theCursorVisitsOnlyOpenCellsOfThePlayerOnTurn() {
        f->setPlayers({"Anna", "Bert"});
        f->play(OneColumn[1]); // Anna's twos
        f->throwDice({6, 6, 6, 6, 6});
        QStringList visited;
        for (int i = 0; i < 14; ++i) {
            f->key(Qt::Key_Up);
            visited << QStringLiteral("%1/%2").arg(f->main->sheet().cursorPlayer()).arg(f->main->sheet().cursorRow());
        }
        // Bert's thirteen open categories from the bottom up, then round again; never a total.
        QCOMPARE(visited.join(u' '), "2/14 2/13 2/12 2/11 2/10 2/9 2/8 2/5 2/4 2/3 2/2 2/1 2/0 2/14");
        QVERIFY(f->widget("CellCursor")->isVisible());
        f->key(Qt::Key_Escape);
        QVERIFY(f->widget("CellCursor")->isHidden());
        f->platform.faces << 1 << 1 << 1 << 1 << 1;
        f->key(Qt::Key_Enter); // without a cursor Enter throws
        QCOMPARE(f->state().WorpTeller, 2);
    }

    // Ctrl+Z takes back the last placement, with its dice and throws, until the next throw.
    void undoTakesBackOnlyTheLastPlacementBeforeTheNextThrow() {
        f->play(OneColumn.mid(0, 2));
        QVERIFY(f->main->actions().ongedaan->isEnabled());
        f->key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->cell(1, RowTweeen)->text(), "0");
        QCOMPARE(f->state().TotaalAB[1], 5);
        QVERIFY(!f->main->actions().ongedaan->isEnabled());
        QCOMPARE(f->state().WorpTeller, 2);
        f->place(1, RowKans);
        QCOMPARE(f->cell(1, RowKans)->text(), "10");
        f->throwDice({2, 2, 2, 2, 2});
        QVERIFY(!f->main->actions().ongedaan->isEnabled());
        f->key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->cell(1, RowKans)->text(), "10");
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
