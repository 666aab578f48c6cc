// The commercial offer as a workbook, in the XLSX module: the PDF's table with every sum a formula, so
// that a price changed in the spreadsheet adds up to its totals, and the offer's settings on a second sheet.
// Each formula carries the program's own figure, for a viewer that does not recalculate.
#include "documents/xlsx/workbook.h"
#include "offer_documents/offer_workbook.h"
#include "offer_documents/xlsx/offer_settings_sheet.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace orvika {
namespace {

// The table's columns.
enum : lxw_col_t {
    PositionColumn,
    NameColumn,
    ModelColumn,
    UnitColumn,
    QuantityColumn,
    PriceColumn,
    SumColumn
};
constexpr lxw_col_t LastColumn = SumColumn;

struct ColumnForm
{
    const char16_t *caption;
    double width; // characters
};
constexpr std::array<ColumnForm, LastColumn + 1> Columns = {{
    {u"№", 5},
    {u"Наименование", 44},
    {u"Модель", 13},
    {u"Ед.", 6},
    {u"Кол.", 8},
    {u"Цена, руб.", 14},
    {u"Сумма, руб.", 15},
}};

// Shown in the user's notation by the spreadsheet: "1 234,56" under a Russian locale.
constexpr const char *MoneyFormat = "#,##0.00";
constexpr double LineHeight = 15; // points, of one line of the default font

struct Formats
{
    lxw_format *title, *heading, *note, *header, *section, *text, *centred, *quantity, *money, *missing,
        *totalLabel, *totalMoney;
};

Formats offerFormats(lxw_workbook *book)
{
    const auto format = [book](bool bordered) {
        lxw_format *made = workbook_add_format(book);
        format_set_align(made, LXW_ALIGN_VERTICAL_TOP);
        if (bordered)
            format_set_border(made, LXW_BORDER_THIN);
        return made;
    };
    Formats f{format(false), format(false), format(false), format(true), format(true), format(true),
              format(true),  format(true),  format(true),  format(true), format(true), format(true)};
    format_set_bold(f.title);
    format_set_font_size(f.title, 14);
    format_set_align(f.title, LXW_ALIGN_CENTER);
    for (lxw_format *wrapped : {f.title, f.heading, f.note, f.header, f.text})
        format_set_text_wrap(wrapped);
    for (lxw_format *bold : {f.header, f.section, f.totalLabel, f.totalMoney})
        format_set_bold(bold);
    format_set_align(f.header, LXW_ALIGN_CENTER);
    format_set_align(f.header, LXW_ALIGN_VERTICAL_CENTER);
    format_set_align(f.centred, LXW_ALIGN_CENTER);
    format_set_align(f.missing, LXW_ALIGN_RIGHT);
    format_set_align(f.totalLabel, LXW_ALIGN_RIGHT);
    format_set_num_format(f.money, MoneyFormat);
    format_set_num_format(f.missing, MoneyFormat); // for a price typed over the text
    format_set_num_format(f.totalMoney, MoneyFormat);
    return f;
}

// "G12": the cell's address as a formula names it.
QString address(lxw_col_t column, lxw_row_t row)
{
    return QChar(u'A' + column) + QString::number(row + 1);
}

// The lines a text takes wrapped word by word in a column so many characters wide. The spreadsheets do not
// fit a row's height to wrapped text on opening the file, so the row is made as high as this.
int wrappedLines(const QString &text, double width)
{
    int lines = 1;
    qsizetype used = 0;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype needed = used == 0 ? word.size() : used + 1 + word.size();
        if (needed <= width || used == 0) {
            used = needed;
        } else {
            ++lines;
            used = word.size();
        }
        // A word longer than the column breaks where the column ends.
        for (; used > width; used -= qsizetype(width))
            ++lines;
    }
    return lines;
}

class OfferSheetWriter
{
public:
    OfferSheetWriter(lxw_workbook *book, lxw_worksheet *sheet, Texts &utf8, const QString &vatRateCell)
        : m_sheet(sheet), m_utf8(utf8), m_formats(offerFormats(book)), m_vatRate(vatRateCell)
    {
    }

    void write(const ProjectCard &card, const Offer &offer)
    {
        heading(card);
        table(offer);
        totals(offer);
        notes(card, offer);
        layOut();
    }

private:
    // A text across the table's width, as high as its lines wrapped to that width.
    void across(const QString &text, lxw_format *format, double lineHeight = LineHeight)
    {
        double width = 0;
        for (const ColumnForm &column : Columns)
            width += column.width;
        worksheet_merge_range(m_sheet, m_row, 0, m_row, LastColumn, m_utf8(text), format);
        worksheet_set_row(m_sheet, m_row, wrappedLines(text, width) * lineHeight, nullptr);
        ++m_row;
    }

