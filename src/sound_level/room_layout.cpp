#include "sound_level/room_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvika {
namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}
double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// At least one. A room a whole number of pitches long takes no extra loudspeaker for a pitch that the
// tangent left a rounding error short.
int countOver(double extent, double pitch)
{
    return std::max(1, static_cast<int>(std::ceil(extent / pitch - 1e-9)));
}

void layOutCeiling(const Room &room, double halfAngle, RoomLayout &layout)
{
    const double d = room.height - room.listening;
    layout.coverage = d * std::tan(halfAngle);
    layout.pitch = room.density == Density::Minimum ? std::numbers::sqrt2 * layout.coverage : layout.coverage;
    layout.columns = countOver(room.length, layout.pitch);
    layout.rows = countOver(room.width, layout.pitch);
    const double cellX = room.length / layout.columns;
    const double cellY = room.width / layout.rows;
    for (int row = 0; row < layout.rows; ++row)
        for (int column = 0; column < layout.columns; ++column)
            layout.loudspeakers.append({(column + 0.5) * cellX, (row + 0.5) * cellY, room.height});
    // A cell's corner: the first loudspeaker's, by symmetry every one's.
    layout.worstPoint = {cellX, cellY, room.listening};
    const double rho = std::hypot(cellX / 2, cellY / 2);
    layout.worstDistance = std::hypot(d, rho);
    layout.worstAngle = degrees(std::atan2(rho, d));
    const RoomPoint &middle =
        layout.loudspeakers[(layout.rows - 1) / 2 * layout.columns + (layout.columns - 1) / 2];
    layout.loudestPoint = {middle.x, middle.y, room.listening};
}

void layOutWalls(const Room &room, double halfAngle, RoomLayout &layout)
{
    layout.rows = room.mounting == Mounting::Walls ? 2 : 1;
    layout.throwDistance = room.width / layout.rows;
    const double top = room.wallSpeakerHeight();
    layout.vertical = top - room.listening;
    const double reach = layout.throwDistance * std::tan(halfAngle);
    layout.farLineOutside = std::fabs(layout.vertical) > reach;
    // Outside the coverage, one loudspeaker per wall stands for the room; the verdict says why.
    layout.coverage =
        layout.farLineOutside ? 0 : std::sqrt(reach * reach - layout.vertical * layout.vertical);
    layout.pitch = room.density == Density::Minimum ? 2 * layout.coverage : layout.coverage;
    layout.columns = layout.farLineOutside || layout.pitch <= 0 ? 1 : countOver(room.length, layout.pitch);
    const double spacing = room.length / layout.columns;
    for (int wall = 0; wall < layout.rows; ++wall)
        for (int column = 0; column < layout.columns; ++column)
            layout.loudspeakers.append({(column + 0.5) * spacing, wall * room.width, top});
    const double y = spacing / 2;
    layout.worstPoint = {spacing, layout.throwDistance, room.listening};
    layout.worstDistance =
        std::sqrt(layout.throwDistance * layout.throwDistance + y * y + layout.vertical * layout.vertical);
    layout.worstAngle = degrees(std::atan2(std::hypot(y, layout.vertical), layout.throwDistance));
    const RoomPoint &middle = layout.loudspeakers[(layout.columns - 1) / 2];
    layout.loudestPoint = {middle.x, 0, room.listening};
}

} // namespace

RoomLayout layOutRoom(const Room &room, double angle)
{
    RoomLayout layout;
    const double halfAngle = radians(angle / 2);
    if (room.mounting == Mounting::Ceiling)
        layOutCeiling(room, halfAngle, layout);
    else
        layOutWalls(room, halfAngle, layout);
    return layout;
}

} // namespace orvika
