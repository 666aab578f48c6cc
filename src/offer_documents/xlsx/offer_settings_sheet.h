#pragma once

#include "documents/xlsx/workbook.h"
#include "offer/offer_settings.h"

#include <QDate>
#include <QString>

// The offer's settings on a sheet of the offer's workbook: its number and dates, the VAT, the markup and
// the discount, the currencies' rates. Included by the XLSX module only.
namespace orvika {

// What the sheet's VAT mode reads.
inline QString vatModeText(VatMode mode)
{
    switch (mode) {
    case VatMode::Over:
        return QStringLiteral("начисляется сверх цен");
    case VatMode::Included:
        return QStringLiteral("включён в цены");
    case VatMode::None:
        break;
    }
    return QStringLiteral("не облагается");
}

// Fills the sheet with the settings and the VAT the offer was reckoned with; returns the address of the
// VAT rate's cell, which the offer's formulas refer to.
inline QString writeOfferSettingsSheet(lxw_workbook *book, lxw_worksheet *sheet, const QString &sheetName,
                                       const OfferSettings &settings, Vat vat, Texts &utf8)
{
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *date = workbook_add_format(book);
    format_set_num_format(date, "dd.mm.yyyy");
    format_set_align(date, LXW_ALIGN_LEFT);
    lxw_format *number = workbook_add_format(book);
    format_set_align(number, LXW_ALIGN_LEFT);
    lxw_format *rate = workbook_add_format(book);
    format_set_num_format(rate, "0.0000");
    format_set_align(rate, LXW_ALIGN_LEFT);

    const auto writeDate = [&](lxw_row_t row, lxw_col_t column, const QDate &day) {
        if (!day.isValid())
            return;
        lxw_datetime at{day.year(), day.month(), day.day(), 0, 0, 0};
        worksheet_write_datetime(sheet, row, column, &at, date);
    };
    const auto label = [&](lxw_row_t row, const QString &text) {
        worksheet_write_string(sheet, row, 0, utf8(text), nullptr);
    };

    worksheet_write_string(sheet, 0, 0, utf8(QStringLiteral("Параметр")), bold);
    worksheet_write_string(sheet, 0, 1, utf8(QStringLiteral("Значение")), bold);
    worksheet_write_string(sheet, 0, 2, utf8(QStringLiteral("Дата курса")), bold);
    lxw_row_t row = 1;
    label(row, QStringLiteral("Номер"));
    worksheet_write_string(sheet, row++, 1, utf8(settings.number.trimmed()), nullptr);
    label(row, QStringLiteral("Дата"));
    writeDate(row++, 1, settings.date);
    label(row, QStringLiteral("Действительно до"));
    writeDate(row++, 1, settings.validUntil);
    label(row, QStringLiteral("НДС"));
    worksheet_write_string(sheet, row++, 1, utf8(vatModeText(vat.mode)), nullptr);
    const lxw_row_t rateRow = row++;
    label(rateRow, QStringLiteral("Ставка НДС, %"));
    worksheet_write_number(sheet, rateRow, 1, vat.rate, number);
    const auto percent = [&](const QString &text, Percent value) {
        label(row, text);
        worksheet_write_number(sheet, row++, 1, exactDecimalNumber(value.hundredths, 2), number);
    };
    percent(QStringLiteral("Наценка, %"), settings.markup);
    percent(QStringLiteral("Скидка, %"), settings.discount);
    for (auto it = settings.rates.cbegin(); it != settings.rates.cend(); ++it) {
        label(row, QStringLiteral("Курс %1, руб.").arg(it.key()));
        worksheet_write_number(sheet, row, 1, exactDecimalNumber(it->rate.tenThousandths, 4), rate);
        writeDate(row++, 2, it->date);
    }
    percent(QStringLiteral("Надбавка к курсу, %"), settings.rateSurcharge);

    worksheet_set_column(sheet, 0, 0, 24, nullptr);
    worksheet_set_column(sheet, 1, 1, 26, nullptr);
    worksheet_set_column(sheet, 2, 2, 12, nullptr);
    return QStringLiteral("'%1'!$B$%2").arg(sheetName).arg(rateRow + 1);
}

} // namespace orvika
