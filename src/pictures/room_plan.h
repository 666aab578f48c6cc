#pragma once

#include "documents/picture.h"
#include "sound_level/acoustic_data.h"
#include "sound_level/room_calculation.h"

#include <QString>

// The plan of one room to scale: its walls, the loudspeakers the calculation laid out, their coverage
// on the listening plane, the pitches and the room's size as dimension lines, the worst point with its
// level, and a legend that says in words what each mark is.
namespace orvika {

// "План помещения «Офис 101»": the picture's title and its drawing's name.
QString roomPlanTitle(const Room &room);

Picture roomPlanPicture(const Room &room, const RoomResult &result, const LoudspeakerData &loudspeaker);

} // namespace orvika
