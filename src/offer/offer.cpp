#include "offer/offer.h"

namespace orvika {

QString offerSectionTitle(OfferSection section)
{
    switch (section) {
    case OfferSection::Equipment:
        return QStringLiteral("Оборудование");
    case OfferSection::Materials:
        return QStringLiteral("Изделия и материалы");
    case OfferSection::Works:
        break;
    }
    return QStringLiteral("Работы");
}

QList<const OfferLine *> Offer::missing() const
{
    QList<const OfferLine *> missing;
    for (const OfferLine &line : lines)
        if (!line.isPriced())
            missing.append(&line);
    return missing;
}

} // namespace orvika
