// Screenshots of the main window for the README and docs/: ./build/bench/kwintor_bench --shots DIR
#include "Benchmarks.h"

#include "advisor/ValueTable.h"
#include "dialogs/ComputerForm.h"
#include "dialogs/Config.h"
#include "dialogs/ScoreForm.h"
#include "dialogs/SpelerForm.h"
#include "dialogs/StatistiekForm.h"
#include "dialogs/Titel.h"
#include "dialogs/UitslagForm.h"
#include "dialogs/WinkansForm.h"
#include "mainwindow/ChanceRun.h"
#include "mainwindow/Coach.h"
#include "mainwindow/ComputerPlayers.h"
#include "mainwindow/GameFlow.h"
#include "mainwindow/Main.h"
#include "mainwindow/WinChanceWatch.h"
#include "platform/QtPlatform.h"
#include "review/ChanceHistory.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// The real platform with fixed faces, so the pictures show a game worth looking at.
class ShotPlatform : public kwintor::QtPlatform {
public:
    int randomFace() override {
        // The scripted faces; once they run out (a computer player's throws), fair ones.
        const int face = faces.isEmpty() ? (fair ? QtPlatform::randomFace() : 1) : faces.takeFirst();
        return face;
    }
    bool processEventsFor(double) override { return true; }
    double clockSeconds() const override { return m_clock += 0.05; }
    QString dataDirectory() const override { return m_dir.path(); }
    // The title window describes the program beside this one in the build tree.
    QString programDirectory() const override {
        return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../src")).absolutePath();
    }
    QList<int> faces;
    bool fair = false;
    mutable double m_clock = 0;
    QTemporaryDir m_dir;
};

void throwDice(kwintor::Main& window, ShotPlatform& platform, const QList<int>& faces) {
    for (int face : faces)
        platform.faces << face << face << face << face << face;
    window.findChild<QPushButton*>(QStringLiteral("SchudKnop"))->click();
}

void place(kwintor::Main& window, int player, int row) {
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("SP%1(%2)").arg(player).arg(row)), Qt::LeftButton);
}

} // namespace

