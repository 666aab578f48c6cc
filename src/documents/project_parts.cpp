#include "documents/document_content.h"
#include "lines/line_materials.h"
#include "lines/line_table.h"

namespace orvika {

void addProjectParts(DocumentContent &content, const ProjectCard &card, const Requirements &requirements)
{
    content.object = card.object;
    content.customer = card.customer;
    const int zones = lineZoneCount(requirements);
    int position = int(content.rows.size());
    for (const LineMaterial &material : lineMaterials(card.lines, zones)) {
        QString note = QStringLiteral("Линии громкоговорителей, ") + material.zonesText();
        if (material.kind == LineMaterial::Cable)
            note += QStringLiteral("; в метрах, с запасом");
        content.materials.append({++position, material.billName(), material.unit(), material.quantity, note});
    }
    if (content.materials.isEmpty())
        return; // no line stated: no page of lines
    for (const ZoneLine &line : shownZoneLines(card.lines, zones))
        content.lineRows.append(lineTableRow(line, card.lines.settings));
    const LineSettings &settings = card.lines.settings;
    content.lineSettings = QStringLiteral("Напряжение линии %1 В; допустимые потери %2 %; запас кабеля %3 %")
                               .arg(lineNumber(settings.voltage), lineNumber(settings.lossLimit),
                                    lineNumber(settings.cableReserve));
}

} // namespace orvika
