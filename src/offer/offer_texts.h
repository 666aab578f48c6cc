#pragma once

#include "offer/offer.h"
#include "offer/offer_settings.h"

#include <QString>

// The offer's words that every form of it prints alike: the window, the PDF, the workbook and the CSV.
namespace orvika {

inline const QString OfferName = QStringLiteral("Коммерческое предложение");
inline const QString MissingPriceText = QStringLiteral("нет цены");

// "Коммерческое предложение № 12 от 09.12.2026"; the number and the date left out when not stated.
QString offerTitle(const OfferSettings &settings);

// "Предложение действительно до 31.12.2026"; empty when the date is not stated.
QString validityLine(const OfferSettings &settings);

// "Итого по разделу «Оборудование»"
QString subtotalLineText(OfferSection section);

// "Всего наименований 12 на сумму 123 456,78 руб."
QString countLine(const Offer &offer);

// "Сто двадцать три тысячи … рублей 78 копеек": the total in words.
QString totalInWords(const Offer &offer);

// "Без цены: 3 позиции — K-3620, Кабель …, Монтаж; в сумму не включены"; empty when every line has a price.
QString missingPricesLine(const Offer &offer);

// A line's quantity, unit price and sum as the table shows them: "12", "1 234,56", "нет цены".
QString quantityCell(const OfferLine &line);
QString priceCell(const OfferLine &line);
QString sumCell(const OfferLine &line);

} // namespace orvika
