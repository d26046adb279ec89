#include "dialogs/ChanceChart.h"
#include "dialogs/WinkansForm.h"
#include "mainwindow/Announcer.h"
#include "mainwindow/Coach.h"
#include "mainwindow/WinChanceWatch.h"
#include "platform/Platform.h"
#include "support/MainFixture.h"

#include <QLocale>

using namespace kwintor;

namespace {

// "Anna: 37,4 %" read back as 0.374.
double chanceIn(const QLabel* line) {
    const QString number = line->text().section(QStringLiteral(": "), 1).section(u' ', 0, 0);
    bool ok = false;
    const double percent = QLocale(QLocale::Dutch).toDouble(number, &ok);
    return ok ? percent / 100 : -1;
}

} // namespace

// " Winkans" beside the game: its lines, its chart, what a screen reader hears, and that it
// computes only while it is open.
class TestWinkans : public QObject {
    Q_OBJECT
    std::unique_ptr<test::MainFixture> f;
    WinChanceWatch& watch() const { return f->main->winChance(); }
    WinkansForm& form() const { return *watch().form(); }
    void waitForFigures() const { QTRY_VERIFY_WITH_TIMEOUT(!watch().computing(), 20000); }

private slots:
    void init() {
        f = std::make_unique<test::MainFixture>();
        f->withAdviceTable();
        f->open();
        f->setPlayers({"Anna", "Bob"});
    }
    void cleanup() { f.reset(); }

    void linesFollowEveryPlacement() {
        f->run("Tools/Winkans");
        f->waitForAdviceTable();
        QVERIFY(form().isVisible());
        QCOMPARE(form().windowTitle(), QStringLiteral(" Winkans"));
        QCOMPARE(form().windowModality(), Qt::NonModal);
        QVERIFY(form().isWindow());
        QCOMPARE(QApplication::focusWidget()->window(), f->main.get()); // the game keeps the keys
        // Before the first throw everyone stands alike.
        QTRY_COMPARE(form().line(1)->text(), QStringLiteral("Anna: 50,0 %"));
        QCOMPARE(form().line(2)->text(), QStringLiteral("Bob: 50,0 %"));
        QCOMPARE(form().line(1)->accessibleName(), form().line(1)->text());
        QVERIFY(!form().line(3)->isVisible());

        // The game goes on while the figures are worked out: the old lines stay, and it says so.
        f->play(test::OneColumn.last(), 1); // Kwintor, 50 points
        QCOMPARE(form().statusLine().text(), QStringLiteral("Wordt berekend..."));
        QCOMPARE(form().line(1)->text(), QStringLiteral("Anna: 50,0 %"));
        waitForFigures();
        QVERIFY(form().statusLine().text().isEmpty());
        const double anna = chanceIn(form().line(1));
        QVERIFY2(anna > 0.6, qPrintable(form().line(1)->text()));
        QVERIFY(std::abs(anna + chanceIn(form().line(2)) - 1) < 0.0011);

        // Bob ends round 1 on 50 as well: the chart holds the start and round 1.
        f->play(test::OneColumn.last(), 2);
        waitForFigures();
        QCOMPARE(form().line(1)->text(), QStringLiteral("Anna: 50,0 %"));
        QCOMPARE(form().chart().steps().size(), std::size_t(2));
        QVERIFY2(form().chart().textEquivalent().contains(QStringLiteral("Ronde 1: Anna 50,0 %, Bob 50,0 %")),
                 qPrintable(form().chart().textEquivalent()));
        QCOMPARE(form().chart().accessibleDescription(), form().chart().textEquivalent());
    }

