#include "calc/compute_total_power.h"

#include "files/numbers.h"

#include <cmath>

namespace orvika {
namespace {

// The first "Вт"; a character search, since a long zone list reads every line.
qsizetype indexOfWatts(const QString &line)
{
    for (qsizetype at = line.indexOf(u'В'); at >= 0; at = line.indexOf(u'В', at + 1)) {
        if (at + 1 < line.size() && line.at(at + 1) == u'т')
            return at;
    }
    return -1;
}

} // namespace

double zoneLinePower(const QString &zoneLine)
{
    const qsizetype watts = indexOfWatts(zoneLine);
    if (watts < 0)
        return 0;
    const qsizetype from = zoneLine.indexOf(u'-') + 1; // the whole text before "Вт" when there is no "-"
    if (watts <= from)
        return 0;
    const double value = leadingNumber(QStringView(zoneLine).mid(from, watts - from));
    // A value beyond the integer range keeps its size, so the range check of the driver rejects it.
    if (const auto watts = toInt32(value))
        return *watts;
    return std::nearbyint(value);
}

double computeTotalPower(const Requirements &requirements)
{
    double total = 0;
    switch (requirements.powerMode) {
    case PowerMode::None:
        return 0;
    case PowerMode::Total:
        total = leadingNumber(requirements.totalPowerText);
        break;
    case PowerMode::PerZone:
        for (const QString &line : requirements.zoneLines)
            total += zoneLinePower(line);
        break;
    }
    if (requirements.powerReserve)
        total += total * leadingNumber(requirements.reservePercentText) / 100;
    return total;
}

} // namespace orvika
