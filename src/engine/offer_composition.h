#pragma once

#include "engine/main_window_model.h"
#include "offer/offer.h"
#include "offer/price_index.h"
#include "price_list/price_list.h"
#include "project/project_card.h"

#include <QDate>
#include <QString>

// The commercial offer of a finished calculation: its units, the card's lines and works, priced from the
// current price list with the card's settings. The window and the documents compose it alike.
namespace orvika {

Offer composeOffer(const FinishedCalculation &finished, const ProjectCard &card, const PriceIndex &prices);
// Without a list (none imported, or its file unusable) only the prices set by hand and the works are priced.
Offer composeOffer(const FinishedCalculation &finished, const ProjectCard &card, const PriceList *list);

// The card as the offer's documents print it: an offer without a date of its own is dated the day it is
// made.
ProjectCard cardForOfferDocument(ProjectCard card, const QDate &today);

// Why an offer without a finished calculation cannot be made, for the user.
QString offerNeedsCalculation();
// Why an offer whose sums do not fit cannot be printed, for the user.
QString offerTooLarge();

} // namespace orvika
