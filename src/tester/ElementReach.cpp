#include "tester/ElementReach.h"

namespace ElementReach {

Scale scaleOf(GameInputKind kind)
{
    switch (kind) {
    case GameInputKind::Axis:
        return {-32768, 32767};
    case GameInputKind::Button:
        return {0, 1};
    case GameInputKind::Hat:
        return {0, 15};
    case GameInputKind::Other:
        break;
    }
    return {0, 0};
}

bool done(GameInputKind kind, double minimum, double maximum, std::uint32_t seenBits)
{
    if (kind == GameInputKind::Hat)
        return (seenBits & 0xF) == 0xF;
    const Scale scale = scaleOf(kind);
    return scale.lowest < scale.highest && minimum <= scale.lowest && maximum >= scale.highest;
}

} // namespace ElementReach
