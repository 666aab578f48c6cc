#include "price_list/xlsx_styles.h"

#include "price_list/price_number.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace orvika {
namespace {

// The currency a number format code shows, or empty.
QString formatCurrency(const QString &code)
{
    static const QRegularExpression locale(QStringLiteral("\\[\\$([^\\]\\-]+)"));
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    for (auto it = locale.globalMatch(code); it.hasNext();)
        if (const QString found = currencyCode(it.next().captured(1)); !found.isEmpty())
            return found;
    for (auto it = quoted.globalMatch(code); it.hasNext();)
        if (const QString found = currencyCode(it.next().captured(1)); !found.isEmpty())
            return found;
    // A sign written bare, outside the locale's brackets.
    QString bare = code;
    bare.remove(QRegularExpression(QStringLiteral("\\[[^\\]]*\\]")));
    for (const QChar sign : {QChar(0x20BD), QChar(u'$'), QChar(0x20AC), QChar(0x00A5)})
        if (bare.contains(sign))
            return currencyCode(QStringView(&sign, 1));
    return {};
}

} // namespace

QStringList styleCurrencies(const QByteArray &stylesXml)
{
    QHash<int, QString> formats; // custom format id → its currency
    QStringList currencies;
    bool inCellStyles = false;
    QXmlStreamReader reader(stylesXml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (reader.name() == u"numFmt")
                formats.insert(attributes.value(QLatin1String("numFmtId")).toInt(),
                               formatCurrency(attributes.value(QLatin1String("formatCode")).toString()));
            else if (reader.name() == u"cellXfs")
                inCellStyles = true;
            else if (reader.name() == u"xf" && inCellStyles)
                currencies.append(formats.value(attributes.value(QLatin1String("numFmtId")).toInt()));
        } else if (reader.isEndElement() && reader.name() == u"cellXfs") {
            inCellStyles = false;
        }
    }
    return currencies;
}

} // namespace orvika
