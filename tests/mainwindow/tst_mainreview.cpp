#include "dialogs/AnalyseForm.h"
#include "support/MainFixture.h"

using namespace kwintor;

// The record of decisions through the real main window: kept with the game, taken up again with
// it, and reviewed once every column is full.
class TestMainReview : public QObject {
    Q_OBJECT
    std::unique_ptr<test::MainFixture> f;
    const std::vector<Decision>& decisions() const { return f->main->flow().decisions().decisions(); }

private slots:
    void init() {
        f = std::make_unique<test::MainFixture>();
        f->open();
    }
    void cleanup() { f.reset(); }

    // A game taken up after a kill reviews as a whole; decisions that do not read are left out,
    // the file is kept aside, and the game goes on all the same.
    void aResumedGameKeepsItsDecisions_data() {
        QTest::addColumn<QByteArray>("damage"); // replaces the first decision line; empty: none
        QTest::newRow("kept whole") << QByteArray();
        QTest::newRow("a damaged decision") << QByteArray("\"Keuze\",1,1,1,6,6,6,9,9,0,7,0,0,0");
    }
    void aResumedGameKeepsItsDecisions() {
        QFETCH(QByteArray, damage);
        f->setPlayers({"Ann", "Bob"});
        f->throwDice({6, 6, 6, 1, 2});
        for (int die : {1, 2, 3})
            f->hold(die);
        f->throwDice({6, 3}); // the two dice not held
        f->place(1, RowKwintor);
        f->run("Bestand/Ongedaan maken"); // taken back: does not count
        f->place(1, RowZessen);
        f->throwDice({1, 2, 3, 4, 5});
        f->place(2, RowGroteStraat);
        f->throwDice({2, 2, 4, 4, 5});
        const std::vector<Decision> before = decisions();
        QCOMPARE(before.size(), std::size_t(3));
        QCOMPARE(before[1].row, int(RowZessen));
        QVERIFY(f->main->files().flushKeptGame());
        f->kill();

        QByteArray file = f->read("Spel.sav");
        if (!damage.isEmpty()) {
            const qsizetype at = file.indexOf("\"Keuze\",");
            file.replace(at, file.indexOf('\r', at) - at, damage);
            f->write("Spel.sav", file);
        }
        f->platform.answers << Platform::Answer::Yes;
        f->open();
        QTRY_COMPARE(f->state().TotaalAB[2], 40); // the game is back
        QCOMPARE(f->state().TotaalAB[1], 24);
        QCOMPARE(decisions() == before, damage.isEmpty());
        QCOMPARE(f->main->flow().decisions().empty(), !damage.isEmpty());
        QCOMPARE(f->read("Spel.sav.bak"), damage.isEmpty() ? QByteArray("<unreadable>") : file); // nothing lost

        // Play goes on, and so does the record.
        f->hold(1);
        f->throwDice({6, 6, 6, 6});
        QCOMPARE(decisions().back().holds, 1u);
        QCOMPARE(decisions().size(), (damage.isEmpty() ? before.size() : 0) + 1);
    }

    // When the last column is full the final order opens; "Nieuw spel" starts again with the
    // same players, names and computers, and Tools / Analyse still reviews the game just played.
    void newGameFromTheFinalOrderKeepsThePlayers() {
        f->setPlayers({"Ann", "Bob"});
        f->main->flow().setKinds({PlayerKind::Person, PlayerKind::Person, PlayerKind::Makkelijk});
        QString summary;
        f->dialogs << [](QDialog& dialog) { test::click(&dialog, "NieuwKnop"); } << [&](QDialog& dialog) {
            auto* review = qobject_cast<AnalyseForm*>(&dialog);
            QVERIFY(review);
            QTRY_VERIFY_WITH_TIMEOUT(review->ready(), 60000); // the table is made on a thread of its own
            summary = test::child<QLabel>(&dialog, "Samenvatting")->text();
        };
        f->platform.answers << Platform::Answer::No; // Ann's score stays off the list
        for (int row : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14}) {
            QTRY_COMPARE(f->state().AanDeBeurt, 1);
            f->throwDice({3, 3, 3, 3, 3});
            f->place(1, row);
        }
        QTRY_COMPARE(f->shown, QStringList{" Uitslag"});
        const GameState& s = f->state();
        QCOMPARE(int(s.AantalSpelers), 2);
        QCOMPARE(s.SpelerNaam[1], "Ann");
        QCOMPARE(s.SpelerNaam[2], "Bob");
        QVERIFY(f->main->flow().isComputer(2) && !f->main->flow().isComputer(1));
        QCOMPARE(s.TotaalAB[1] + s.TotaalAB[2], 0);
        QVERIFY(f->main->flow().decisions().empty());
        QCOMPARE(s.AanDeBeurt, 1);

        f->run("Tools/Analyse");
        QCOMPARE(f->shown, (QStringList{" Uitslag", " Analyse"}));
        QVERIFY(summary.startsWith("Ann: "));
        QVERIFY(summary.section('\n', 0, 0).endsWith(" punten verloren in 13 keuzes"));
        QVERIFY(summary.section('\n', 1, 1).startsWith("Bob: "));
        QCOMPARE(f->main->files().history().size(), std::size_t(2));
    }
};

QTEST_MAIN(TestMainReview)
#include "tst_mainreview.moc"
