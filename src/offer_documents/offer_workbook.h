#pragma once

#include "offer/offer.h"
#include "offer/offer_texts.h"
#include "project/project_card.h"

#include <QString>

// What the XLSX module is handed to write the offer's workbook: the card (its heading and the offer's
// settings) and the priced offer, both owned by the caller for the call.
namespace orvika {

inline const QString OfferSheetName = OfferName;
inline const QString OfferSettingsSheetName = QStringLiteral("Настройки");

struct OfferWorkbook
{
    const ProjectCard &card;
    const Offer &offer;
};

} // namespace orvika
