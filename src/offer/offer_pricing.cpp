#include "offer/offer_pricing.h"

#include "offer/price_index.h"

#include <array>

namespace orvika {

namespace {

// The prices set by hand by their normalised key: a card edited elsewhere may write "К-3520" with a
// Cyrillic К for the K-3520 the offer shows.
QHash<QString, Money> handPrices(const OfferSettings &settings)
{
    QHash<QString, Money> prices;
    for (auto it = settings.prices.cbegin(); it != settings.prices.cend(); ++it)
        prices.insert(normalisedCode(it.key()), it.value());
    return prices;
}

const PriceEntry *listRow(const OfferItem &item, const PriceIndex &prices)
{
    if (!item.model.isEmpty())
        return prices.find(item.model, item.name);
    if (item.listNames.isEmpty())
        return prices.find(QString(), item.name);
    for (const QString &name : item.listNames)
        if (const PriceEntry *entry = prices.find(QString(), name))
            return entry;
    return nullptr;
}

QString gapReason(PriceGap gap, const QString &currency)
{
    switch (gap) {
    case PriceGap::NoRate:
        return QStringLiteral("нет курса %1").arg(currency);
    case PriceGap::TooLarge:
        return QStringLiteral("цена слишком велика");
    case PriceGap::BadTerms:
        return QStringLiteral("скидка больше 100 %");
    case PriceGap::None:
        break;
    }
    return {};
}

// The line's unit price and where it came from; a missing price says why.
void priceLine(OfferLine &line, const QHash<QString, Money> &hand, const PricingTerms &terms,
               const PriceIndex &prices)
{
    const OfferItem &item = line.item;
    if (item.section == OfferSection::Works) {
        if (item.workPrice) {
            line.source = PriceSource::Work;
            line.unitPrice = item.workPrice;
        } else {
            line.missingReason = QStringLiteral("цена работы не указана");
        }
        return;
    }
    if (const auto set = hand.constFind(normalisedCode(item.priceKey())); set != hand.cend()) {
        line.source = PriceSource::Hand;
        line.unitPrice = *set;
        return;
    }
    const PriceEntry *entry = listRow(item, prices);
    if (!entry) {
        line.missingReason = QStringLiteral("нет в прайс-листе");
        return;
    }
    line.listPriceMinor = entry->priceMinor;
    line.listCurrency = entry->currency;
    line.listLine = entry->line;
    const UnitPrice price = unitPrice(*entry, terms);
    if (!price.isPriced()) {
        line.missingReason = gapReason(price.gap, entry->currency);
        return;
    }
    line.source = PriceSource::List;
    line.unitPrice = price.money;
}

} // namespace

Offer priceOffer(const QList<OfferItem> &items, const OfferSettings &settings, const PriceIndex &prices)
{
    Offer offer;
    offer.vat = settings.vat;
    const QHash<QString, Money> hand = handPrices(settings);
    const PricingTerms terms = settings.terms();
    constexpr std::array sections = {OfferSection::Equipment, OfferSection::Materials, OfferSection::Works};
    Money subtotal;
    for (const OfferSection section : sections) {
        bool any = false;
        Money sectionSum;
        for (const OfferItem &item : items) {
            if (item.section != section)
                continue;
            any = true;
            OfferLine line;
            line.item = item;
            line.position = int(offer.lines.size()) + 1;
            priceLine(line, hand, terms, prices);
            if (line.unitPrice) {
                line.sum = lineSum(*line.unitPrice, item.quantity);
                const std::optional<Money> added =
                    line.sum ? orvika::added(sectionSum, *line.sum) : std::nullopt;
                if (added) {
                    sectionSum = *added;
                    ++offer.pricedCount;
                } else {
                    offer.tooLarge = true;
                }
            }
            offer.lines.append(line);
        }
        if (!any)
            continue;
        offer.subtotals.append({section, sectionSum});
        if (const auto sum = added(subtotal, sectionSum))
            subtotal = *sum;
        else
            offer.tooLarge = true;
    }
    if (const auto totals = offerTotals(subtotal, settings.vat))
        offer.totals = *totals;
    else
        offer.tooLarge = true;
    return offer;
}

} // namespace orvika
