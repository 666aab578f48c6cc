#include "report/csv_field.h"

namespace orvika {

QString csvField(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvRow(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u';') + QStringLiteral("\r\n");
}

QByteArray csvFile(const QString &rows)
{
    return QByteArray("\xEF\xBB\xBF") + rows.toUtf8();
}

} // namespace orvika
