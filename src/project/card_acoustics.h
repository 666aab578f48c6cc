#pragma once

#include "project/project_card_values.h"
#include "sound_level/acoustic_data.h"

#include <QJsonArray>
#include <QJsonObject>

// The sound-level calculation's data as JSON: the card's "acoustics" object and the entries of the
// loudspeaker library, which share one notation. Keys this program does not know are kept.
namespace orvika {

QJsonObject loudspeakerDataJson(const LoudspeakerData &loudspeaker);
QJsonObject roomJson(const Room &room);
QJsonObject acousticsJson(const Acoustics &acoustics);

// Reads a list of loudspeakers; a value not taken is dropped and named under the prefix given
// ("acoustics.loudspeakers[0].angle"), an entry without a name or named twice is dropped whole.
QList<LoudspeakerData> readLoudspeakerList(const QJsonArray &entries, const QString &prefix,
                                           QList<DroppedValue> &dropped);

// Reads the card's "acoustics" object.
Acoustics readAcoustics(const QJsonObject &object, QList<DroppedValue> &dropped);

} // namespace orvika
