#pragma once

#include "offer/offer_settings.h"
#include "project/project_card_values.h"

#include <QJsonObject>

// The commercial offer's settings as the card's "offer" object: {"number", "date", "validUntil" (YYYY-MM-DD),
// "vat": "over" | "included" | "none", "vatRate", "markup", "discount", "rates": {"USD": {"rate", "date"}},
// "rateSurcharge", "prices": {"<model or name>": price in roubles}, "works": [{"name", "unit", "quantity",
// "price"}]}. Percentages and money are JSON numbers, read exactly; a work's price is null until stated.
// Keys this program does not know are kept.
namespace orvika {

QJsonObject offerJson(const OfferSettings &settings);

// Reads the card's "offer" object; a value not taken is dropped and named ("offer.vatRate",
// "offer.works[2].price"), and the setting keeps its default.
OfferSettings readOffer(const QJsonObject &object, QList<DroppedValue> &dropped);

} // namespace orvika
