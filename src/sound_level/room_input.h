#pragma once

#include "sound_level/acoustic_data.h"

#include <QList>
#include <QString>

// What a room and its loudspeaker must be before they are calculated. The message names the room and
// the field, for the user.
namespace orvika {

// The loudspeaker of that name, or none.
const LoudspeakerData *findLoudspeaker(const QList<LoudspeakerData> &loudspeakers, const QString &name);

// Empty when the room can be calculated with that loudspeaker (null: none of the room's name).
QString roomInputError(const Room &room, const LoudspeakerData *loudspeaker);

} // namespace orvika
