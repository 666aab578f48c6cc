#include "sound_level/acoustics_csv.h"

#include "files/csv_field.h"
#include "sound_level/room_table.h"
#include "sound_level/zone_totals.h"

namespace orvika {

QByteArray acousticsCsv(const Acoustics &acoustics, const NormsProfile &norms)
{
    const QList<RoomCalculation> calculations = calculateRooms(acoustics, norms);
    QString text = csvRow(roomTableHeader());
    for (const qsizetype i : roomsInZoneOrder(acoustics.rooms))
        text += csvRow(roomTableRow(acoustics.rooms.at(i), calculations.at(i)));
    return csvFile(text);
}

} // namespace orvika
