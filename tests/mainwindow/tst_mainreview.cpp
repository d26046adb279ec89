#include "dialogs/AnalyseForm.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "persistence/KeptGame.h"
#include "support/DialogTestHelpers.h"
#include "support/ScriptedPlatform.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace kwintor;
using test::ScriptedPlatform;

// The record of decisions through the real main window: kept with the game, taken up again with
// it, and reviewed once every column is full.
class TestMainReview : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<Main> m_main;

    void open(QList<Platform::Answer> answers = {}) {
        m_main.reset();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
        m_platform->answers << answers;
        m_main = std::make_unique<Main>(*m_platform);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        m_main->computers().setStepInterval(0);
    }
    void throwDice(const QList<int>& faces) {
        for (int face : faces)
            for (int frame = 0; frame < 5; ++frame)
                m_platform->faces.enqueue(face);
        m_main->SchudKnop_Click();
    }
    QByteArray keptFile() const {
        QFile file(m_dir->filePath("Spel.sav"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        open();
    }
    void cleanup() {
        m_main.reset();
        m_platform.reset();
    }

    // A game taken up after a kill reviews as a whole; decisions that do not read are left out,
    // the file is kept aside, and the game goes on all the same.
    void aResumedGameKeepsItsDecisions_data() {
        QTest::addColumn<QByteArray>("damage"); // replaces the first decision line; empty: none
        QTest::newRow("kept whole") << QByteArray();
        QTest::newRow("a damaged decision") << QByteArray("\"Keuze\",1,1,1,6,6,6,9,9,0,7,0,0,0");
    }
    void aResumedGameKeepsItsDecisions() {
        QFETCH(QByteArray, damage);
        m_main->flow().choosePlayers(2, {"", "Ann", "Bob", "", "", "", ""});
        throwDice({6, 6, 6, 1, 2});
        for (int die : {1, 2, 3})
            m_main->DobbelsteenPic_Click(die);
        throwDice({6, 3}); // the two dice not held
        m_main->SP_Click(1, RowKwintor);
        m_main->BestandOngedaan_Click(); // taken back: does not count
        m_main->SP_Click(1, RowZessen);
        throwDice({1, 2, 3, 4, 5});
        m_main->SP_Click(2, RowGroteStraat);
        throwDice({2, 2, 4, 4, 5});
        const std::vector<Decision> before = m_main->flow().decisions().decisions();
        QCOMPARE(before.size(), std::size_t(3));
        QCOMPARE(before[1].row, int(RowZessen));
        QVERIFY(m_main->files().flushKeptGame());
        m_main.reset(); // as a kill would

        QByteArray file = keptFile();
        if (!damage.isEmpty()) {
            const qsizetype at = file.indexOf("\"Keuze\",");
            file.replace(at, file.indexOf('\r', at) - at, damage);
            QFile out(m_dir->filePath("Spel.sav"));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        }
        open({Platform::Answer::Yes});
        QTRY_COMPARE(m_main->flow().game().state().TotaalAB[2], 40); // the game is back
        QCOMPARE(m_main->flow().game().state().TotaalAB[1], 24);
        QCOMPARE(m_main->flow().decisions().decisions() == before, damage.isEmpty());
        QCOMPARE(m_main->flow().decisions().empty(), !damage.isEmpty());
        QFile aside(m_dir->filePath("Spel.sav.bak"));
        QCOMPARE(aside.exists(), !damage.isEmpty());
        if (aside.open(QIODevice::ReadOnly))
            QCOMPARE(aside.readAll(), file); // nothing of it lost

        // Play goes on, and so does the record.
        m_main->DobbelsteenPic_Click(1);
        throwDice({6, 6, 6, 6});
        QCOMPARE(m_main->flow().decisions().decisions().back().holds, 1u);
        QCOMPARE(m_main->flow().decisions().decisions().size(), (damage.isEmpty() ? before.size() : 0) + 1);
    }

    // When the last column is full the final order opens; "Nieuw spel" starts again with the
    // same players, names and computers, and Tools / Analyse still reviews the game just played.
    void newGameFromTheFinalOrderKeepsThePlayers() {
        m_main->flow().choosePlayers(2, {"", "Ann", "Bob", "", "", "", ""});
        m_main->flow().setKinds({PlayerKind::Person, PlayerKind::Person, PlayerKind::Makkelijk});
        QStringList shown;
        QString summary;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || shown.contains(dialog->windowTitle()))
                return;
            shown << dialog->windowTitle();
            if (dialog->windowTitle() == " Uitslag")
                test::click(dialog, "NieuwKnop");
            if (auto* review = qobject_cast<AnalyseForm*>(dialog)) {
                QTRY_VERIFY_WITH_TIMEOUT(review->ready(), 60000); // the table is made on a thread of its own
                summary = test::child<QLabel>(dialog, "Samenvatting")->text();
                review->accept();
            }
        });
        answer.start(5);
        m_platform->answers << Platform::Answer::No; // Ann's score stays off the list
        for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}) {
            QTRY_COMPARE(m_main->flow().game().state().AanDeBeurt, 1);
            throwDice({3, 3, 3, 3, 3});
            m_main->SP_Click(1, row);
        }
        QTRY_COMPARE(shown, QStringList{" Uitslag"});
        const GameState& s = m_main->flow().game().state();
        QCOMPARE(int(s.AantalSpelers), 2);
        QCOMPARE(s.SpelerNaam[1], "Ann");
        QCOMPARE(s.SpelerNaam[2], "Bob");
        QVERIFY(m_main->flow().isComputer(2) && !m_main->flow().isComputer(1));
        QCOMPARE(s.TotaalAB[1] + s.TotaalAB[2], 0);
        QVERIFY(m_main->flow().decisions().empty());
        QCOMPARE(s.AanDeBeurt, 1);

        m_main->findChild<QAction*>("ToolsAnalyse")->trigger();
        QTRY_COMPARE(shown.size(), 2);
        QCOMPARE(shown[1], " Analyse");
        QVERIFY(summary.startsWith("Ann: "));
        QVERIFY(summary.section('\n', 0, 0).endsWith(" punten verloren in 13 keuzes"));
        QVERIFY(summary.section('\n', 1, 1).startsWith("Bob: "));
        QCOMPARE(m_main->files().history().size(), std::size_t(2));
    }
};

QTEST_MAIN(TestMainReview)
#include "tst_mainreview.moc"
