#include "engine/offer_composition.h"

#include "offer/offer_items.h"
#include "offer/offer_pricing.h"

namespace orvika {

Offer composeOffer(const FinishedCalculation &finished, const ProjectCard &card, const PriceIndex &prices)
{
    return priceOffer(offerItems(finished.requirements, finished.proposal, card.lines, card.offer.works),
                      card.offer, prices);
}

Offer composeOffer(const FinishedCalculation &finished, const ProjectCard &card, const PriceList *list)
{
    const PriceList none;
    return composeOffer(finished, card, PriceIndex(list ? *list : none));
}

QString offerNeedsCalculation()
{
    return QStringLiteral(
        "Коммерческое предложение составляется по рассчитанной системе: укажите оборудование и "
        "нажмите «Составить спецификацию».");
}

QString offerTooLarge()
{
    return QStringLiteral(
        "Сумма коммерческого предложения слишком велика: проверьте цены, количества, курсы и "
        "наценку.");
}

ProjectCard cardForOfferDocument(ProjectCard card, const QDate &today)
{
    if (!card.offer.date.isValid())
        card.offer.date = today;
    return card;
}

} // namespace orvika