void takeScreenshots(const QString& directory) {
    QDir().mkpath(directory);
    ShotPlatform platform;
    kwintor::Main window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not shown\n");
    window.grab().save(directory + QStringLiteral("/main-start.png"));

    std::array<std::string, 7> names{"", "Anna", "Piet", "Jan", "", "", ""};
    window.flow().choosePlayers(3, names);
    const QList<QList<int>> turns = {{3, 3, 3, 5, 2}, {6, 6, 6, 6, 1}, {1, 2, 3, 4, 6},
                                     {4, 4, 4, 2, 2}, {5, 5, 5, 1, 3}, {2, 2, 6, 6, 6}};
    const int rows[] = {2, 5, 10, 12, 4, 8};
    for (int t = 0; t < turns.size(); ++t) {
        throwDice(window, platform, turns[t]);
        place(window, t % 3 + 1, rows[t]);
    }
    throwDice(window, platform, {6, 3, 6, 2, 6});
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("DobbelsteenPic(1)")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("DobbelsteenPic(3)")), Qt::LeftButton);
    window.grab().save(directory + QStringLiteral("/main-game.png"));
    window.HelpHelp_Click();
    window.grab().save(directory + QStringLiteral("/main-help.png"));
    window.HelpHelp_Click();

    // The advice on the same throw: Tools / Advies, once the table is there.
    window.findChild<QAction*>(QStringLiteral("ToolsAdvies"))->trigger();
    if (!window.coach().table() && !QSignalSpy(&window.coach(), &kwintor::Coach::tableReady).wait(60000))
        std::fprintf(stderr, "the advice table did not come\n");
    window.grab().save(directory + QStringLiteral("/advies.png"));
    window.findChild<QAction*>(QStringLiteral("ToolsAdvies"))->trigger();

    // The keyboard's cell cursor on an open cell of the player on turn, and the score preview on.
    window.ToolsMogelijkeScore_Click();
    for (int down = 0; down < 9; ++down)
        QTest::keyClick(&window, Qt::Key_Down);
    window.grab().save(directory + QStringLiteral("/toetsenbord.png"));
    QTest::keyClick(&window, Qt::Key_Escape);
    window.ToolsMogelijkeScore_Click();

    // Each menu, open.
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (menu->objectName().isEmpty())
            continue; // the bar's overflow menu
        menu->popup(window.mapToGlobal(QPoint(0, 0)));
        if (QTest::qWaitForWindowExposed(menu))
            menu->grab().save(directory + QStringLiteral("/menu-%1.png").arg(menu->objectName().toLower()));
        menu->hide();
    }

    // The chance to win beside the game, a few rounds in.
    window.findChild<QAction*>(QStringLiteral("ToolsWinkans"))->trigger();
    kwintor::WinkansForm* winkans = window.winChance().form();
    for (int wait = 0; wait < 600 && (window.winChance().computing() || winkans->line(1)->text().isEmpty()); ++wait)
        QTest::qWait(50);
    winkans->grab().save(directory + QStringLiteral("/winkans.png"));
    winkans->close();

    // The dialogs and the title window, with the game above as their data.
    for (auto [score, name] : {std::pair{120, "Annelies"}, {245, "Bob"}, {300, "Cor"}, {187, "Dirk"}, {99, "Eva"}})
        window.files().recordScore(score, name);
    auto shoot = [&](QWidget& widget, const char* file) {
        widget.show();
        if (!QTest::qWaitForWindowExposed(&widget))
            std::fprintf(stderr, "the window was not shown\n");
        widget.grab().save(directory + QLatin1Char('/') + QLatin1String(file));
        widget.hide();
    };
    kwintor::SpelerForm players(window.flow().game().state().AantalSpelers, window.flow().game().state().SpelerNaam,
                                &window);
    shoot(players, "spelerform.png");
    kwintor::ComputerForm computers(window.flow().game().state().AantalSpelers, window.flow().game().state().SpelerNaam,
                                    window.flow().kinds(), &window);
    shoot(computers, "computerform.png");
    kwintor::ScoreForm scores(window.files().scores(), platform, &window);
    shoot(scores, "scoreform.png");
    for (auto [score, name] : {std::pair{233, "Bob"},
                               {198, "Bob"},
                               {276, "Cor"},
                               {151, "Annelies"},
                               {262, "Cor"},
                               {204, "Dirk"},
                               {219, "Bob"},
                               {312, "Cor"}})
        window.files().recordScore(score, name);
    std::vector<kwintor::HistoryEntry> history;
    for (double cost : {41.2, 35.0, 38.7, 30.1, 27.5, 29.9, 22.4, 24.8, 18.3, 20.6, 15.2, 16.9})
        history.push_back({"2026-12-07 20:00", "Bob", 230, cost, 36});
    kwintor::StatistiekForm statistics(window.files().scores(), history, &window);
    for (QTreeWidgetItem* item : statistics.findChild<QTreeWidget*>(QStringLiteral("List1"))
                                     ->findItems(QStringLiteral("Bob"), Qt::MatchExactly))
        item->setSelected(true);
    shoot(statistics, "statistieken.png");
    window.applySettings(kwintor::Settings{192, 192, 255, 6});
    kwintor::Config config(window.files().settings(), &window);
    shoot(config, "config.png");
    config.reject();
    // The end of a six-player game: the final order and the review.
    kwintor::ValueTable table;
    table.compute(2);
    kwintor::GameState end;
    const kwintor::PlayedGame six = sixPlayerGame(table, end);
    kwintor::UitslagForm order(end, six.kinds, &window);
    shoot(order, "uitslag.png");
    kwintor::AnalyseForm review(six, 0, platform, &window);
    review.setTable(table);
    shoot(review, "analyse.png");
    // Its chance to win after every placement, once they are all there.
    {
        QStringList names;
        for (int p = 1; p <= 6; ++p)
            names << QString::fromStdString(six.state.SpelerNaam[p]);
        std::vector<std::vector<double>> steps;
        kwintor::ChanceRun run(std::make_shared<const kwintor::ValueTable>(table),
                               kwintor::columnsThroughGame(six.decisions, 6));
        QObject::connect(&run, &kwintor::ChanceRun::pointDone, [&](int index, const std::vector<double>& chances) {
            steps.resize(std::max(steps.size(), static_cast<std::size_t>(index) + 1));
            steps[static_cast<std::size_t>(index)] = chances;
        });
        QSignalSpy done(&run, &kwintor::ChanceRun::finished);
        if (!done.wait(300000))
            std::fprintf(stderr, "the chances of the review did not come\n");
        review.setChances(names, steps, true);
        auto* tabs = review.findChild<QTabWidget*>(QStringLiteral("Spelers"));
        tabs->setCurrentIndex(tabs->count() - 1);
        shoot(review, "analyse-winkans.png");
    }
    kwintor::AnalyseForm waiting(six, 0, platform, &window);
    shoot(waiting, "analyse-wacht.png");

    kwintor::Titel title(platform, platform);
    title.Timer1_Timer();
    shoot(title, "titel.png");

    // One person against a strong computer player, a few rounds in.
    ShotPlatform duelPlatform; // a data folder of its own: no game left unfinished to offer
    duelPlatform.fair = true;
    kwintor::Main duel(duelPlatform);
    duel.show();
    if (!QTest::qWaitForWindowExposed(&duel))
        std::fprintf(stderr, "the window was not shown\n");
    duel.flow().choosePlayers(2, {"", "Anna", "Bas", "", "", "", ""});
    duel.computers().setStepInterval(0);
    duel.flow().setKinds({kwintor::PlayerKind::Person, kwintor::PlayerKind::Person, kwintor::PlayerKind::Sterk});
    const QList<QList<int>> hers = {{5, 5, 5, 2, 1}, {1, 2, 3, 4, 4}, {6, 6, 2, 6, 3}, {4, 4, 4, 4, 1}};
    const int herRows[] = {4, 10, 5, 3};
    for (int t = 0; t < hers.size(); ++t) {
        throwDice(duel, duelPlatform, hers[t]);
        place(duel, 1, herRows[t]);
        for (int wait = 0; wait < 400 && duel.flow().game().state().AanDeBeurt != 1; ++wait)
            QTest::qWait(5);
    }
    throwDice(duel, duelPlatform, {3, 3, 6, 3, 2});
    duel.grab().save(directory + QStringLiteral("/computer.png"));
}
