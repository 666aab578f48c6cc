#pragma once

#include "sound_level/room_calculation.h"

// A room's result judged clause by clause, in words: 4.1, 4.2 (4.3 for a sleeping room), 4.4, 4.5.
namespace orvika {

QList<Verdict> roomVerdicts(const Room &room, const RoomResult &result, const NormsProfile &norms);

} // namespace orvika
