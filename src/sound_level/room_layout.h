#pragma once

#include "sound_level/acoustic_data.h"

#include <QList>

// Where a room's loudspeakers go and where the listening plane hears them worst: the geometry of the
// method, for a point source whose level falls by 6 dB at the edge of its coverage angle.
namespace orvika {

// A point in the room, m: x along the length, y across the width, z up from the floor.
struct RoomPoint
{
    double x = 0;
    double y = 0;
    double z = 0;
};

struct RoomLayout
{
    // Ceiling: columns along the length and rows across the width. Walls: loudspeakers per wall
    // (columns) and walls (rows, 1 or 2).
    int columns = 1;
    int rows = 1;
    // The largest pitch the density allows: a for the ceiling, s along a wall.
    double pitch = 0;
    // Coverage on the listening plane: the radius R for the ceiling, y_max on the far line for walls.
    double coverage = 0;
    // Walls: the throw D and the loudspeaker's height over the listening plane v.
    double throwDistance = 0;
    double vertical = 0;
    // Walls: the far line at the listening height lies outside a loudspeaker's coverage.
    bool farLineOutside = false;
    // The worst point of the listening plane: its distance from the nearest loudspeaker and the angle
    // off that loudspeaker's axis, degrees.
    RoomPoint worstPoint;
    double worstDistance = 0;
    double worstAngle = 0;
    QList<RoomPoint> loudspeakers;
    // Where the room is loudest: the listening-plane point nearest to the middle loudspeaker.
    RoomPoint loudestPoint;

    int count() const { return columns * rows; }
};

// The layout of a room whose figures are valid (see roomInputError) for a coverage angle in degrees.
RoomLayout layOutRoom(const Room &room, double angle);

} // namespace orvika
