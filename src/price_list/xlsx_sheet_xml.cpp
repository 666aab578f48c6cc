#include "price_list/xlsx_sheet_xml.h"

#include <QXmlStreamReader>

namespace orvika {
namespace {

// Columns past this are not a price list's; a spreadsheet has no more rows than this.
constexpr int LastColumn = 1024;
constexpr int LastRow = 1048576;
// Exponents beyond this are no price; the number is kept as written.
constexpr int LargestExponent = 30;

QString resolved(const QString &target)
{
    // Targets are relative to xl/ unless they start at the package's root.
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

// The relationships' target of the given id, or of the given type's last word when the id is empty.
QString relationshipTarget(const QByteArray &xml, const QString &id, const QString &typeEnd)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (id.isEmpty() ? attributes.value(QLatin1String("Type")).endsWith(typeEnd)
                         : attributes.value(QLatin1String("Id")) == id)
            return resolved(attributes.value(QLatin1String("Target")).toString());
    }
    return {};
}

// 0-based column of a reference such as "AB12", or -1.
int referenceColumn(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i] >= u'A' && reference[i] <= u'Z'; ++i) {
        column = column * 26 + (reference[i].unicode() - u'A' + 1);
        if (column > LastColumn)
            return LastColumn;
    }
    return i == 0 ? -1 : column - 1;
}

// "1.2345E3" as "1234.5": the spreadsheet writes a number in the shortest form that reads back.
QString plainNumber(const QString &number)
{
    const qsizetype e = number.indexOf(u'E', 0, Qt::CaseInsensitive);
    if (e < 0)
        return number;
    bool isExponent = false;
    const int exponent = number.mid(e + 1).toInt(&isExponent);
    if (!isExponent || exponent > LargestExponent || exponent < -LargestExponent)
        return number;
    QString mantissa = number.left(e);
    QString sign;
    if (mantissa.startsWith(u'-')) {
        sign = QStringLiteral("-");
        mantissa.remove(0, 1);
    }
    const qsizetype point = mantissa.indexOf(u'.');
    const qsizetype wholeDigits = point < 0 ? mantissa.size() : point;
    QString digits = mantissa;
    if (point >= 0)
        digits.remove(point, 1);
    for (const QChar c : digits)
        if (!c.isDigit())
            return number;
    qsizetype newPoint = wholeDigits + exponent;
    if (newPoint <= 0) {
        digits.prepend(QString(-newPoint + 1, u'0'));
        newPoint = 1;
    }
    if (newPoint >= digits.size())
        return sign + digits + QString(newPoint - digits.size(), u'0');
    return sign + digits.left(newPoint) + u'.' + digits.mid(newPoint);
}

// The text of all <t> under the current element, <rPh> hints left out; leaves the reader at its end.
QString runsText(QXmlStreamReader &reader)
{
    QString text;
    int depth = 1;
    int hint = 0;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == u"rPh") {
                hint = depth;
            } else if (reader.name() == u"t" && hint == 0) {
                text += reader.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth; // read to its end
            }
        } else if (reader.isEndElement()) {
            if (depth == hint)
                hint = 0;
            --depth;
        }
    }
    return text;
}

} // namespace

QString firstSheetPath(const QByteArray &workbookXml, const QByteArray &relationshipsXml)
{
    QXmlStreamReader reader(workbookXml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"sheet") {
            // The id is in the relationships' namespace, whatever its prefix.
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                if (attribute.name() == u"id")
                    return relationshipTarget(relationshipsXml, attribute.value().toString(), {});
            return {};
        }
    }
    return {};
}

QString sharedStringsPath(const QByteArray &relationshipsXml)
{
    const QString path = relationshipTarget(relationshipsXml, {}, QStringLiteral("/sharedStrings"));
    return path.isEmpty() ? QStringLiteral("xl/sharedStrings.xml") : path;
}

QStringList sharedStrings(const QByteArray &xml)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si")
            strings.append(runsText(reader));
    }
    return strings;
}

QString stylesPath(const QByteArray &relationshipsXml)
{
    const QString path = relationshipTarget(relationshipsXml, {}, QStringLiteral("/styles"));
    return path.isEmpty() ? QStringLiteral("xl/styles.xml") : path;
}

PriceTable sheetTable(const QByteArray &sheetXml, const QStringList &strings,
                      const QStringList &styleCurrencies)
{
    PriceTable table;
    QXmlStreamReader reader(sheetXml);
    TableRow row;
    int column = 0;
    QString type;
    QString currency; // the one the cell's number format shows
    QString value;
    bool inRow = false;
    bool inCell = false;
    const auto endRow = [&] {
        for (const QString &cell : std::as_const(row.cells))
            if (!cell.trimmed().isEmpty()) {
                table.append(row);
                break;
            }
        row.cells.clear();
        inRow = false;
    };
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QStringView name = reader.name();
            if (name == u"row") {
                if (inRow)
                    endRow();
                const int number = reader.attributes().value(QLatin1String("r")).toInt();
                row.line = number >= 1 && number <= LastRow ? number : row.line + 1;
                column = 0;
                inRow = true;
            } else if (name == u"c" && inRow) {
                const QXmlStreamAttributes attributes = reader.attributes();
                const int at = referenceColumn(attributes.value(QLatin1String("r")));
                column = at >= 0 ? at : column;
                type = attributes.value(QLatin1String("t")).toString();
                currency = styleCurrencies.value(attributes.value(QLatin1String("s")).toInt());
                value.clear();
                inCell = true;
            } else if (name == u"v" && inCell) {
                value = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (name == u"is" && inCell) {
                value = runsText(reader);
            }
        } else if (reader.isEndElement()) {
            if (reader.name() == u"c" && inCell) {
                inCell = false;
                QString text;
                if (type == u"s") {
                    bool isIndex = false;
                    const int index = value.trimmed().toInt(&isIndex);
                    text = isIndex && index >= 0 && index < strings.size() ? strings[index] : QString();
                } else if (type.isEmpty() || type == u"n") {
                    text = plainNumber(value.trimmed());
                    if (!text.isEmpty() && !currency.isEmpty())
                        text += u' ' + currency;
                } else {
                    text = value; // inline and formula strings, booleans, errors
                }
                if (column < LastColumn) {
                    while (row.cells.size() <= column)
                        row.cells.append(QString());
                    row.cells[column] = text;
                }
                ++column;
            } else if (reader.name() == u"row" && inRow) {
                endRow();
            }
        }
    }
    if (inRow)
        endRow();
    return table;
}

} // namespace orvika
