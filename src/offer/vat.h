#pragma once

#include "offer/money.h"

#include <QList>
#include <QString>
#include <optional>

// VAT on an offer: charged over the prices, included in them, or none (a seller on the simplified system).
// It is computed once, on the subtotal, and rounded half up to the kopeck.
namespace orvika {

enum class VatMode { Over, Included, None };

// The card's words for the modes: "over", "included", "none".
QString vatModeKey(VatMode mode);
std::optional<VatMode> vatModeFromKey(const QString &key);

// The general rate from 1 January 2026.
inline constexpr int DefaultVatRate = 22;
// The rates offered, the default first.
QList<int> offeredVatRates();

struct Vat
{
    VatMode mode = VatMode::Over;
    int rate = DefaultVatRate; // %, 0 to 100

    friend bool operator==(const Vat &, const Vat &) = default;
};

struct OfferTotals
{
    Money subtotal; // the sum of the priced lines ("Итого")
    Money vat;      // charged over it, or the part of it that is VAT; 0 without VAT
    Money total;    // "Всего": the subtotal with VAT over it added
};

// Over: VAT = subtotal × rate / 100, total = subtotal + VAT. Included: VAT = subtotal × rate / (100 + rate),
// total = subtotal. None: no VAT. Empty for a rate outside 0–100 or a total beyond what a sum can hold.
std::optional<OfferTotals> offerTotals(Money subtotal, Vat vat);

// The sum of the priced lines; empty when it would not fit.
std::optional<Money> subtotalOf(const QList<Money> &lineSums);

// The VAT line under the subtotal: "НДС 22 %", "в том числе НДС 22 %", "Без налога (НДС)".
QString vatLineText(Vat vat);
// The total's line: "Всего с НДС" when VAT is charged over the prices, otherwise "Всего".
QString totalLineText(Vat vat);
// The sentence the document prints on how its figures are rounded.
QString roundingNote(Vat vat);

} // namespace orvika
