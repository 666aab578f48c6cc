#include "documents/bill_csv.h"

#include "calc/reasons.h"
#include "report/csv_field.h"

namespace orvika {
namespace {

QString figure(const std::optional<double> &value)
{
    return value ? reasons::number(*value) : QString();
}

} // namespace

QByteArray billAsCsv(const DocumentContent &content)
{
    QString text = QStringLiteral("№;Обозначение;Количество;Потребление, Вт;Высота, U;Основание\r\n");
    for (const DocumentRow &row : content.rows) {
        text += QString::number(row.position) + u';' + csvField(row.designation) + u';' +
                QString::number(row.quantity) + u';' + figure(row.unitPowerDraw) + u';' +
                figure(row.unitHeightUnits) + u';' + csvField(row.reason) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace orvika
