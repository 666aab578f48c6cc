#pragma once

#include "offer/exact_decimal.h"
#include "offer/money.h"
#include "offer/unit_price.h"
#include "offer/vat.h"

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// The commercial offer's settings as the project's card keeps them under "offer": its number and dates,
// the VAT, the markup and discount on the equipment and materials, the currencies' rates, the prices set by
// hand and the works.
namespace orvika {

// The currencies a list price may be in besides roubles, each with a rate the user sets.
inline const QStringList ForeignCurrencies = {QStringLiteral("USD"), QStringLiteral("EUR"),
                                              QStringLiteral("CNY")};

struct CurrencyRate
{
    Rate rate;  // roubles for one unit
    QDate date; // the day of the rate, as the user states it; null when not stated

    friend bool operator==(const CurrencyRate &, const CurrencyRate &) = default;
};

// A work line: installation, commissioning. Priced as entered, without the markup and the discount.
struct OfferWork
{
    QString name;
    QString unit = QStringLiteral("усл.");
    Quantity quantity = Quantity::whole(1);
    std::optional<Money> price; // none until the user states it: a missing price

    friend bool operator==(const OfferWork &, const OfferWork &) = default;
};

struct OfferSettings
{
    QString number;
    QDate date;       // null when not stated
    QDate validUntil; // null when not stated
    Vat vat;
    Percent markup;
    Percent discount;
    QMap<QString, CurrencyRate> rates; // by currency code
    Percent rateSurcharge;
    // Prices set by hand, in roubles, by the item's key (its model code, or its name when it has none): the
    // unit price itself, winning over the list.
    QMap<QString, Money> prices;
    QList<OfferWork> works;
    // Keys inside "offer" this program does not know, written back as they were.
    QJsonObject kept;

    bool isEmpty() const { return *this == OfferSettings(); }
    // The terms a list price goes through.
    PricingTerms terms() const;

    friend bool operator==(const OfferSettings &, const OfferSettings &) = default;
};

} // namespace orvika
