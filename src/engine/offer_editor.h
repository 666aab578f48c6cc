#pragma once

#include "engine/main_window_model.h"
#include "offer/offer.h"
#include "offer/offer_settings.h"
#include "offer/price_index.h"
#include "price_list/price_list.h"
#include "project/project_card.h"

#include <QString>

// The offer window's rules without its widgets: the card's offer settings as the user edits them, and the
// offer priced again after every change. A text the checks refuse changes nothing and is answered with the
// reason; it is never read as 0.
namespace orvika {

enum class OfferDateField { Date, ValidUntil };
enum class OfferPercentField { Markup, Discount, RateSurcharge };
enum class WorkField { Name, Unit, Quantity, Price };

class OfferEditor
{
public:
    // The list is copied: the window prices against the list as it was when it opened. Null: no list.
    OfferEditor(const FinishedCalculation &finished, const ProjectCard &card, const PriceList *list);
    OfferEditor(const OfferEditor &) = delete;
    OfferEditor &operator=(const OfferEditor &) = delete;

    const OfferSettings &settings() const { return m_card.offer; }
    const Offer &offer() const { return m_offer; }

    // Each returns the reason for the user when the text is refused, else the empty text.
    // A line's unit price set by hand, by the item's key; the empty text takes the hand price away.
    QString setHandPrice(const QString &key, const QString &text);
    void setNumber(const QString &text);
    // "31.12.2026"; the empty text for a date not stated.
    QString setDate(OfferDateField field, const QString &text);
    QString setVat(Vat vat);
    // "12,5" or "12,5 %"; the empty text for none. A discount goes up to 100 %.
    QString setPercent(OfferPercentField field, const QString &text);
    // Roubles for one unit of the currency, "92,4567"; the empty text removes the rate (and its date).
    QString setRate(const QString &currency, const QString &text);
    // The day of the rate; only with a rate.
    QString setRateDate(const QString &currency, const QString &text);

    // A work "Монтаж" of 1 "усл." without a price, at the end; its index.
    qsizetype addWork();
    void removeWork(qsizetype index);
    // The work's price the empty text for none (a missing price); its quantity above 0.
    QString setWork(qsizetype index, WorkField field, const QString &text);

    // A date as the window shows and takes it: "31.12.2026", or empty.
    static QString dateText(const QDate &date);

private:
    void reprice();

    FinishedCalculation m_finished;
    ProjectCard m_card;
    PriceList m_list;
    PriceIndex m_index;
    Offer m_offer;
};

} // namespace orvika
