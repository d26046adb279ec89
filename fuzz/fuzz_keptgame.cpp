// Reads any bytes as the kept game. A game that comes out is one the engine can play on without
// fault, and the file written from it reads back as exactly that game.
#include "engine/Game.h"
#include "persistence/KeptGame.h"

#include "Require.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using kwintor::KeptGame;
using kwintor::KeptGameRead;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    KeptGame game;
    const KeptGameRead result = kwintor::parseKeptGame(bytes, game);
    require(result == KeptGameRead::Ok || result == KeptGameRead::Damaged || result == KeptGameRead::NewerVersion);
    if (result != KeptGameRead::Ok)
        return 0;

    const std::string text = kwintor::keptGameText(game);
    KeptGame again;
    require(kwintor::parseKeptGame(text, again) == KeptGameRead::Ok);
    require(kwintor::keptGameText(again) == text);

    // Taken up again, every click and a throw run within the rules (the sanitizers watch).
    kwintor::Game engine;
    engine.restore(game.state);
    for (int player = 0; player <= kwintor::MaxPlayers + 1; ++player)
        for (int row = -1; row <= kwintor::CellCount; ++row)
            engine.place(player, row);
    if (engine.beginThrow()) {
        for (int die = 1; die <= kwintor::DiceCount; ++die)
            engine.settleDie(die, die);
        engine.endThrow();
        engine.place(engine.state().AanDeBeurt, kwintor::RowKans);
    }
    require(engine.state().WorpTeller <= 3);
    return 0;
}