    // The best chance passing to another player is told; W adds the chances while the window is
    // open, and nothing is computed once it is closed.
    void aScreenReaderHearsTheChances() {
        f->run("Tools/Winkans");
        f->waitForAdviceTable();
        f->play(test::OneColumn.last(), 1); // Anna leads
        waitForFigures();
        f->play({RowKwintor, {3, 3, 3, 3, 2}, {}, 0}, 2); // Bob scores nothing: Anna leads still
        waitForFigures();
        QVERIFY(!f->main->announcer().last().contains(QStringLiteral("winkans")));
        f->play({RowEnen, {2, 2, 2, 2, 2}, {}, 0}, 1);
        f->play({RowZessen, {6, 6, 6, 6, 6}, {}, 30}, 2);
        f->play({RowTweeen, {3, 3, 3, 3, 3}, {}, 0}, 1);
        f->play({RowDrieGelijke, {6, 6, 6, 6, 6}, {}, 30}, 2); // Bob 60 against Anna 50, ahead in every way
        QTRY_VERIFY_WITH_TIMEOUT(
            f->main->announcer().last().contains(QStringLiteral("Bob heeft nu de grootste winkans")), 20000);
        waitForFigures();
        f->key(Qt::Key_W);
        QTRY_VERIFY(f->main->announcer().last().contains(QStringLiteral("Winkans: Anna ")));

        form().close();
        f->play({RowDrieen, {1, 1, 1, 1, 1}, {}, 0}, 1);
        QVERIFY(!watch().computing());
        f->key(Qt::Key_W);
        QTRY_VERIFY(!f->main->announcer().waiting());
        QVERIFY(!f->main->announcer().last().contains(QStringLiteral("Winkans")));
    }

    // A game taken up again: the lines and the rounds played before, from the kept decisions.
    void aGameTakenUpAgainShowsItsRounds() {
        f->play(test::OneColumn.last(), 1);
        f->play(test::OneColumn[0], 2);
        f->play(test::OneColumn[5], 1);
        f->play(test::OneColumn[2], 2);
        QVERIFY(f->main->files().flushKeptGame());
        f->kill();
        f->platform.answers << Platform::Answer::Yes;
        f->open();
        QTRY_COMPARE(f->state().TotaalAB[1], 80);
        f->run("Tools/Winkans");
        f->waitForAdviceTable();
        QTRY_VERIFY(!form().line(2)->text().isEmpty());
        waitForFigures();
        QVERIFY(std::abs(chanceIn(form().line(1)) + chanceIn(form().line(2)) - 1) < 0.0011);
        const auto& rounds = form().chart().steps();
        QCOMPARE(rounds.size(), std::size_t(3));
        for (const auto& round : rounds)
            QCOMPARE(round.size(), std::size_t(2));
        QCOMPARE(rounds[0], (std::vector<double>{0.5, 0.5}));
        QVERIFY(std::abs(rounds[2][0] - chanceIn(form().line(1))) < 0.0006); // the last round is now
    }

    // The review charts the chance after every placement, from the start on.
    void theReviewChartsEveryPlacement() {
        f->main->coach().prepare();
        f->waitForAdviceTable();
        f->play(test::OneColumn.last(), 1);
        f->play(test::OneColumn[0], 2);
        f->play(test::OneColumn[1], 1);
        QString text;
        std::size_t steps = 0;
        f->dialogs.enqueue([&](QDialog& dialog) {
            auto* chart = dialog.findChild<ChanceChart*>(QStringLiteral("WinkansGrafiek"));
            QTRY_VERIFY_WITH_TIMEOUT(chart && chart->steps().size() == 4 && !chart->steps()[3].empty(), 20000);
            QTRY_VERIFY(dialog.findChild<QLabel*>(QStringLiteral("WinkansStatus"))->text().startsWith("Zet 0 is"));
            steps = chart->steps().size();
            text = chart->accessibleDescription();
            dialog.accept();
        });
        f->run("Tools/Analyse");
        QCOMPARE(steps, std::size_t(4));
        QVERIFY2(text.startsWith(QStringLiteral("Winkans na elke zet. Zet 0: Anna 50,0 %, Bob 50,0 %; Zet 1: Anna ")),
                 qPrintable(text));
    }

    // At the end the highest total has it all.
    void theWinnerEndsOnAHundred() {
        f->run("Tools/Winkans");
        f->waitForAdviceTable();
        for (int t = 0; t < test::OneColumn.size(); ++t) {
            f->play(test::OneColumn[t], 1);
            f->play(t + 1 < test::OneColumn.size() ? test::OneColumn[t]
                                                   : test::Turn{RowKwintor, {3, 3, 3, 3, 2}, {}, 0},
                    2);
        }
        waitForFigures();
        QCOMPARE(form().line(1)->text(), QStringLiteral("Anna: 100,0 %"));
        QCOMPARE(form().line(2)->text(), QStringLiteral("Bob: 0,0 %"));
    }
};

QTEST_MAIN(TestWinkans)
#include "tst_winkans.moc"
