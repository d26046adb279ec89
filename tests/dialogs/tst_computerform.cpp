#include "dialogs/ComputerForm.h"
#include "support/DialogTestHelpers.h"

#include <QComboBox>

using namespace kwintor;
using test::child;
using Kinds = PlayerKinds;

namespace {

Kinds kindsOf(std::initializer_list<int> numbers) {
    Kinds kinds{};
    int p = 0;
    for (int n : numbers)
        kinds[p++] = PlayerKind(n);
    return kinds;
}

const Kinds given = kindsOf({0, 1, 0, 3, 2, 1, 3});

PlayerNames names(const QStringList& list) {
    PlayerNames all;
    for (int p = 1; p <= MaxPlayers; ++p)
        all[p] = p <= list.size() ? list[p - 1].toStdString() : "Speler " + std::to_string(p);
    return all;
}

QComboBox* soort(ComputerForm& dialog, int i) { return child<QComboBox>(&dialog, QStringLiteral("Soort(%1)").arg(i)); }
QLabel* naam(ComputerForm& dialog, int i) { return child<QLabel>(&dialog, QStringLiteral("Naam(%1)").arg(i)); }

} // namespace

class TestComputerForm : public QObject {
    Q_OBJECT

private slots:
    void aChoiceIsNamedAfterItsPlayerAndAChangeIsSaid() {
        ComputerForm dialog(2, names({"Ann", "Bob"}), given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        soort(dialog, 2)->setCurrentIndex(2); // Bob: from makkelijk to gemiddeld
        const auto said = [&] {
            QStringList texts;
            for (const char* name : {"Melding1", "Melding2"})
                texts << child<QWidget>(&dialog, name)->accessibleName();
            return texts;
        };
        QTRY_VERIFY(said().contains("Bob: Computer: gemiddeld"));
        QCOMPARE(naam(dialog, 2)->buddy(), soort(dialog, 2)); // the label names the choice
    }

    void eachPlayerInPlayHasANameAndAChoiceInTabOrder_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("one") << 1 << QStringList{"Ann"};
        QTest::newRow("four, markup as typed") << 4 << QStringList{"Ann", "<b>Bob</b>", "C&amp;or", "Dirk"};
        QTest::newRow("six") << 6 << QStringList{"Ann", "Bob", "Cor", "Dirk", "Eva", "Fien"};
    }
    void eachPlayerInPlayHasANameAndAChoiceInTabOrder() {
        QFETCH(int, players);
        QFETCH(QStringList, shown);
        ComputerForm dialog(players, names(shown), given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), " Computerspelers");
        QCOMPARE(dialog.size(), QSize(334, 190));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(soort(dialog, MaxPlayers)->geometry().bottom() < child(&dialog, "BackKnoppen")->geometry().top());

        QStringList tabs;
        for (int i = 1; i <= MaxPlayers; ++i) {
            const bool inPlay = i <= players;
            QCOMPARE(soort(dialog, i)->isVisible(), inPlay);
            QCOMPARE(naam(dialog, i)->isVisible(), inPlay);
            QCOMPARE(soort(dialog, i)->currentIndex(), int(given[i]));
            if (!inPlay)
                continue;
            tabs << soort(dialog, i)->objectName();
            QStringList texts;
            for (int k = 0; k < soort(dialog, i)->count(); ++k)
                texts << soort(dialog, i)->itemText(k);
            QCOMPARE(texts, QStringList({"Mens", "Computer: makkelijk", "Computer: gemiddeld", "Computer: sterk"}));
            QCOMPARE(naam(dialog, i)->text().replace("&&", "&"), shown[i - 1]); // "&&" shows as "&"
            // Read as markup, "<b>Bob</b>" would come out as the narrower "Bob".
            QVERIFY(naam(dialog, i)->sizeHint().width() >=
                    naam(dialog, i)->fontMetrics().horizontalAdvance(shown[i - 1]));
        }
        tabs << "OkKnop"
             << "CancelKnop"
             << "Soort(1)";
        QStringList order{QApplication::focusWidget()->objectName()};
        while (order.size() < tabs.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, tabs);
    }

    void onlyOkReturnsTheChosenKinds_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<Kinds>("expected");
        const Kinds chosen = kindsOf({0, 3, 3, 2, 2, 1, 3}); // players 1..3 changed to 3, 3, 2; 4..6 out of play
        QTest::newRow("Ok") << "OkKnop" << chosen;
        QTest::newRow("Return on Ok") << "Return" << chosen;
        QTest::newRow("Cancel") << "CancelKnop" << given;
        QTest::newRow("Escape") << "Escape" << given;
        QTest::newRow("close box") << "close" << given;
    }
    void onlyOkReturnsTheChosenKinds() {
        QFETCH(QString, how);
        QFETCH(Kinds, expected);
        ComputerForm dialog(3, names({}), given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        soort(dialog, 1)->setCurrentIndex(3);
        QTest::keyClick(soort(dialog, 2), Qt::Key_End);
        soort(dialog, 3)->setCurrentIndex(2);
        if (how == "Return") {
            child<QPushButton>(&dialog, "OkKnop")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (how == "Escape") {
            QTest::keyClick(soort(dialog, 2), Qt::Key_Escape);
        } else if (how == "close") {
            dialog.close();
        } else {
            test::click(&dialog, how);
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), expected == given ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QCOMPARE(dialog.kinds(), expected);
    }
};

QTEST_MAIN(TestComputerForm)
#include "tst_computerform.moc"
