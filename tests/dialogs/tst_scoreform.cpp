#include "dialogs/ScoreForm.h"
#include "persistence/ScoreList.h"
#include "support/DialogTestHelpers.h"
#include "support/ScriptedPlatform.h"

#include <QListWidget>

using namespace kwintor;
using test::child;
using Answer = Platform::Answer;

class TestScoreForm : public QObject {
    Q_OBJECT
    test::ScriptedPlatform m_platform;

    static ScoreList listOf(const QStringList& entries) {
        ScoreList list;
        for (const QString& entry : entries)
            list.insert(entry.toStdString());
        return list;
    }

    static QStringList shown(ScoreForm& dialog) {
        QStringList texts;
        auto* list = child<QListWidget>(&dialog, "List1");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

private slots:
    void init() { m_platform.messages.clear(); }

    void openingShowsTheBestScoreFirstAndTheCount() {
        ScoreForm dialog(listOf({"0245 - Bob", "0120 - Ann", "0300 - Cor"}), m_platform);
        test::checkWindow(dialog, " Scorelijst", QSize(214, 389),
                          {"List1", "OkKnop", "DeleteKnop", "DeleteAllKnop", "List1"});
        QCOMPARE(shown(dialog), (QStringList{"0300 - Cor", "0245 - Bob", "0120 - Ann"}));
        QCOMPARE(child<QLabel>(&dialog, "Label2")->text(), "3 namen in de lijst");
        QVERIFY(child<QListWidget>(&dialog, "List1")->selectedItems().isEmpty());
    }

    void deletingAsksFirstAndReportsWhatWasRemoved_data() {
        QTest::addColumn<QStringList>("list"); // the main list, ascending
        QTest::addColumn<int>("row");          // the row clicked in the dialog, -1 for none
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("asked"); // title|text of every message
        QTest::addColumn<QStringList>("left");  // the list afterwards
        const QStringList three{"0120 - Ann", "0245 - Bob", "0300 - Cor"};
        const QString askBob = " Delete|Wilt u Bob verwijderen uit de lijst?";
        const QString askNone = " Delete|Wilt u ... verwijderen uit de lijst?";
        const QString askAll = " Delete All|Wilt u alle 3 namen verwijderen?";
        QTest::newRow("Bob, yes") << three << 1 << "DeleteKnop" << Answer::Yes << QStringList{askBob}
                                  << QStringList{"0120 - Ann", "0300 - Cor"};
        QTest::newRow("Bob, no") << three << 1 << "DeleteKnop" << Answer::No << QStringList{askBob} << three;
        QTest::newRow("none, yes") << three << -1 << "DeleteKnop" << Answer::Yes
                                   << QStringList{askNone, " Foutje|Eerst een naam selecteren..."} << three;
        QTest::newRow("two equal entries") << three + QStringList{"0120 - Ann"} << 3 << "DeleteKnop" << Answer::Yes
                                           << QStringList{" Delete|Wilt u Ann verwijderen uit de lijst?"} << three;
        QTest::newRow("all, yes") << three << 1 << "DeleteAllKnop" << Answer::Yes << QStringList{askAll}
                                  << QStringList{};
        QTest::newRow("empty list, Delete")
            << QStringList{} << -1 << "DeleteKnop" << Answer::Yes << QStringList{} << QStringList{};
    }
    void deletingAsksFirstAndReportsWhatWasRemoved() {
        QFETCH(QStringList, list);
        QFETCH(int, row);
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, left);
        ScoreList scores = listOf(list);
        ScoreForm dialog(scores, m_platform);
        dialog.show();
        auto* view = child<QListWidget>(&dialog, "List1");
        if (row >= 0) // a real click, so the selection is the user's
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(row)).center());
        m_platform.answers.enqueue(answer);
        test::click(&dialog, button);

        // What the dialog reports removed, applied to the list as the main window applies it.
        for (const std::string& entry : dialog.removed())
            scores.removeFirstEqual(entry);
        if (dialog.removedAll())
            scores.clear();
        QStringList messages, mainList;
        for (const auto& message : m_platform.messages)
            messages << message.title + "|" + message.text;
        for (const std::string& entry : scores.entries())
            mainList.prepend(QString::fromStdString(entry));
        QCOMPARE(messages, asked);
        QCOMPARE(mainList, QStringList(left.rbegin(), left.rend()));
        QCOMPARE(shown(dialog), mainList); // best first, like the main list reversed
        test::click(&dialog, "OkKnop");
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestScoreForm)
#include "tst_scoreform.moc"
