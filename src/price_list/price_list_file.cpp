#include "price_list/price_list_file.h"

#include "files/text_file.h"
#include "files/whole_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace orvika {
namespace {

// A list this large is not a price list.
constexpr qint64 LargestList = 256 * 1024 * 1024;
constexpr int ListVersion = 1;
// Hundredths JSON holds exactly: below 2^53.
constexpr qint64 LargestPrice = (qint64(1) << 53) - 1;

PriceListRead failed(PriceListRead::Outcome outcome, const QString &reason)
{
    PriceListRead read;
    read.outcome = outcome;
    read.reason = reason;
    return read;
}

bool isCurrency(const QString &code)
{
    return code == Roubles || code == u"USD" || code == u"EUR" || code == u"CNY";
}

} // namespace

QByteArray priceListJson(const PriceList &list)
{
    QJsonArray entries;
    for (const PriceEntry &entry : list.entries)
        entries.append(QJsonObject{{QStringLiteral("model"), entry.model},
                                   {QStringLiteral("name"), entry.name},
                                   {QStringLiteral("price"), entry.priceMinor},
                                   {QStringLiteral("currency"), entry.currency},
                                   {QStringLiteral("line"), entry.line}});
    const QJsonObject object{{QStringLiteral("format"), PriceListFormat},
                             {QStringLiteral("version"), ListVersion},
                             {QStringLiteral("fileName"), list.fileName},
                             {QStringLiteral("date"), list.date.toString(Qt::ISODate)},
                             {QStringLiteral("currency"), list.currency},
                             {QStringLiteral("entries"), entries}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

PriceListRead priceListFromJson(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return failed(PriceListRead::Unusable,
                      QStringLiteral("файл повреждён (ошибка JSON в позиции %1)").arg(error.offset));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(QStringLiteral("format")).toString() != PriceListFormat)
        return failed(PriceListRead::Foreign,
                      QStringLiteral("это не прайс-лист (нет \"format\": \"%1\")").arg(PriceListFormat));
    PriceListRead read;
    PriceList &list = read.list;
    list.fileName = object.value(QStringLiteral("fileName")).toString();
    const QString date = object.value(QStringLiteral("date")).toString();
    list.date = QDate::fromString(date, Qt::ISODate);
    list.currency = object.value(QStringLiteral("currency")).toString();
    if (!isCurrency(list.currency) || (!date.isEmpty() && !list.date.isValid()))
        return failed(PriceListRead::Unusable, QStringLiteral("файл повреждён (валюта или дата списка)"));
    const QJsonArray entries = object.value(QStringLiteral("entries")).toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QJsonObject e = entries[i].toObject();
        const QJsonValue price = e.value(QStringLiteral("price"));
        const QJsonValue line = e.value(QStringLiteral("line"));
        PriceEntry entry;
        entry.model = e.value(QStringLiteral("model")).toString();
        entry.name = e.value(QStringLiteral("name")).toString();
        entry.priceMinor = price.toInteger(-1);
        entry.currency = e.value(QStringLiteral("currency")).toString();
        entry.line = line.toInt(-1);
        if (!entries[i].isObject() || !price.isDouble() || entry.priceMinor < 0 ||
            entry.priceMinor > LargestPrice || double(entry.priceMinor) != price.toDouble() ||
            !isCurrency(entry.currency) || entry.line < 0 || double(entry.line) != line.toDouble())
            return failed(PriceListRead::Unusable, QStringLiteral("файл повреждён (позиция %1)").arg(i + 1));
        list.entries.append(entry);
    }
    read.outcome = PriceListRead::List;
    return read;
}

PriceListRead readPriceList(const QString &path)
{
    const WholeFile file = readWholeFile(path, LargestList);
    switch (file.outcome) {
    case WholeFile::Missing:
        return {};
    case WholeFile::Unreadable:
        return failed(PriceListRead::Unusable, file.reason);
    case WholeFile::TooLarge:
        return failed(PriceListRead::Foreign, QStringLiteral("файл слишком велик для прайс-листа"));
    case WholeFile::Read:
        break;
    }
    return priceListFromJson(file.bytes);
}

std::optional<QString> writePriceList(const QString &path, const PriceList &list)
{
    const PriceListRead there = readPriceList(path);
    if (there.outcome != PriceListRead::List && there.outcome != PriceListRead::Missing)
        return QStringLiteral("файл %1 не заменён: %2").arg(QFileInfo(path).fileName(), there.reason);
    return writeFileAtomically(path, priceListJson(list));
}

} // namespace orvika
