#include "dialogs/SpelerForm.h"
#include "support/DialogTestHelpers.h"

#include <QAccessible>
#include <QLineEdit>

using namespace kwintor;
using test::child;

namespace {

const PlayerNames six{"", "Ann", "Bob", "Cor", "Dirk", "Eva", "Fien"};

QLineEdit* box(SpelerForm& dialog, int i) { return child<QLineEdit>(&dialog, QStringLiteral("Tsp(%1)").arg(i)); }
QString count(SpelerForm& dialog) { return child<QLabel>(&dialog, "Label2")->text(); }

} // namespace

class TestSpelerForm : public QObject {
    Q_OBJECT

private slots:
    void theWindowIsFixedAndReturnOnCancelCancels() {
        SpelerForm dialog(6, six);
        test::checkWindow(dialog, " Spelers", QSize(334, 190),
                          {"CancelKnop", "OkKnop", "HScroll1", "Tsp(1)", "Tsp(2)", "Tsp(3)", "Tsp(4)", "Tsp(5)",
                           "Tsp(6)", "CancelKnop"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
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
        SpelerForm dialog(players, six);
        auto* bar = child<QScrollBar>(&dialog, "HScroll1");
        QCOMPARE(bar->value(), players);
        for (int value : moves)
            bar->setValue(value);
        QCOMPARE(count(dialog), countText);
        for (int i = 1; i <= MaxPlayers; ++i) {
            QCOMPARE(box(dialog, i)->isEnabled(), i <= (moves.isEmpty() ? players : moves.last()));
            QCOMPARE(box(dialog, i)->text(), QString::fromStdString(six[i]));
        }
        // A drag is reported only when the thumb is let go.
        bar->setSliderDown(true);
        bar->setSliderPosition(6);
        QCOMPARE(count(dialog), countText);
        bar->setSliderDown(false);
        QCOMPARE(count(dialog), "6 Spelers");
    }

    void theBarRisesWithRightAndUpAndEveryControlIsNamed_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("countText");
        QTest::newRow("Right") << int(Qt::Key_Right) << "4 Spelers";
        QTest::newRow("Up") << int(Qt::Key_Up) << "4 Spelers";
        QTest::newRow("Down") << int(Qt::Key_Down) << "2 Spelers";
    }
    void theBarRisesWithRightAndUpAndEveryControlIsNamed() {
        QFETCH(int, key);
        QFETCH(QString, countText);
        SpelerForm dialog(3, six);
        auto* bar = child<QScrollBar>(&dialog, "HScroll1");
        QTest::keyClick(bar, Qt::Key(key));
        QCOMPARE(count(dialog), countText);
        const auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(name(bar), "Aantal spelers");
        for (int i = 1; i <= MaxPlayers; ++i)
            QCOMPARE(name(box(dialog, i)), QStringLiteral("Naam speler %1").arg(i));
    }

    void onlyOkReturnsTheCountAndTheNames_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("result"); // the count, 0 for Cancel
        QTest::newRow("Ok, box 2 emptied and typed into") << "OkKnop" << 4 << 4;
        QTest::newRow("Ok, four down to two: the others kept") << "OkKnop" << 2 << 2;
        QTest::newRow("Cancel after typing") << "CancelKnop" << 5 << 0;
    }
    void onlyOkReturnsTheCountAndTheNames() {
        QFETCH(QString, button);
        QFETCH(int, bar);
        QFETCH(int, result);
        SpelerForm dialog(4, six);
        dialog.show();
        const QString typed = "<s>B&o\"b,</s>";
        QTest::mouseDClick(box(dialog, 2), Qt::LeftButton); // empties the box
        QTest::keyClicks(box(dialog, 2), typed);
        child<QScrollBar>(&dialog, "HScroll1")->setValue(bar);
        test::click(&dialog, button);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (!result)
            return;
        QCOMPARE(dialog.count(), result);
        QCOMPARE(QString::fromStdString(dialog.names()[2]), typed);
        QCOMPARE(QString::fromStdString(dialog.names()[4]), "Dirk");
    }
};

QTEST_MAIN(TestSpelerForm)
#include "tst_spelerform.moc"
