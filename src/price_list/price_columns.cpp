#include "price_list/price_columns.h"

#include <QRegularExpression>
#include <array>

namespace orvika {
namespace {

enum Kind { Model, Name, Currency, Price, KindCount };

// Each kind's words, foremost first. Checked in this order of kinds, so that "Валюта цены" is a currency.
const std::array<QStringList, KindCount> KindWords{{
    {QStringLiteral("артикул"), QStringLiteral("модель"), QStringLiteral("код"), QStringLiteral("article"),
     QStringLiteral("model"), QStringLiteral("sku")},
    {QStringLiteral("наименование"), QStringLiteral("название"), QStringLiteral("name"),
     QStringLiteral("description")},
    {QStringLiteral("валюта"), QStringLiteral("currency")},
    {QStringLiteral("цена"), QStringLiteral("стоимость"), QStringLiteral("price")},
}};

// Columns past this are not a price list's.
constexpr int LastColumn = 1024;

// The kind a header names and the rank of its word, or KindCount.
std::pair<Kind, int> headerKind(const QString &header)
{
    static const QRegularExpression wordPattern(QStringLiteral("[\\w]+"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    const QString lower = header.toLower();
    for (int kind = 0; kind < KindCount; ++kind) {
        int best = -1;
        for (auto it = wordPattern.globalMatch(lower); it.hasNext();) {
            const qsizetype rank = KindWords[kind].indexOf(it.next().captured());
            if (rank >= 0 && (best < 0 || rank < best))
                best = int(rank);
        }
        if (best >= 0)
            return {Kind(kind), best};
    }
    return {KindCount, 0};
}

} // namespace

HeaderMatch matchHeader(const QStringList &cells)
{
    HeaderMatch match;
    std::array<int, KindCount> column;
    std::array<int, KindCount> rank;
    column.fill(-1);
    rank.fill(0);
    for (int i = 0; i < cells.size() && i < LastColumn; ++i) {
        const auto [kind, wordRank] = headerKind(cells[i]);
        if (kind == KindCount)
            continue;
        if (kind == Price)
            match.priceColumns.append(i);
        if (column[kind] < 0 || wordRank < rank[kind]) {
            column[kind] = i;
            rank[kind] = wordRank;
        }
    }
    for (int kind = 0; kind < KindCount; ++kind)
        match.found += column[kind] >= 0 ? 1 : 0;
    match.columns.model = column[Model];
    match.columns.name = column[Name];
    match.columns.currency = column[Currency];
    match.columns.price = match.priceColumns.size() == 1 ? match.priceColumns.front() : -1;
    return match;
}

std::optional<PriceColumns> parseColumnChoice(QStringView text, QString *error)
{
    const auto refuse = [error](const QString &reason) -> std::optional<PriceColumns> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    PriceColumns columns;
    QList<int> taken;
    for (QStringView part : text.split(u',')) {
        const qsizetype equals = part.indexOf(u'=');
        const QString key = part.left(equals).trimmed().toString().toLower();
        bool isNumber = false;
        const int number = equals < 0 ? 0 : part.mid(equals + 1).trimmed().toInt(&isNumber);
        if (equals < 0 || !isNumber || number < 1 || number > LastColumn)
            return refuse(QStringLiteral("«%1»: нужен вид столбца и его номер от 1 до %2, например price=3")
                              .arg(part.trimmed().toString())
                              .arg(LastColumn));
        int *slot = key == u"model"      ? &columns.model
                    : key == u"name"     ? &columns.name
                    : key == u"price"    ? &columns.price
                    : key == u"currency" ? &columns.currency
                                         : nullptr;
        if (!slot)
            return refuse(
                QStringLiteral("«%1»: столбец может быть model, name, price или currency").arg(key));
        if (*slot >= 0)
            return refuse(QStringLiteral("%1 указан дважды").arg(key));
        if (taken.contains(number - 1))
            return refuse(QStringLiteral("столбец %1 указан дважды").arg(number));
        *slot = number - 1;
        taken.append(number - 1);
    }
    if (columns.price < 0 || (columns.model < 0 && columns.name < 0))
        return refuse(QStringLiteral("нужны столбцы price и model (или name)"));
    return columns;
}

QString columnChoiceText(const PriceColumns &columns)
{
    QStringList parts;
    const std::pair<const char *, int> named[] = {{"model", columns.model},
                                                  {"name", columns.name},
                                                  {"price", columns.price},
                                                  {"currency", columns.currency}};
    for (const auto &[key, column] : named)
        if (column >= 0)
            parts.append(QStringLiteral("%1=%2").arg(QLatin1String(key)).arg(column + 1));
    return parts.join(u',');
}

} // namespace orvika
