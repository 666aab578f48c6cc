#include "sound_level/zone_totals.h"

#include "lines/line_limits.h"

#include <QMap>
#include <algorithm>

namespace orvika {

QList<RoomCalculation> calculateRooms(const Acoustics &acoustics, const NormsProfile &norms)
{
    QList<RoomCalculation> calculations;
    calculations.reserve(acoustics.rooms.size());
    for (const Room &room : acoustics.rooms)
        calculations.append(calculateRoom(room, acoustics.loudspeakers, norms));
    return calculations;
}

QList<ZoneTotal> zoneTotals(const Acoustics &acoustics, const QList<RoomCalculation> &calculations)
{
    QMap<int, ZoneTotal> zones;
    for (qsizetype i = 0; i < acoustics.rooms.size() && i < calculations.size(); ++i) {
        const Room &room = acoustics.rooms.at(i);
        ZoneTotal &total = zones[room.zone];
        total.zone = room.zone;
        total.rooms.append(i);
        if (!total.loudspeakers.contains(room.loudspeaker))
            total.loudspeakers.append(room.loudspeaker);
        const RoomCalculation &calculation = calculations.at(i);
        if (!calculation.result) {
            total.unsolved.append(room.name);
            continue;
        }
        total.count += calculation.result->count();
        total.power += calculation.result->power;
        if (!calculation.result->met)
            total.notMet.append(room.name);
    }
    return zones.values();
}

namespace {

QString quoted(const QStringList &names)
{
    QStringList shown;
    for (const QString &name : names)
        shown.append(QStringLiteral("«%1»").arg(name));
    return shown.join(QStringLiteral(", "));
}

// Why the zone's line cannot take the zone's sums; empty when it can.
QString refusal(const ZoneTotal &total, int zoneCount)
{
    if (total.zone > zoneCount)
        return QStringLiteral("зоны нет в системе (зон: %1)").arg(zoneCount);
    if (!total.hasOneLoudspeaker())
        return QStringLiteral("в помещениях зоны разные громкоговорители: %1")
            .arg(quoted(total.loudspeakers));
    if (!total.unsolved.isEmpty())
        return QStringLiteral("не рассчитаны помещения %1").arg(quoted(total.unsolved));
    if (!CountRule.admits(total.count))
        return QStringLiteral("громкоговорителей %1, а линия принимает %2")
            .arg(total.count)
            .arg(QString::fromUtf8(CountRule.range));
    if (!PowerRule.admits(total.power / total.count))
        return QStringLiteral("мощность одного громкоговорителя вне пределов: %1")
            .arg(QString::fromUtf8(PowerRule.range));
    return {};
}

} // namespace

LinesTransfer transferToLines(const QList<ZoneTotal> &totals, LoudspeakerLines lines, int zoneCount)
{
    LinesTransfer transfer;
    for (const ZoneTotal &total : totals) {
        if (const QString why = refusal(total, zoneCount); !why.isEmpty()) {
            transfer.refused.append(QStringLiteral("Зона %1: %2").arg(total.zone).arg(why));
            continue;
        }
        auto line = std::find_if(lines.zones.begin(), lines.zones.end(),
                                 [&total](const ZoneLine &zone) { return zone.zone == total.zone; });
        if (line == lines.zones.end()) {
            ZoneLine added;
            added.zone = total.zone;
            const auto after =
                std::find_if(lines.zones.begin(), lines.zones.end(),
                             [&total](const ZoneLine &zone) { return zone.zone > total.zone; });
            line = lines.zones.insert(after, added);
        }
        line->loudspeaker = total.loudspeakers.first();
        line->count = total.count;
        line->power = total.power / total.count;
        transfer.moved.append(total.zone);
    }
    transfer.lines = lines;
    return transfer;
}

} // namespace orvika
