#pragma once

#include "price_list/price_list.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The current price list, kept in the user's data folder until the next import: UTF-8 JSON,
// {"format": "orvika-prices", "version": 1, "fileName", "date", "currency",
//  "entries": [{"model", "name", "price": hundredths, "currency", "line"}, ...]}.
namespace orvika {

inline const QString PriceListFormat = QStringLiteral("orvika-prices");
inline const QString PriceListFileName = QStringLiteral("prices.json");

struct PriceListRead
{
    enum Outcome {
        List,     // read whole
        Missing,  // no file of that name: no list imported yet
        Foreign,  // JSON, but not a price list
        Unusable, // damaged or unreadable
    };
    Outcome outcome = Missing;
    PriceList list;
    QString reason; // why it is foreign or unusable, for the user
};

QByteArray priceListJson(const PriceList &list);
PriceListRead priceListFromJson(const QByteArray &bytes);
PriceListRead readPriceList(const QString &path);

// Writes the list, replacing the file whole or not at all. A file of that name that is not a price list
// (unreadable, damaged or foreign) is never replaced. The reason for the user when it was not written.
std::optional<QString> writePriceList(const QString &path, const PriceList &list);

} // namespace orvika