    void heading(const ProjectCard &card)
    {
        if (!card.organisation.trimmed().isEmpty())
            across(card.organisation.trimmed(), m_formats.heading);
        if (!card.customer.trimmed().isEmpty())
            across(QStringLiteral("Заказчик: ") + card.customer.trimmed(), m_formats.heading);
        ++m_row;
        across(offerTitle(card.offer), m_formats.title, 20);
        if (!card.object.trimmed().isEmpty())
            across(QStringLiteral("Объект: ") + card.object.trimmed(), m_formats.heading);
        ++m_row;
    }

    void table(const Offer &offer)
    {
        m_headerRow = m_row;
        for (lxw_col_t column = 0; column <= LastColumn; ++column)
            worksheet_write_string(m_sheet, m_row, column,
                                   m_utf8(QString::fromUtf16(Columns[column].caption)), m_formats.header);
        ++m_row;
        for (const OfferSection section :
             {OfferSection::Equipment, OfferSection::Materials, OfferSection::Works}) {
            const lxw_row_t title = m_row;
            for (const OfferLine &line : offer.lines) {
                if (line.item.section != section)
                    continue;
                if (m_row == title) {
                    worksheet_merge_range(m_sheet, m_row, 0, m_row, LastColumn,
                                          m_utf8(offerSectionTitle(section)), m_formats.section);
                    ++m_row;
                }
                tableLine(line);
            }
            if (m_row != title)
                subtotal(offer, section, title + 1);
        }
    }

    void tableLine(const OfferLine &line)
    {
        const Formats &f = m_formats;
        const int lines = std::max(wrappedLines(line.item.name, Columns[NameColumn].width),
                                   wrappedLines(line.item.model, Columns[ModelColumn].width));
        if (lines > 1)
            worksheet_set_row(m_sheet, m_row, lines * LineHeight, nullptr);
        worksheet_write_number(m_sheet, m_row, PositionColumn, line.position, f.centred);
        worksheet_write_string(m_sheet, m_row, NameColumn, m_utf8(line.item.name), f.text);
        worksheet_write_string(m_sheet, m_row, ModelColumn, m_utf8(line.item.model), f.text);
        worksheet_write_string(m_sheet, m_row, UnitColumn, m_utf8(line.item.unit), f.centred);
        worksheet_write_number(m_sheet, m_row, QuantityColumn,
                               exactDecimalNumber(line.item.quantity.thousandths, 3), f.quantity);
        const QString price = address(PriceColumn, m_row), quantity = address(QuantityColumn, m_row);
        const QString product = QStringLiteral("ROUND(%1*%2,2)").arg(price, quantity);
        if (line.unitPrice && line.sum) {
            worksheet_write_number(m_sheet, m_row, PriceColumn, moneyNumber(*line.unitPrice), f.money);
            worksheet_write_formula_num(m_sheet, m_row, SumColumn, m_utf8(u'=' + product), f.money,
                                        moneyNumber(*line.sum));
        } else {
            // A price typed over "нет цены" later is added up like any other; until then the text stays
            // out of the sums, which pass over text.
            worksheet_write_string(m_sheet, m_row, PriceColumn, m_utf8(MissingPriceText), f.missing);
            worksheet_write_formula_str(
                m_sheet, m_row, SumColumn,
                m_utf8(QStringLiteral("=IF(ISNUMBER(%1),%2,\"%3\")").arg(price, product, MissingPriceText)),
                f.missing, m_utf8(MissingPriceText));
        }
        ++m_row;
    }

    // A row whose label stands right across the table and whose figure is in the sums' column.
    void labelled(const QString &label)
    {
        worksheet_merge_range(m_sheet, m_row, 0, m_row, LastColumn - 1, m_utf8(label), m_formats.totalLabel);
    }

    // The section's subtotal under its lines, the first of which is at firstLine.
    void subtotal(const Offer &offer, OfferSection section, lxw_row_t firstLine)
    {
        Money cached;
        for (const OfferSubtotal &sub : offer.subtotals)
            if (sub.section == section)
                cached = sub.subtotal;
        labelled(subtotalLineText(section));
        const QString formula =
            QStringLiteral("=SUM(%1:%2)").arg(address(SumColumn, firstLine), address(SumColumn, m_row - 1));
        worksheet_write_formula_num(m_sheet, m_row, SumColumn, m_utf8(formula), m_formats.totalMoney,
                                    moneyNumber(cached));
        m_subtotals.append(address(SumColumn, m_row));
        ++m_row;
    }

