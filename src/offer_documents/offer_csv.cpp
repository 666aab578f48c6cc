#include "files/csv_field.h"
#include "offer/offer_texts.h"
#include "offer_documents/offer_files.h"

namespace orvika {

namespace {

// Money as a spreadsheet under Russian settings reads a number: a decimal comma, no grouping.
QString moneyField(const std::optional<Money> &money)
{
    return money ? moneyText(*money, false) : QString();
}

QString totalRow(const QString &label, const std::optional<Money> &sum)
{
    return csvRow({label, QString(), QString(), QString(), QString(), QString(), moneyField(sum)});
}

} // namespace

QByteArray offerCsv(const Offer &offer)
{
    QString text = csvRow({QStringLiteral("Раздел"), QStringLiteral("Модель"), QStringLiteral("Наименование"),
                           QStringLiteral("Ед."), QStringLiteral("Кол."), QStringLiteral("Цена, руб."),
                           QStringLiteral("Сумма, руб.")});
    for (const OfferLine &line : offer.lines)
        text += csvRow({offerSectionTitle(line.item.section), line.item.model, line.item.name, line.item.unit,
                        quantityCell(line), moneyField(line.unitPrice), moneyField(line.sum)});
    text += totalRow(QStringLiteral("Итого"), offer.totals.subtotal);
    // Without VAT the row says so and holds no sum: an empty cell is not a VAT of 0,00.
    text += totalRow(vatLineText(offer.vat),
                     offer.vat.mode == VatMode::None ? std::nullopt : std::optional(offer.totals.vat));
    text += totalRow(totalLineText(offer.vat), offer.totals.total);
    return csvFile(text);
}

} // namespace orvika
