#include "offer/unit_price.h"

namespace orvika {

namespace {

constexpr qint64 PercentWhole = 100 * 100; // 100 % in hundredths of a percent
constexpr qint64 RateWhole = 10000;        // a rate of 1 in ten-thousandths

UnitPrice priced(std::optional<Money> money)
{
    if (!money)
        return {Money{}, PriceGap::TooLarge};
    return {*money, PriceGap::None};
}

} // namespace

UnitPrice unitPrice(qint64 listPriceMinor, const QString &currency, const PricingTerms &terms)
{
    if (terms.discount.hundredths > PercentWhole || terms.discount.hundredths < 0 ||
        terms.markup.hundredths < 0 || terms.rateSurcharge.hundredths < 0)
        return {Money{}, PriceGap::BadTerms};
    Money price{listPriceMinor};
    const QString code = currency.trimmed().toUpper();
    if (!code.isEmpty() && code != Roubles) {
        const auto rate = terms.rates.constFind(code);
        if (rate == terms.rates.cend() || rate->tenThousandths <= 0)
            return {Money{}, PriceGap::NoRate};
        // The rate and its surcharge are one step: the price in roubles as the seller pays for it.
        __int128 numerator = 0;
        if (__builtin_mul_overflow(__int128(listPriceMinor) * rate->tenThousandths,
                                   __int128(PercentWhole) + terms.rateSurcharge.hundredths, &numerator))
            return {Money{}, PriceGap::TooLarge};
        const std::optional<qint64> kopecks = roundedQuotient(numerator, __int128(RateWhole) * PercentWhole);
        if (!kopecks)
            return {Money{}, PriceGap::TooLarge};
        price = Money{*kopecks};
    }
    qint64 markedUp = 0;
    if (qAddOverflow(PercentWhole, terms.markup.hundredths, &markedUp))
        return {Money{}, PriceGap::TooLarge};
    const std::optional<Money> marked = scaled(price, markedUp, PercentWhole);
    if (!marked)
        return priced(marked);
    return priced(scaled(*marked, PercentWhole - terms.discount.hundredths, PercentWhole));
}

UnitPrice unitPrice(const PriceEntry &entry, const PricingTerms &terms)
{
    return unitPrice(entry.priceMinor, entry.currency, terms);
}

std::optional<Money> lineSum(Money unitPrice, Quantity quantity)
{
    return scaled(unitPrice, quantity.thousandths, 1000);
}

} // namespace orvika
