#include "lines/lines_csv.h"

#include "files/csv_field.h"
#include "lines/line_table.h"

namespace orvika {

QByteArray linesCsv(const LoudspeakerLines &lines, int zoneCount)
{
    QString text = csvRow(lineTableHeader());
    for (const ZoneLine &line : shownZoneLines(lines, zoneCount))
        text += csvRow(lineTableRow(line, lines.settings));
    return csvFile(text);
}

} // namespace orvika