    void totals(const Offer &offer)
    {
        const Formats &f = m_formats;
        const QString subtotal = address(SumColumn, m_row);
        labelled(QStringLiteral("Итого"));
        if (m_subtotals.isEmpty())
            worksheet_write_number(m_sheet, m_row, SumColumn, 0, f.totalMoney);
        else
            worksheet_write_formula_num(m_sheet, m_row, SumColumn,
                                        m_utf8(QStringLiteral("=SUM(%1)").arg(m_subtotals.join(u','))),
                                        f.totalMoney, moneyNumber(offer.totals.subtotal));
        ++m_row;

        const QString vat = address(SumColumn, m_row);
        labelled(vatLineText(offer.vat));
        // Over the prices, or the part of them that is VAT; without VAT no sum at all.
        const QString formula = offer.vat.mode == VatMode::Over ? QStringLiteral("=ROUND(%1*%2/100,2)")
                                : offer.vat.mode == VatMode::Included
                                    ? QStringLiteral("=ROUND(%1*%2/(100+%2),2)")
                                    : QString();
        if (formula.isEmpty())
            worksheet_write_blank(m_sheet, m_row, SumColumn, f.totalMoney);
        else
            worksheet_write_formula_num(m_sheet, m_row, SumColumn, m_utf8(formula.arg(subtotal, m_vatRate)),
                                        f.totalMoney, moneyNumber(offer.totals.vat));
        ++m_row;

        labelled(totalLineText(offer.vat));
        const QString total = offer.vat.mode == VatMode::Over ? QStringLiteral("=%1+%2").arg(subtotal, vat)
                                                              : QStringLiteral("=%1").arg(subtotal);
        worksheet_write_formula_num(m_sheet, m_row, SumColumn, m_utf8(total), f.totalMoney,
                                    moneyNumber(offer.totals.total));
        ++m_row;
    }

    void notes(const ProjectCard &card, const Offer &offer)
    {
        ++m_row;
        for (const QString &line : {missingPricesLine(offer), countLine(offer), totalInWords(offer)})
            if (!line.isEmpty())
                across(line, m_formats.note);
        ++m_row;
        const QString validity = validityLine(card.offer);
        if (!validity.isEmpty())
            across(validity, m_formats.note);
        across(roundingNote(offer.vat), m_formats.note);
    }

    void layOut()
    {
        for (lxw_col_t column = 0; column <= LastColumn; ++column)
            worksheet_set_column(m_sheet, column, column, Columns[column].width, nullptr);
        worksheet_set_paper(m_sheet, 9); // A4
        worksheet_set_portrait(m_sheet);
        worksheet_fit_to_pages(m_sheet, 1, 0);
        worksheet_repeat_rows(m_sheet, m_headerRow, m_headerRow);
        worksheet_set_footer(m_sheet, m_utf8(QStringLiteral("&RЛист &P")));
    }

    lxw_worksheet *m_sheet;
    Texts &m_utf8;
    Formats m_formats;
    QString m_vatRate; // the rate's cell on the settings sheet
    lxw_row_t m_row = 0;
    lxw_row_t m_headerRow = 0;
    QStringList m_subtotals; // the subtotals' cells
};

std::optional<QString> writeOfferWorkbook(const QString &path, const OfferWorkbook &content)
{
    return writeWorkbookFile(path, [&content](lxw_workbook *book, Texts &utf8) {
        // The offer's sheet first, the settings its formulas refer to behind it.
        lxw_worksheet *offerSheet = workbook_add_worksheet(book, utf8(OfferSheetName));
        lxw_worksheet *settingsSheet = workbook_add_worksheet(book, utf8(OfferSettingsSheetName));
        const QString vatRate = writeOfferSettingsSheet(book, settingsSheet, OfferSettingsSheetName,
                                                        content.card.offer, content.offer.vat, utf8);
        OfferSheetWriter(book, offerSheet, utf8, vatRate).write(content.card, content.offer);
    });
}

} // namespace
} // namespace orvika

// The entry the program looks up when it first writes the offer's workbook.
extern "C" Q_DECL_EXPORT bool orvikaWriteOfferXlsx(const QString *path, const orvika::OfferWorkbook *content,
                                                   QString *error)
{
    const std::optional<QString> failed = orvika::writeOfferWorkbook(*path, *content);
    if (failed)
        *error = *failed;
    return !failed;
}
