#pragma once

#include "offer/exact_decimal.h"
#include "offer/money.h"
#include "price_list/price_list.h"

#include <QHash>
#include <QString>
#include <optional>

// From a list price to the offer's unit price, and from the unit price to a line's sum.
namespace orvika {

// The offer's settings a list price goes through.
struct PricingTerms
{
    QHash<QString, Rate> rates; // by currency code ("USD"); roubles need none
    Percent rateSurcharge;      // on a price in a foreign currency only
    Percent markup;
    Percent discount; // up to 100 %
};

enum class PriceGap {
    None,
    NoRate,   // a foreign currency without a rate: the price is missing, never 0
    TooLarge, // beyond what a sum can hold
    BadTerms, // a discount above 100 %
};

struct UnitPrice
{
    Money money;
    PriceGap gap = PriceGap::None;
    bool isPriced() const { return gap == PriceGap::None; }
};

// The unit price in roubles of a list price in hundredths of `currency`: the price × rate × (1 + surcharge)
// for a foreign currency (one step), then × (1 + markup), then × (1 − discount), each step rounded half up
// to the kopeck. Rounding each step, as a price list and a calculator do, keeps every printed figure
// reproducible from the one before it.
UnitPrice unitPrice(qint64 listPriceMinor, const QString &currency, const PricingTerms &terms);
UnitPrice unitPrice(const PriceEntry &entry, const PricingTerms &terms);

// A line's sum: the unit price × the quantity, half up to the kopeck (exact for whole quantities). Empty
// when it would not fit.
std::optional<Money> lineSum(Money unitPrice, Quantity quantity);

} // namespace orvika
