#include "offer/offer_texts.h"

#include "offer/amount_in_words.h"

namespace orvika {

namespace {

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

// How many missing lines the line under the total names before it says "…".
constexpr int MissingNamed = 5;

} // namespace

QString offerTitle(const OfferSettings &settings)
{
    QString title = OfferName;
    if (!settings.number.trimmed().isEmpty())
        title += QStringLiteral(" № ") + settings.number.trimmed();
    if (settings.date.isValid())
        title += QStringLiteral(" от ") + dateText(settings.date);
    return title;
}

QString validityLine(const OfferSettings &settings)
{
    if (!settings.validUntil.isValid())
        return {};
    return QStringLiteral("Предложение действительно до ") + dateText(settings.validUntil);
}

QString subtotalLineText(OfferSection section)
{
    return QStringLiteral("Итого по разделу «%1»").arg(offerSectionTitle(section));
}

QString countLine(const Offer &offer)
{
    return QStringLiteral("Всего наименований %1 на сумму %2 руб.")
        .arg(offer.pricedCount)
        .arg(moneyText(offer.totals.total));
}

QString totalInWords(const Offer &offer)
{
    return amountInWords(offer.totals.total);
}

QString missingPricesLine(const Offer &offer)
{
    const QList<const OfferLine *> missing = offer.missing();
    if (missing.isEmpty())
        return {};
    QStringList named;
    for (const OfferLine *line : missing) {
        if (named.size() == MissingNamed) {
            named.append(QStringLiteral("…"));
            break;
        }
        named.append(line->item.priceKey());
    }
    return QStringLiteral("Без цены: %1 %2 — %3; в сумму не включены")
        .arg(missing.size())
        .arg(countNoun(missing.size(), QStringLiteral("позиция"), QStringLiteral("позиции"),
                       QStringLiteral("позиций")),
             named.join(QStringLiteral(", ")));
}

QString quantityCell(const OfferLine &line)
{
    return quantityText(line.item.quantity);
}

QString priceCell(const OfferLine &line)
{
    return line.unitPrice ? moneyText(*line.unitPrice) : MissingPriceText;
}

QString sumCell(const OfferLine &line)
{
    return line.sum ? moneyText(*line.sum) : MissingPriceText;
}

} // namespace orvika
