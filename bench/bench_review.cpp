// The review of a finished game: how long " Analyse" takes to open once the advisor's table is
// there, for the largest game (six players, 78 turns).
#include "Benchmarks.h"
#include "Timing.h"

#include "advisor/Strategy.h"
#include "advisor/ValueTable.h"
#include "dialogs/AnalyseForm.h"
#include "engine/Game.h"
#include "platform/QtPlatform.h"
#include "review/DecisionLog.h"
#include "review/GameReview.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>

using kwintor::bench::Clock;
using kwintor::bench::secondsSince;

kwintor::PlayedGame sixPlayerGame(const kwintor::ValueTable& table, kwintor::GameState& end) {
    using namespace kwintor;
    Game game;
    game.choosePlayers(6, {"", "Anna", "Bas", "Cor", "Dirk", "Eva", "Fleur"});
    const PlayerKinds kinds{PlayerKind::Person, PlayerKind::Person,    PlayerKind::Makkelijk, PlayerKind::Gemiddeld,
                            PlayerKind::Sterk,  PlayerKind::Gemiddeld, PlayerKind::Makkelijk};
    const std::unique_ptr<Strategy> levels[] = {makeStrategy(PlayerKind::Makkelijk, table),
                                                makeStrategy(PlayerKind::Gemiddeld, table),
                                                makeStrategy(PlayerKind::Sterk, table)};
    DecisionLog log;
    std::mt19937_64 dice(2026), rng(12);
    std::uniform_int_distribution<int> face(1, 6);
    for (int step = 0; step < 6 * CategoryCount * 4; ++step) {
        const int p = game.state().AanDeBeurt;
        if (game.playerFinished(p))
            break;
        // The people play as the medium level does.
        const Strategy& s = *levels[std::max(int(kinds[p]), 2) - 1];
        const Action a = s.decide(positionOf(game.state(), p), rng);
        if (a.kind == Action::Kind::Place) {
            log.placed(game.state(), a.row);
            game.place(p, a.row);
            continue;
        }
        for (int i = 1; i <= DiceCount; ++i)
            if (game.state().Vastgezet[i] != bool(a.keep >> (i - 1) & 1))
                game.toggleHold(i);
        log.held(game.state());
        game.beginThrow();
        for (int i = 1; i <= DiceCount; ++i)
            if (game.rolling()[i])
                game.settleDie(i, face(dice));
        game.endThrow();
    }
    end = game.state();
    return {end, kinds, log.decisions()};
}

void benchReview() {
    kwintor::ValueTable table;
    table.compute(2);
    kwintor::GameState end;
    const kwintor::PlayedGame game = sixPlayerGame(table, end);
    int placements = 0;
    for (const kwintor::Decision& d : game.decisions)
        placements += d.kind == kwintor::Decision::Kind::Place;

    std::vector<double> weigh, open;
    for (int run = 0; run < 11; ++run) {
        auto start = Clock::now();
        const kwintor::GameReview review(table, game.decisions);
        weigh.push_back(secondsSince(start) * 1000);

        kwintor::QtPlatform platform;
        start = Clock::now();
        kwintor::AnalyseForm dialog(game, 0, platform);
        dialog.setTable(table);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            std::fprintf(stderr, "review: the window was not shown\n");
        dialog.grab(); // painted whole once
        open.push_back(secondsSince(start) * 1000);
        dialog.hide();
    }
    std::sort(weigh.begin(), weigh.end());
    std::sort(open.begin(), open.end());
    std::printf("review: six players, %d turns, %d decisions; weighing them %.1f ms (median %.1f), the window "
                "\" Analyse\" open and painted %.1f ms (median %.1f); target < 100 ms\n",
                placements, static_cast<int>(game.decisions.size()), weigh.front(), weigh[weigh.size() / 2],
                open.front(), open[open.size() / 2]);
}
