#include "dialogs/ComputerForm.h"
#include "support/DialogTestHelpers.h"

#include <QComboBox>

using namespace kwintor;
using test::child;

namespace {

const PlayerKinds given{PlayerKind::Person,    PlayerKind::Makkelijk, PlayerKind::Person, PlayerKind::Sterk,
                        PlayerKind::Gemiddeld, PlayerKind::Makkelijk, PlayerKind::Sterk};
const PlayerNames names{"", "Ann", "<b>Bob</b>", "C&amp;or", "Dirk", "Eva", "Fien"};

QComboBox* soort(ComputerForm& dialog, int i) { return child<QComboBox>(&dialog, QStringLiteral("Soort(%1)").arg(i)); }

} // namespace

class TestComputerForm : public QObject {
    Q_OBJECT

private slots:
    void aChoiceIsNamedAfterItsPlayerAndAChangeIsSaid() {
        ComputerForm dialog(2, names, given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        soort(dialog, 2)->setCurrentIndex(2); // Bob: from makkelijk to gemiddeld
        const auto said = [&] {
            QStringList texts;
            for (const char* name : {"Melding1", "Melding2"})
                texts << child<QWidget>(&dialog, name)->accessibleName();
            return texts;
        };
        QTRY_VERIFY(said().contains("<b>Bob</b>: Computer: gemiddeld"));
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
        QVERIFY(soort(dialog, MaxPlayers)->geometry().bottom() < child(&dialog, "BackKnoppen")->geometry().top());
    }

    void onlyOkReturnsTheChosenKinds_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Ok") << "OkKnop" << true;
        QTest::newRow("Return on Ok") << "Return" << true;
        QTest::newRow("Cancel") << "CancelKnop" << false;
    }
    void onlyOkReturnsTheChosenKinds() {
        QFETCH(QString, how);
        QFETCH(bool, kept);
        ComputerForm dialog(3, names, given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        soort(dialog, 1)->setCurrentIndex(3);
        QTest::keyClick(soort(dialog, 2), Qt::Key_End);
        soort(dialog, 3)->setCurrentIndex(2);
        if (how == "Return") {
            child<QPushButton>(&dialog, "OkKnop")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else {
            test::click(&dialog, how);
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), kept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        PlayerKinds expected = given; // players 4..6 are out of play and keep theirs
        if (kept)
            expected[1] = expected[2] = PlayerKind::Sterk, expected[3] = PlayerKind::Gemiddeld;
        QCOMPARE(dialog.kinds(), expected);
    }
};

QTEST_MAIN(TestComputerForm)
#include "tst_computerform.moc"
