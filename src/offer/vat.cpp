#include "offer/vat.h"

namespace orvika {

QString vatModeKey(VatMode mode)
{
    switch (mode) {
    case VatMode::Over:
        return QStringLiteral("over");
    case VatMode::Included:
        return QStringLiteral("included");
    case VatMode::None:
        break;
    }
    return QStringLiteral("none");
}

std::optional<VatMode> vatModeFromKey(const QString &key)
{
    for (const VatMode mode : {VatMode::Over, VatMode::Included, VatMode::None}) {
        if (key == vatModeKey(mode))
            return mode;
    }
    return std::nullopt;
}

QList<int> offeredVatRates()
{
    return {DefaultVatRate, 20, 10, 7, 5, 0};
}

std::optional<OfferTotals> offerTotals(Money subtotal, Vat vat)
{
    if (vat.rate < 0 || vat.rate > 100)
        return std::nullopt;
    OfferTotals totals{subtotal, Money{}, subtotal};
    switch (vat.mode) {
    case VatMode::Over: {
        const std::optional<Money> charged = scaled(subtotal, vat.rate, 100);
        const std::optional<Money> total = charged ? added(subtotal, *charged) : std::nullopt;
        if (!total)
            return std::nullopt;
        totals.vat = *charged;
        totals.total = *total;
        break;
    }
    case VatMode::Included: {
        const std::optional<Money> part = scaled(subtotal, vat.rate, 100 + vat.rate);
        if (!part)
            return std::nullopt;
        totals.vat = *part;
        break;
    }
    case VatMode::None:
        break;
    }
    return totals;
}

std::optional<Money> subtotalOf(const QList<Money> &lineSums)
{
    Money sum;
    for (const Money line : lineSums) {
        const std::optional<Money> next = added(sum, line);
        if (!next)
            return std::nullopt;
        sum = *next;
    }
    return sum;
}

QString vatLineText(Vat vat)
{
    switch (vat.mode) {
    case VatMode::Over:
        return QStringLiteral("НДС %1 %").arg(vat.rate);
    case VatMode::Included:
        return QStringLiteral("в том числе НДС %1 %").arg(vat.rate);
    case VatMode::None:
        break;
    }
    return QStringLiteral("Без налога (НДС)");
}

QString totalLineText(Vat vat)
{
    return vat.mode == VatMode::Over ? QStringLiteral("Всего с НДС") : QStringLiteral("Всего");
}

QString roundingNote(Vat vat)
{
    const QString prices =
        QStringLiteral("Цены и суммы — в рублях с копейками; каждая цена и каждая сумма строки "
                       "округлены до копейки, половина копейки — в большую сторону.");
    if (vat.mode == VatMode::None)
        return prices;
    return prices + QStringLiteral(" НДС исчислен один раз с итога и округлён до копейки так же.");
}

} // namespace orvika
