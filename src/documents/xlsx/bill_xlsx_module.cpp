// The XLSX writer, a module of its own: the spreadsheet library and what it draws in are loaded only
// when a workbook is first written, not at every start of the program.
#include "documents/bill_xlsx.h"
#include "documents/xlsx/workbook.h"

#include <algorithm>
#include <array>
#include <vector>
#include <xlsxwriter.h>

namespace orvika {
namespace {

constexpr std::array<const char16_t *, 6> Header = {
    u"№", u"Обозначение", u"Количество", u"Потребление, Вт", u"Высота, U", u"Основание"};
// The widest a column grows, in characters: a long reason wraps rather than runs off the screen.
constexpr double WidestColumn = 80;

void writeBill(lxw_workbook *book, const DocumentContent &content, Texts &utf8)
{
    lxw_worksheet *sheet = workbook_add_worksheet(book, utf8(BillSheetName));
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *wrapped = workbook_add_format(book);
    format_set_text_wrap(wrapped);
    format_set_align(wrapped, LXW_ALIGN_VERTICAL_TOP);

    std::array<double, Header.size()> widths{};
    const auto fit = [&widths](int column, const QString &text) {
        widths[size_t(column)] = std::max(widths[size_t(column)], double(text.size()));
    };
    for (int column = 0; column < int(Header.size()); ++column) {
        const QString title = QString::fromUtf16(Header[size_t(column)]);
        worksheet_write_string(sheet, 0, lxw_col_t(column), utf8(title), bold);
        fit(column, title);
    }

    lxw_row_t row = 1;
    for (const DocumentRow &line : content.rows) {
        worksheet_write_number(sheet, row, 0, line.position, nullptr);
        worksheet_write_string(sheet, row, 1, utf8(line.designation), nullptr);
        worksheet_write_number(sheet, row, 2, line.quantity, nullptr);
        if (line.unitPowerDraw)
            worksheet_write_number(sheet, row, 3, *line.unitPowerDraw, nullptr);
        if (line.unitHeightUnits)
            worksheet_write_number(sheet, row, 4, *line.unitHeightUnits, nullptr);
        worksheet_write_string(sheet, row, 5, utf8(line.reason), wrapped);
        fit(0, QString::number(line.position));
        fit(1, line.designation);
        fit(5, line.reason);
        ++row;
    }

    // The totals: the pieces, and what they draw and take in all, computed by the spreadsheet.
    double pieces = 0, power = 0, height = 0;
    for (const DocumentRow &line : content.rows) {
        pieces += line.quantity;
        power += line.powerDraw().value_or(0);
        height += line.heightUnits().value_or(0);
    }
    const QString last = QString::number(row); // the last table row, 1-based
    const auto sum = [&](const char *column) {
        return QStringLiteral("=SUMPRODUCT($C$2:$C$%1,%2$2:%2$%1)").arg(last, QLatin1String(column));
    };
    worksheet_write_string(sheet, row, 1, utf8(QStringLiteral("Итого")), bold);
    worksheet_write_formula_num(sheet, row, 2, utf8(QStringLiteral("=SUM(C2:C%1)").arg(last)), bold, pieces);
    worksheet_write_formula_num(sheet, row, 3, utf8(sum("D")), bold, power);
    worksheet_write_formula_num(sheet, row, 4, utf8(sum("E")), bold, height);

    // The loudspeaker lines' products and materials, below the totals their formulas leave out.
    if (!content.materials.isEmpty()) {
        row += 2;
        worksheet_write_string(sheet, row++, 1, utf8(QStringLiteral("Изделия и материалы")), bold);
        for (const MaterialRow &material : content.materials) {
            worksheet_write_number(sheet, row, 0, material.position, nullptr);
            worksheet_write_string(sheet, row, 1, utf8(material.designation), nullptr);
            worksheet_write_number(sheet, row, 2, material.quantity, nullptr);
            worksheet_write_string(sheet, row, 5, utf8(material.note), wrapped);
            fit(1, material.designation);
            ++row;
        }
    }

    for (int column = 0; column < int(Header.size()); ++column)
        worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column),
                             std::min(widths[size_t(column)] + 2, WidestColumn), nullptr);
    worksheet_freeze_panes(sheet, 1, 0);
}

void writeRequirements(lxw_workbook *book, const DocumentContent &content, Texts &utf8)
{
    lxw_worksheet *sheet = workbook_add_worksheet(book, utf8(RequirementsSheetName));
    double width = 10;
    lxw_row_t row = 0;
    for (const QString &line : content.requirements) {
        worksheet_write_string(sheet, row++, 0, utf8(line), nullptr);
        width = std::max(width, double(line.size()));
    }
    worksheet_set_column(sheet, 0, 0, std::min(width + 2, WidestColumn), nullptr);
}

std::optional<QString> writeWorkbook(const QString &path, const DocumentContent &content)
{
    return writeWorkbookFile(path, [&content](lxw_workbook *book, Texts &utf8) {
        writeBill(book, content, utf8);
        writeRequirements(book, content, utf8);
    });
}

} // namespace
} // namespace orvika

// The entry the program looks up when it first writes a workbook.
extern "C" Q_DECL_EXPORT bool orvikaWriteBillXlsx(const QString *path, const orvika::DocumentContent *content,
                                                  QString *error)
{
    const std::optional<QString> failed = orvika::writeWorkbook(*path, *content);
    if (failed)
        *error = *failed;
    return !failed;
}
