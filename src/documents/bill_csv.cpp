#include "documents/bill_csv.h"

#include "calc/reasons.h"

namespace orvika {
namespace {

// Quoted only when it holds a separator, a quote or a line break; inner quotes doubled.
QString field(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString figure(const std::optional<double> &value)
{
    return value ? reasons::number(*value) : QString();
}

} // namespace

QByteArray billAsCsv(const DocumentContent &content)
{
    QString text = QStringLiteral("№;Обозначение;Количество;Потребление, Вт;Высота, U;Основание\r\n");
    for (const DocumentRow &row : content.rows) {
        text += QString::number(row.position) + u';' + field(row.designation) + u';' +
                QString::number(row.quantity) + u';' + figure(row.unitPowerDraw) + u';' +
                figure(row.unitHeightUnits) + u';' + field(row.reason) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace orvika
