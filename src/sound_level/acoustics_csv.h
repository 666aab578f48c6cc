#pragma once

#include "sound_level/acoustic_data.h"
#include "sound_level/norms_profile.h"

#include <QByteArray>

namespace orvika {

// The rooms and their results as CSV: UTF-8 with a byte-order mark, ";" between fields, a header row and
// a row a room in zone order (roomTableHeader's columns), figures with a decimal comma.
QByteArray acousticsCsv(const Acoustics &acoustics, const NormsProfile &norms);

} // namespace orvika
