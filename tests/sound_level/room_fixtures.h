#pragma once

#include "sound_level/acoustic_data.h"

#include <QString>

// Rooms for the tests of the sound level: a room of L × W × H m with its noise, how its loudspeakers
// are mounted and which they are, and a copy of it changed as a case needs.
namespace orvika::test {

inline Room testRoom(double length, double width, double height, double noise = 60,
                     Mounting mounting = Mounting::Ceiling, const QString &loudspeaker = {})
{
    Room room;
    room.name = QStringLiteral("Помещение");
    room.length = length;
    room.width = width;
    room.height = height;
    room.noise = noise;
    room.mounting = mounting;
    room.loudspeaker = loudspeaker;
    return room;
}

inline Room with(Room room, auto change)
{
    change(room);
    return room;
}

} // namespace orvika::test
