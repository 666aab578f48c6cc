#include "price_list/price_csv.h"

#include "files/csv_field.h"
#include "price_list/price_columns.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <array>

namespace orvika {
namespace {

// The header is looked for among the first lines; a list's title rarely takes more.
constexpr int HeaderSearchLines = 30;

struct Record
{
    int line = 0;
    QStringView text;
};

// Splits the text into records at line breaks outside quotes, each with the line it starts on.
template <typename Take> void forEachRecord(QStringView text, Take take)
{
    int line = 1;
    int recordLine = 1;
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\r' || c == u'\n') {
            const qsizetype end = i;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            if (!quoted) {
                if (!take(Record{recordLine, text.mid(start, end - start)}))
                    return;
                start = i + 1;
                recordLine = line;
            }
        }
    }
    if (start < text.size())
        take(Record{recordLine, text.mid(start)});
}

bool isBlank(const QStringList &cells)
{
    for (const QString &cell : cells)
        if (!cell.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

QString decodePriceText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes.mid(2));
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QStringDecoder("windows-1251").decode(bytes);
}

QChar detectSeparator(const QString &text)
{
    constexpr std::array<char16_t, 3> Separators{u';', u',', u'\t'};
    QChar best = u';';
    int bestFound = 0;
    qsizetype bestFields = 0;
    for (const char16_t separator : Separators) {
        int found = 0;
        qsizetype fields = 0;
        int seen = 0;
        forEachRecord(text, [&](const Record &record) {
            const QList<QStringList> records = csvRecords(record.text, separator);
            if (records.isEmpty())
                return true;
            if (seen == 0)
                fields = records.front().size();
            found = std::max(found, matchHeader(records.front()).found);
            return ++seen < HeaderSearchLines;
        });
        if (found > bestFound || (found == bestFound && fields > bestFields)) {
            best = separator;
            bestFound = found;
            bestFields = fields;
        }
    }
    return best;
}

PriceTable csvTable(const QByteArray &bytes)
{
    const QString text = decodePriceText(bytes);
    // A spreadsheet may name its separator on a first line of its own: "sep=;".
    static const QRegularExpression named(QStringLiteral("^sep=([;,\t])\r?\n?"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch sep = named.match(text);
    const QChar separator = sep.hasMatch() ? sep.captured(1).front() : detectSeparator(text);
    PriceTable table;
    forEachRecord(text, [&](const Record &record) {
        if (sep.hasMatch() && record.line == 1)
            return true;
        const QList<QStringList> records = csvRecords(record.text, separator);
        if (!records.isEmpty() && !isBlank(records.front()))
            table.append({record.line, records.front()});
        return true;
    });
    return table;
}

} // namespace orvika
