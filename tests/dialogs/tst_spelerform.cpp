#include "dialogs/SpelerForm.h"
#include "support/DialogTestHelpers.h"

#include <QAccessible>
#include <QLineEdit>

using namespace kwintor;
using test::child;

namespace {

PlayerNames names(const QStringList& list) {
    PlayerNames all;
    for (int p = 1; p <= MaxPlayers; ++p)
        all[p] = p <= list.size() ? list[p - 1].toStdString() : "Speler " + std::to_string(p);
    return all;
}

QLineEdit* box(SpelerForm& dialog, int i) { return child<QLineEdit>(&dialog, QStringLiteral("Tsp(%1)").arg(i)); }
QString count(SpelerForm& dialog) { return child<QLabel>(&dialog, "Label2")->text(); }

} // namespace

class TestSpelerForm : public QObject {
    Q_OBJECT

private slots:
    void theWindowIsFixedAndTabsFromCancelThroughTheBoxes() {
        SpelerForm dialog(6, names({"A", "B", "C", "D", "E", "F"}));
        test::checkWindow(dialog, " Spelers", QSize(334, 190),
                          {"CancelKnop", "OkKnop", "HScroll1", "Tsp(1)", "Tsp(2)", "Tsp(3)", "Tsp(4)", "Tsp(5)",
                           "Tsp(6)", "CancelKnop"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on the focused Cancel
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    void theBarEnablesTheBoxesInPlayAndKeepsEveryName_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("moves"); // values the bar is set to after opening
        QTest::addColumn<QString>("countText");
        QTest::newRow("opened with one") << 1 << QList<int>{} << "1 Speler";
        QTest::newRow("opened with three") << 3 << QList<int>{} << "3 Spelers";
        QTest::newRow("four, bar to 2") << 4 << QList<int>{2} << "2 Spelers";
        QTest::newRow("four, bar to 2 and back") << 4 << QList<int>{2, 4} << "4 Spelers";
    }
    void theBarEnablesTheBoxesInPlayAndKeepsEveryName() {
        QFETCH(int, players);
        QFETCH(QList<int>, moves);
        QFETCH(QString, countText);
        const QStringList six{"Ann", "Bob", "Cor", "Dirk", "Eva", "Fien"};
        SpelerForm dialog(players, names(six));
        auto* bar = child<QScrollBar>(&dialog, "HScroll1");
        QCOMPARE(bar->value(), players);
        for (int value : moves)
            bar->setValue(value);
        QCOMPARE(count(dialog), countText);
        const int shown = moves.isEmpty() ? players : moves.last();
        for (int i = 1; i <= MaxPlayers; ++i) {
            QCOMPARE(box(dialog, i)->isEnabled(), i <= shown);
            QCOMPARE(box(dialog, i)->text(), six[i - 1]);
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
        QTest::newRow("Left") << int(Qt::Key_Left) << "2 Spelers";
        QTest::newRow("Down") << int(Qt::Key_Down) << "2 Spelers";
    }
    void theBarRisesWithRightAndUpAndEveryControlIsNamed() {
        QFETCH(int, key);
        QFETCH(QString, countText);
        SpelerForm dialog(3, names({}));
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
        QTest::addColumn<int>("typedInto"); // double-clicked (which empties it), then typed; 0 for none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("chosen"); // names 1..4 as the dialog returns them
        const QStringList four{"Ann", "Bob", "Cor", "Dirk"};
        QTest::newRow("Ok, box 2 emptied, <s> typed")
            << "OkKnop" << 2 << "<s>B&o\"b,</s>" << 4 << 4 << QStringList{"Ann", "<s>B&o\"b,</s>", "Cor", "Dirk"};
        QTest::newRow("Ok, four down to two: the others kept") << "OkKnop" << 0 << "" << 2 << 2 << four;
        QTest::newRow("Cancel after typing") << "CancelKnop" << 1 << "Zoe" << 5 << 0 << four;
    }
    void onlyOkReturnsTheCountAndTheNames() {
        QFETCH(QString, button);
        QFETCH(int, typedInto);
        QFETCH(QString, typed);
        QFETCH(int, bar);
        QFETCH(int, result);
        QFETCH(QStringList, chosen);
        SpelerForm dialog(4, names({"Ann", "Bob", "Cor", "Dirk"}));
        dialog.show();
        if (typedInto) {
            QTest::mouseDClick(box(dialog, typedInto), Qt::LeftButton);
            QTest::keyClicks(box(dialog, typedInto), typed);
        }
        child<QScrollBar>(&dialog, "HScroll1")->setValue(bar);
        test::click(&dialog, button);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (!result)
            return;
        QCOMPARE(dialog.count(), result);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(QString::fromStdString(dialog.names()[i]), chosen[i - 1]);
    }
};

QTEST_MAIN(TestSpelerForm)
#include "tst_spelerform.moc"
