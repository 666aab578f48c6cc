#include "offer/offer_settings.h"

namespace orvika {

PricingTerms OfferSettings::terms() const
{
    PricingTerms terms;
    for (auto it = rates.cbegin(); it != rates.cend(); ++it)
        terms.rates.insert(it.key(), it.value().rate);
    terms.rateSurcharge = rateSurcharge;
    terms.markup = markup;
    terms.discount = discount;
    return terms;
}

} // namespace orvika
