#include "lines/line_materials.h"

#include "lines/line_table.h"

#include <cmath>

namespace orvika {

QString LineMaterial::billName() const
{
    if (kind == Loudspeaker)
        return designation;
    const QString cable =
        designation.isEmpty() ? QStringLiteral("Кабель") : QStringLiteral("Кабель ") + designation;
    return section ? QStringLiteral("%1 2×%2 мм²").arg(cable, lineNumber(*section)) : cable;
}

QString LineMaterial::zonesText() const
{
    QStringList numbers;
    for (int zone : zones)
        numbers.append(QString::number(zone));
    return (zones.size() == 1 ? QStringLiteral("зона ") : QStringLiteral("зоны ")) +
           numbers.join(QStringLiteral(", "));
}

QList<LineMaterial> lineMaterials(const LoudspeakerLines &lines, int zoneCount)
{
    QList<LineMaterial> loudspeakers, cables;
    const double reserve = 1 + std::max(0.0, lines.settings.cableReserve) / 100;
    for (const ZoneLine &line : shownZoneLines(lines, zoneCount)) {
        const QString loudspeaker = line.loudspeaker.trimmed();
        if (!loudspeaker.isEmpty() && line.count && *line.count > 0) {
            auto same = std::find_if(loudspeakers.begin(), loudspeakers.end(),
                                     [&](const LineMaterial &m) { return m.designation == loudspeaker; });
            if (same == loudspeakers.end())
                same = loudspeakers.insert(loudspeakers.end(),
                                           {LineMaterial::Loudspeaker, loudspeaker, {}, 0, {}});
            same->quantity += *line.count;
            same->zones.append(line.zone);
        }
        if (line.length && *line.length > 0 && line.section) {
            const QString mark = line.cable.trimmed();
            auto same = std::find_if(cables.begin(), cables.end(), [&](const LineMaterial &m) {
                return m.designation == mark && m.section == line.section;
            });
            if (same == cables.end())
                same = cables.insert(cables.end(), {LineMaterial::Cable, mark, line.section, 0, {}});
            same->quantity += *line.length; // the lengths first, the reserve and rounding on the sum
            same->zones.append(line.zone);
        }
    }
    for (LineMaterial &cable : cables)
        cable.quantity = std::ceil(cable.quantity * reserve - 1e-9);
    return loudspeakers + cables;
}

} // namespace orvika
