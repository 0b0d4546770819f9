#pragma once

#include "base/GameInput.h"

#include <Qt>

#include <cstdint>

// How far each element of the picked device has gone, beside the texts of
// its row in the element list: what the range bars draw, what a screen
// reader hears of it and what the Device window shows.
namespace ElementReach {

// Item data of a row's first cell.
inline constexpr int KindRole = Qt::UserRole;         // its GameInputKind
inline constexpr int SeenBitsRole = Qt::UserRole + 1; // a hat's directions seen
inline constexpr int DoneRole = Qt::UserRole + 2;     // through its whole scale

// The ends of an element's scale; a hat's are its direction bits.
struct Scale {
    double lowest;
    double highest;
};
Scale scaleOf(GameInputKind kind);

// Whether an element went through its whole scale: an axis or a button to
// both ends, a hat in all four directions.
bool done(GameInputKind kind, double minimum, double maximum, std::uint32_t seenBits);

} // namespace ElementReach
