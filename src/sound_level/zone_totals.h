#pragma once

#include "lines/loudspeaker_lines.h"
#include "sound_level/room_calculation.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rooms summed zone by zone, and the sums carried into the loudspeaker lines: a zone's loudspeaker,
// their count and the power of one, so that the lines, the zone powers and the specification follow.
namespace orvika {

// Every room of the card calculated, in the card's order.
QList<RoomCalculation> calculateRooms(const Acoustics &acoustics, const NormsProfile &norms);

struct ZoneTotal
{
    int zone = 1;
    QList<qsizetype> rooms;   // the zone's rooms, indices into the card's rooms in their order
    QStringList loudspeakers; // the different loudspeakers its rooms name, in the rooms' order
    int count = 0;            // loudspeakers of the rooms calculated
    double power = 0;         // W, of the rooms calculated
    QStringList unsolved;     // the rooms without a result (their input is bad)
    QStringList notMet;       // the rooms calculated that fail a clause

    // One loudspeaker for the whole zone: what its line can name.
    bool hasOneLoudspeaker() const { return loudspeakers.size() == 1; }
};

// The zones with rooms, in ascending order.
QList<ZoneTotal> zoneTotals(const Acoustics &acoustics, const QList<RoomCalculation> &calculations);

struct LinesTransfer
{
    LoudspeakerLines lines;
    QList<int> moved;    // the zones whose lines took the sums, in ascending order
    QStringList refused; // a line for each zone left as it was, and why
};

// Each zone's line gets the loudspeaker, the count and the power of one (the zone's power over the count,
// so that count × power is the zone's power); its name, length, section and cable stay. A zone is named
// rather than guessed when its rooms name different loudspeakers, when a room is not calculated, when it
// is beyond the zones of the system (zoneCount) or when its figures exceed what the lines take.
LinesTransfer transferToLines(const QList<ZoneTotal> &totals, LoudspeakerLines lines, int zoneCount);

} // namespace orvika
