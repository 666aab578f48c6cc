#pragma once

#include "calc/requirements.h"
#include "lines/loudspeaker_lines.h"

#include <QList>
#include <QStringList>

// The lines as a table, one row a zone, in the order of the lines window's columns: what the
// window's table, the document's page and the lines' CSV show.
namespace orvika {

// Зона, Название, Громкоговоритель, Мощность 1 шт., Вт, Кол-во, Длина линии, м, Сечение, мм²,
// Марка кабеля, Мощность зоны, Вт, Сопротивление линии, Ом, Потери, %, Уровень, дБ,
// Мин. сечение, мм², Вывод.
const QStringList &lineTableHeader();

// A zone's row: what was stated as given, the figures with a decimal comma (resistance, loss and
// level to two decimals), empty figures for a line short of them.
QStringList lineTableRow(const ZoneLine &line, const LineSettings &settings);

// The zones that have lines: the zone count of a multi-zone system, else one.
int lineZoneCount(const Requirements &requirements);

// The lines of zones 1 … zoneCount in order, a line with nothing stated where the card has none.
QList<ZoneLine> shownZoneLines(const LoudspeakerLines &lines, int zoneCount);

} // namespace orvika
