#include "files/csv_field.h"

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

QList<QStringList> csvRecords(QStringView text, QChar separator)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endRecord = [&] {
        if (fieldStarted || !record.isEmpty()) {
            record.append(field);
            records.append(record);
        }
        record.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field.append(c);
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field.append(text[++i]);
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            record.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRecord();
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    endRecord();
    return records;
}

} // namespace orvika
