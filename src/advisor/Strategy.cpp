#include "advisor/Strategy.h"

#include "advisor/EasyStrategy.h"
#include "advisor/MediumStrategy.h"
#include "advisor/StrongStrategy.h"

namespace kwintor {

std::unique_ptr<Strategy> makeStrategy(Level level, const ValueTable& table) {
    switch (level) {
    case Level::Easy: return std::make_unique<EasyStrategy>();
    case Level::Medium: return std::make_unique<MediumStrategy>();
    case Level::Strong: break;
    }
    return std::make_unique<StrongStrategy>(table);
}

} // namespace kwintor
