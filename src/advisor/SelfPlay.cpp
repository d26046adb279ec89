#include "advisor/SelfPlay.h"

#include "advisor/Strategy.h"
#include "engine/Game.h"

namespace kwintor {

PlayedGame playGame(const Strategy& strategy, std::mt19937_64& dice, std::mt19937_64& choices,
                    const std::function<void(const Position&, const Action&)>& observe) {
    PlayedGame result;
    Game game;
    std::uniform_int_distribution<int> face(1, 6);
    // Thirteen turns of at most three throws and a placement; more steps than that is a fault.
    for (int step = 0; step < CategoryCount * 4 && !game.playerFinished(1); ++step) {
        const Position p = positionOf(game.state(), 1);
        const Action a = strategy.decide(p, choices);
        if (observe)
            observe(p, a);
        if (a.kind == Action::Kind::Place) {
            if (p.throwNumber == 0) {
                result.fault = "a placement before the first throw";
                break;
            }
            if (game.place(1, a.row) < PlaceResult::Placed) {
                result.fault = "a placement the game refused, in row " + std::to_string(a.row);
                break;
            }
            continue;
        }
        if (p.throwNumber >= 3) {
            result.fault = "a fourth throw";
            break;
        }
        if (p.throwNumber == 0 && a.keep != 0) {
            result.fault = "a hold before the first throw";
            break;
        }
        if (a.keep >= 1u << DiceCount) {
            result.fault = "a hold of a sixth die";
            break;
        }
        for (int i = 0; i < DiceCount; ++i)
            if (p.held[i] != bool(a.keep >> i & 1))
                game.toggleHold(i + 1);
        if (!game.beginThrow()) {
            result.fault = "a throw the game refused";
            break;
        }
        for (int i = 1; i <= DiceCount; ++i)
            if (game.rolling()[i])
                game.settleDie(i, face(dice));
        game.endThrow();
        ++result.throws;
    }
    if (result.fault.empty() && !game.playerFinished(1))
        result.fault = "more moves than a game has";
    result.score = game.state().TotaalAB[1];
    return result;
}

} // namespace kwintor
