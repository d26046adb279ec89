#include "dialogs/ScoreForm.h"
#include "mainwindow/Main.h"
#include "support/ScriptedPlatform.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kwintor;
using Answer = Platform::Answer;

class TestScoreForm : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<test::ScriptedPlatform> m_platform;
    std::unique_ptr<Main> m_main;

    QStringList mainList() const {
        QStringList texts;
        for (const std::string& entry : m_main->ScoreLijst().entries())
            texts << QString::fromStdString(entry);
        return texts;
    }
    static QStringList shown(ScoreForm& dialog) {
        QStringList texts;
        auto* list = dialog.findChild<QListWidget*>("List1");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
    QStringList messages() const {
        QStringList texts;
        for (const auto& message : m_platform->messages)
            texts << message.title + "|" + message.text;
        return texts;
    }
    void click(ScoreForm& dialog, const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
    }

private slots:
    void init() {
        m_platform = std::make_unique<test::ScriptedPlatform>(m_dir.path());
        m_main = std::make_unique<Main>(*m_platform);
        m_main->ScoreLijst().clear();
        for (const char* entry : {"0245 - Bob", "0120 - Ann", "0300 - Cor"})
            m_main->ScoreLijst().insert(entry);
    }
    void cleanup() { m_main.reset(); }

    void openingShowsTheBestScoreFirstAndTheCount() {
        ScoreForm dialog(*m_main);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), " Scorelijst");
        QCOMPARE(dialog.size(), QSize(214, 389));
        QCOMPARE(QApplication::focusWidget()->objectName(), "List1");
        QCOMPARE(shown(dialog), (QStringList{"0300 - Cor", "0245 - Bob", "0120 - Ann"}));
        QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), "3 namen in de lijst");
        QVERIFY(dialog.findChild<QListWidget*>("List1")->selectedItems().isEmpty());
    }

    void deleteAsksAboutTheNameAndRemovesFromBothLists_data() {
        QTest::addColumn<QString>("extra");    // one more entry in the list
        QTest::addColumn<int>("row");          // selected row of the dialog, -1 for none
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QStringList>("left"); // the main list afterwards
        const QStringList all{"0120 - Ann", "0245 - Bob", "0300 - Cor"};
        const QString askBob = " Delete|Wilt u Bob verwijderen uit de lijst?";
        const QString askNone = " Delete|Wilt u ... verwijderen uit de lijst?";
        QTest::newRow("Bob, yes") << "" << 1 << Answer::Yes << QStringList{askBob}
                                  << QStringList{"0120 - Ann", "0300 - Cor"};
        QTest::newRow("Bob, no") << "" << 1 << Answer::No << QStringList{askBob} << all;
        QTest::newRow("none, yes") << "" << -1 << Answer::Yes
                                   << QStringList{askNone, " Foutje|Eerst een naam selecteren..."} << all;
        QTest::newRow("none, no") << "" << -1 << Answer::No << QStringList{askNone} << all;
        QTest::newRow("seven characters") << "0000 - " << 3 << Answer::Yes << QStringList{askNone} << all;
        QTest::newRow("equal entries, lower one") << "0120 - Ann" << 3 << Answer::Yes
                                                  << QStringList{" Delete|Wilt u Ann verwijderen uit de lijst?"} << all;
    }
    void deleteAsksAboutTheNameAndRemovesFromBothLists() {
        QFETCH(QString, extra);
        QFETCH(int, row);
        QFETCH(Answer, answer);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, left);
        if (!extra.isEmpty())
            m_main->ScoreLijst().insert(extra.toStdString());
        ScoreForm dialog(*m_main);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("List1");
        const QStringList before = shown(dialog);
        if (row >= 0)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        m_platform->answers.enqueue(answer);
        click(dialog, "DeleteKnop");
        QCOMPARE(messages(), asked);
        QCOMPARE(mainList(), left);
        QStringList expectedShown = before;
        if (mainList().size() < before.size())
            expectedShown.removeAt(row);
        QCOMPARE(shown(dialog), expectedShown);
        QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), QStringLiteral("%1 namen in de lijst").arg(before.size()));
        if (mainList().size() < before.size())
            QVERIFY(list->selectedItems().isEmpty());
    }

    void deleteAllAsksWithTheCount_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("yes") << Answer::Yes << 0;
        QTest::newRow("no") << Answer::No << 3;
    }
    void deleteAllAsksWithTheCount() {
        QFETCH(Answer, answer);
        QFETCH(int, left);
        ScoreForm dialog(*m_main);
        dialog.show();
        m_platform->answers.enqueue(answer);
        click(dialog, "DeleteAllKnop");
        QCOMPARE(messages(), QStringList{" Delete All|Wilt u alle 3 namen verwijderen?"});
        QCOMPARE(m_main->ScoreLijst().count(), left);
        QCOMPARE(shown(dialog).size(), left);
    }

    void anEmptyListShowsNoMessageAtAll() {
        m_main->ScoreLijst().clear();
        ScoreForm dialog(*m_main);
        dialog.show();
        QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(), "0 namen in de lijst");
        click(dialog, "DeleteKnop");
        click(dialog, "DeleteAllKnop");
        QVERIFY(m_platform->messages.isEmpty());
        click(dialog, "OkKnop");
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestScoreForm)
#include "tst_scoreform.moc"
