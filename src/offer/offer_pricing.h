#pragma once

#include "offer/offer.h"
#include "offer/offer_settings.h"
#include "offer/price_index.h"

#include <QList>

// The offer priced from the user's price list and the settings: a price set by hand wins over the list; a
// work keeps its own price; an item the list does not price, or prices in a currency without a rate, has
// no price, never 0. The subtotals and the totals hold the priced lines only; VAT is computed once, on the
// total of the lines.
namespace orvika {

Offer priceOffer(const QList<OfferItem> &items, const OfferSettings &settings, const PriceIndex &prices);

} // namespace orvika
