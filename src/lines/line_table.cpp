#include "lines/line_table.h"

#include <algorithm>

namespace orvika {

const QStringList &lineTableHeader()
{
    static const QStringList header = {
        QStringLiteral("Зона"),
        QStringLiteral("Название"),
        QStringLiteral("Громкоговоритель"),
        QStringLiteral("Мощность 1 шт., Вт"),
        QStringLiteral("Кол-во"),
        QStringLiteral("Длина линии, м"),
        QStringLiteral("Сечение, мм²"),
        QStringLiteral("Марка кабеля"),
        QStringLiteral("Мощность зоны, Вт"),
        QStringLiteral("Сопротивление линии, Ом"),
        QStringLiteral("Потери, %"),
        QStringLiteral("Уровень, дБ"),
        QStringLiteral("Мин. сечение, мм²"),
        QStringLiteral("Вывод"),
    };
    return header;
}

namespace {

QString given(const std::optional<double> &value)
{
    return value ? lineNumber(*value, 6) : QString();
}

} // namespace

QStringList lineTableRow(const ZoneLine &line, const LineSettings &settings)
{
    QStringList row = {QString::number(line.zone),
                       line.name,
                       line.loudspeaker,
                       given(line.power),
                       line.count ? QString::number(*line.count) : QString(),
                       given(line.length),
                       given(line.section),
                       line.cable};
    const std::optional<double> power = line.zonePower();
    row.append(power ? lineNumber(*power, 6) : QString());
    const std::optional<LineFigures> figures = lineFigures(line, settings);
    if (!figures) {
        row.append({QString(), QString(), QString(), QString(), QString()});
        return row;
    }
    row.append({lineNumber(figures->resistance), lineNumber(figures->lossPercent),
                lineNumber(figures->levelDb),
                figures->smallestSection ? lineNumber(*figures->smallestSection) : QStringLiteral("—"),
                lineVerdict(*figures, settings)});
    return row;
}

int lineZoneCount(const Requirements &requirements)
{
    return requirements.multiZone ? std::max(1, int(requirements.zoneCount)) : 1;
}

QList<ZoneLine> shownZoneLines(const LoudspeakerLines &lines, int zoneCount)
{
    QList<ZoneLine> shown;
    for (int zone = 1; zone <= zoneCount; ++zone) {
        const auto stated = std::find_if(lines.zones.cbegin(), lines.zones.cend(),
                                         [zone](const ZoneLine &line) { return line.zone == zone; });
        ZoneLine line = stated != lines.zones.cend() ? *stated : ZoneLine();
        line.zone = zone;
        shown.append(line);
    }
    return shown;
}

} // namespace orvika
