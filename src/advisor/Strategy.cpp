#include "advisor/Strategy.h"

#include "advisor/EasyStrategy.h"
#include "advisor/MediumStrategy.h"
#include "advisor/StrongStrategy.h"

namespace kwintor {

std::unique_ptr<Strategy> makeStrategy(PlayerKind kind, const ValueTable& table) {
    switch (kind) {
    case PlayerKind::Makkelijk: return std::make_unique<EasyStrategy>();
    case PlayerKind::Gemiddeld: return std::make_unique<MediumStrategy>();
    case PlayerKind::Sterk: return std::make_unique<StrongStrategy>(table);
    case PlayerKind::Meester:
    case PlayerKind::Person: break;
    }
    return nullptr;
}

} // namespace kwintor
