#include "documents/bill_csv.h"

#include "files/csv_field.h"

namespace orvika {

QByteArray billAsCsv(const DocumentContent &content)
{
    QString text =
        csvRow({QStringLiteral("№"), QStringLiteral("Обозначение"), QStringLiteral("Количество"),
                QStringLiteral("Потребление, Вт"), QStringLiteral("Высота, U"), QStringLiteral("Основание")});
    for (const DocumentRow &row : content.rows)
        text += csvRow({QString::number(row.position), row.designation, QString::number(row.quantity),
                        figureText(row.unitPowerDraw), figureText(row.unitHeightUnits), row.reason});
    // The loudspeaker lines' products and materials follow, their unit in the note.
    for (const MaterialRow &material : content.materials)
        text += csvRow({QString::number(material.position), material.designation,
                        figureText(material.quantity), QString(), QString(), material.note});
    return csvFile(text);
}

} // namespace orvika
