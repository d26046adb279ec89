#include "dialogs/ComputerForm.h"
#include "dialogs/Config.h"
#include "dialogs/SpelerForm.h"
#include "resources/Plaatjes.h"
#include "support/DialogTestHelpers.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

using namespace kwintor;
using test::child;

namespace {

const PlayerNames names{"", "Ann", "<b>Bob</b>", "C&amp;or", "Dirk", "Eva", "Fien"};
const PlayerKinds given{PlayerKind::Person,    PlayerKind::Makkelijk, PlayerKind::Person, PlayerKind::Sterk,
                        PlayerKind::Gemiddeld, PlayerKind::Makkelijk, PlayerKind::Sterk};

QLineEdit* box(SpelerForm& dialog, int i) { return child<QLineEdit>(&dialog, QStringLiteral("Tsp(%1)").arg(i)); }
QComboBox* soort(ComputerForm& dialog, int i) { return child<QComboBox>(&dialog, QStringLiteral("Soort(%1)").arg(i)); }
QString count(SpelerForm& dialog) { return child<QLabel>(&dialog, "Label2")->text(); }

} // namespace

// The small dialogs that choose: the players' count and names, which of them the computer plays,
// and the colours.
class TestChoiceForms : public QObject {
    Q_OBJECT

private slots:
    void theWindowIsFixedAndReturnOnCancelCancels() {
        SpelerForm dialog(6, names);
        test::checkWindow(dialog, " Spelers", QSize(334, 190),
                          {"CancelKnop", "OkKnop", "HScroll1", "Tsp(1)", "Tsp(2)", "Tsp(3)", "Tsp(4)", "Tsp(5)",
                           "Tsp(6)", "CancelKnop"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void theBarOpensTheBoxesInPlayAndKeepsEveryName_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("moves"); // values the bar is set to after opening
        QTest::addColumn<QString>("countText");
        QTest::newRow("opened with one") << 1 << QList<int>{} << "1 Speler";
        QTest::newRow("four, bar to 2 and back") << 4 << QList<int>{2, 4} << "4 Spelers";
    }
    void theBarOpensTheBoxesInPlayAndKeepsEveryName() {
        QFETCH(int, players);
        QFETCH(QList<int>, moves);
        QFETCH(QString, countText);
        SpelerForm dialog(players, names);
        auto* bar = child<QScrollBar>(&dialog, "HScroll1");
        QCOMPARE(bar->value(), players);
        for (int value : moves)
            bar->setValue(value);
        QCOMPARE(count(dialog), countText);
        for (int i = 1; i <= MaxPlayers; ++i) {
            QCOMPARE(box(dialog, i)->isEnabled(), i <= (moves.isEmpty() ? players : moves.last()));
            QCOMPARE(box(dialog, i)->text(), QString::fromStdString(names[i]));
        }
        // A drag is reported only when the thumb is let go.
        bar->setSliderDown(true);
        bar->setSliderPosition(6);
        QCOMPARE(count(dialog), countText);
        bar->setSliderDown(false);
        QCOMPARE(count(dialog), "6 Spelers");
    }

    void theBarRisesWithUpAndEveryControlIsNamed() {
        SpelerForm dialog(3, names);
        auto* bar = child<QScrollBar>(&dialog, "HScroll1");
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(count(dialog), "4 Spelers");
        const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(name(bar), "Aantal spelers");
        for (int i = 1; i <= MaxPlayers; ++i)
            QCOMPARE(name(box(dialog, i)), QStringLiteral("Naam speler %1").arg(i));
    }

    void onlyOkReturnsTheCountAndTheNames_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("result"); // the count
        QTest::newRow("Ok, box 2 emptied and typed into") << "OkKnop" << 4 << 4;
        QTest::newRow("Ok, four down to two: the others kept") << "OkKnop" << 2 << 2;
    }
    void onlyOkReturnsTheCountAndTheNames() {
        QFETCH(QString, button);
        QFETCH(int, bar);
        QFETCH(int, result);
        SpelerForm dialog(4, names);
        dialog.show();
        const QString typed = "<s>B&o\"b,</s>";
        QTest::mouseDClick(box(dialog, 2), Qt::LeftButton); // empties the box
        QTest::keyClicks(box(dialog, 2), typed);
        child<QScrollBar>(&dialog, "HScroll1")->setValue(bar);
        test::click(&dialog, button);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.count(), result);
        QCOMPARE(QString::fromStdString(dialog.names()[2]), typed);
        QCOMPARE(QString::fromStdString(dialog.names()[4]), "Dirk");
    }
    void aChoiceIsNamedAfterItsPlayerAndAChangeIsSaid() {
        ComputerForm dialog(2, names, given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        soort(dialog, 2)->setCurrentIndex(2); // Bob: from makkelijk to gemiddeld
        const auto said = [&](const char* speaker) { return child<QWidget>(&dialog, speaker)->accessibleName(); };
        QTRY_VERIFY(QStringList({said("Melding1"), said("Melding2")}).contains("<b>Bob</b>: Computer: gemiddeld"));
        QCOMPARE(child<QLabel>(&dialog, "Naam(2)")->buddy(), soort(dialog, 2)); // the label names the choice
    }

    void eachPlayerInPlayHasANameAndAChoice_data() {
        QTest::addColumn<int>("players");
        QTest::newRow("one") << 1;
        QTest::newRow("four") << 4;
    }
    void eachPlayerInPlayHasANameAndAChoice() {
        QFETCH(int, players);
        ComputerForm dialog(players, names, given);
        QStringList tabs;
        for (int i = 1; i <= players; ++i)
            tabs << QStringLiteral("Soort(%1)").arg(i);
        test::checkWindow(dialog, " Computerspelers", QSize(334, 190),
                          tabs + QStringList{"OkKnop", "CancelKnop", "Soort(1)"}, true);
        for (int i = 1; i <= MaxPlayers; ++i) {
            auto* naam = child<QLabel>(&dialog, QStringLiteral("Naam(%1)").arg(i));
            QCOMPARE(soort(dialog, i)->isVisibleTo(&dialog), i <= players);
            QCOMPARE(naam->isVisibleTo(&dialog), i <= players);
            QCOMPARE(soort(dialog, i)->currentIndex(), int(given[i]));
            // The label names its choice for a screen reader, so "&" is doubled to show as typed.
            QCOMPARE(naam->text().replace("&&", "&"), QString::fromStdString(names[i]));
            QCOMPARE(naam->textFormat(), Qt::PlainText); // a name shows as typed
        }
        QCOMPARE(soort(dialog, 1)->itemText(3), "Computer: sterk");
        QCOMPARE(soort(dialog, 1)->itemText(4), "Computer: meester");
        QCOMPARE(soort(dialog, 1)->count(), PlayerKindCount);
        QVERIFY(soort(dialog, MaxPlayers)->geometry().bottom() < child(&dialog, "BackKnoppen")->geometry().top());
    }

    // Tools / Instellingen (its preview, Ok and Cancel are played through the main window).
    void theBarsOpenAtTheStoredColour() {
        Config dialog(Settings{192, 10, 255, 0});
        test::checkWindow(
            dialog, " Instellingen", QSize(334, 190),
            {"CancelKnop", "OkKnop", "ScrollColor(1)", "ScrollColor(2)", "ScrollColor(3)", "HScroll1", "CancelKnop"});
        QCOMPARE(child<QScrollBar>(&dialog, "ScrollColor(2)")->value(), 10);
        QCOMPARE(child<QLabel>(&dialog, "KleurLabel(3)")->text(), "255");
        child<QScrollBar>(&dialog, "ScrollColor(1)")->setValue(200);
        QCOMPARE(child<QLabel>(&dialog, "KleurLabel(1)")->text(), "200");
        dialog.close(); // the close box is a Cancel
        QCOMPARE(dialog.settings().AchtergrondRood, 192);
    }

    void theDiceColourShowsAndIsKeptAtOnce_data() {
        QTest::addColumn<int>("kleur");
        QTest::addColumn<int>("bar"); // moved there, then Cancel
        QTest::newRow("red, not moved") << 6 << 1;
        QTest::newRow("grey, bar to green") << 0 << 2;
    }
    void theDiceColourShowsAndIsKeptAtOnce() {
        QFETCH(int, kleur);
        QFETCH(int, bar);
        Config dialog(Settings{110, 140, 90, std::uint8_t(kleur)});
        dialog.show();
        QCOMPARE(child<QScrollBar>(&dialog, "HScroll1")->value(), kleur / 6);
        child<QScrollBar>(&dialog, "HScroll1")->setValue(bar);
        test::click(&dialog, "CancelKnop");
        QCOMPARE(child<QLabel>(&dialog, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 Plaatjes::instance().Img(6 * bar + 1).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(int(dialog.settings().DobbelsteenKleur), 6 * bar);
    }
};

QTEST_MAIN(TestChoiceForms)
#include "tst_choiceforms.moc"
