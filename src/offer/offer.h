#pragma once

#include "offer/exact_decimal.h"
#include "offer/money.h"
#include "offer/offer_settings.h"
#include "offer/vat.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The commercial offer priced: every line of the equipment, the lines' products and materials and the
// works, with its unit price and sum or without a price; each section's subtotal; the totals with VAT.
namespace orvika {

enum class OfferSection { Equipment, Materials, Works };

// "Оборудование", "Изделия и материалы", "Работы".
QString offerSectionTitle(OfferSection section);

// Where a line's price came from.
enum class PriceSource {
    List,    // the price list, through the rate, the markup and the discount
    Hand,    // set by hand in the offer: the unit price itself
    Work,    // a work's price as entered
    Missing, // none: the line shows "нет цены" and stays out of the sums
};

// What is offered, before it is priced.
struct OfferItem
{
    OfferSection section = OfferSection::Equipment;
    QString name; // "Селектор зон на 10 линий до 500 Вт", "Кабель КПСнг(А)-FRLS 2×1,5 мм²"
    QString model; // "K-3110"; empty for a cable, a typed loudspeaker or a work
    QString unit;  // "шт.", "м", or the work's own
    Quantity quantity;
    // The names a price list may give the item when it has no model (a cable is written with or without
    // "Кабель" and "мм²"), tried in order.
    QStringList listNames;
    std::optional<Money> workPrice; // a work's price as entered

    // The key of a price set by hand: the model code, or the name when there is none.
    QString priceKey() const { return model.isEmpty() ? name : model; }
};

struct OfferLine
{
    OfferItem item;
    int position = 0; // № through the offer, from 1
    PriceSource source = PriceSource::Missing;
    std::optional<Money> unitPrice; // none for a missing price
    std::optional<Money> sum;       // unit price × quantity
    // Why a price is missing, for the window's list: "нет в прайс-листе", "нет курса USD".
    QString missingReason;
    // The list's row it was priced from, when it was: its price in hundredths of its currency and its line.
    qint64 listPriceMinor = 0;
    QString listCurrency;
    int listLine = 0;

    bool isPriced() const { return source != PriceSource::Missing; }
};

struct OfferSubtotal
{
    OfferSection section = OfferSection::Equipment;
    Money subtotal; // of the section's priced lines
};

struct Offer
{
    QList<OfferLine> lines;         // by section, in the order above
    QList<OfferSubtotal> subtotals; // of the sections that have lines
    Vat vat;
    OfferTotals totals;
    int pricedCount = 0; // the lines the sum holds: "Всего наименований N"
    // When a sum would not fit in what money holds: the offer is not to be printed.
    bool tooLarge = false;

    QList<const OfferLine *> missing() const;
};

} // namespace orvika
