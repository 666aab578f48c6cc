// The specification in form 1 as a workbook, in the XLSX module beside the bill of materials.
#include "documents/xlsx/workbook.h"
#include "project_documents/specification_xlsx.h"

namespace orvika {
namespace {

// An Excel column is about 0.54 characters a millimetre of paper: 395 mm of columns fill an A3 page.
constexpr double CharactersPerMm = 0.54;

struct Formats
{
    lxw_format *header, *cell, *number, *heading, *note;
};

Formats specificationFormats(lxw_workbook *book)
{
    const auto bordered = [book](bool wrapped) {
        lxw_format *format = workbook_add_format(book);
        format_set_border(format, LXW_BORDER_THIN);
        format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
        if (wrapped)
            format_set_text_wrap(format);
        return format;
    };
    Formats formats{bordered(true), bordered(true), bordered(false), bordered(true),
                    workbook_add_format(book)};
    format_set_bold(formats.header);
    format_set_align(formats.header, LXW_ALIGN_CENTER);
    format_set_align(formats.header, LXW_ALIGN_VERTICAL_CENTER);
    format_set_align(formats.number, LXW_ALIGN_CENTER);
    format_set_underline(formats.heading, LXW_UNDERLINE_SINGLE);
    format_set_align(formats.heading, LXW_ALIGN_CENTER);
    return formats;
}

// The footer's text: "&" starts a code there, so the designation's own are doubled.
QString footer(const QString &designation)
{
    QString escaped = designation;
    escaped.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&L%1&RЛист &P").arg(escaped.left(200));
}

void writeSpecification(lxw_workbook *book, const EquipmentSpecification &specification, Texts &utf8)
{
    lxw_worksheet *sheet = workbook_add_worksheet(book, utf8(SpecificationSheetName));
    const Formats formats = specificationFormats(book);
    for (int column = 0; column < SpecificationColumnCount; ++column) {
        const SpecificationColumnForm &form = specificationColumn(SpecificationColumn(column));
        worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), form.widthMm * CharactersPerMm,
                             nullptr);
        worksheet_write_string(sheet, 0, lxw_col_t(column), utf8(form.caption), formats.header);
    }
    worksheet_set_row(sheet, 0, 45, nullptr); // about the 15 mm of the form's header

    lxw_row_t row = 1;
    for (const SpecificationRow &line : specification.rows) {
        for (int column = 0; column < SpecificationColumnCount; ++column) {
            const auto id = SpecificationColumn(column);
            const lxw_col_t at = lxw_col_t(column);
            const bool numeric = id == SpecificationColumn::Position || id == SpecificationColumn::Quantity ||
                                 id == SpecificationColumn::Mass;
            if (line.heading) {
                const QString text = id == SpecificationColumn::Name ? line.name : QString();
                worksheet_write_string(sheet, row, at, utf8(text),
                                       id == SpecificationColumn::Name ? formats.heading : formats.cell);
                continue;
            }
            bool isNumber = false;
            const double value = id == SpecificationColumn::Quantity ? line.quantity.value_or(0)
                                 : id == SpecificationColumn::Mass   ? line.mass.value_or(0)
                                                                     : line.position.toDouble(&isNumber);
            const bool present = id == SpecificationColumn::Quantity ? line.quantity.has_value()
                                 : id == SpecificationColumn::Mass   ? line.mass.has_value()
                                                                     : isNumber;
            if (numeric && present)
                worksheet_write_number(sheet, row, at, value, formats.number);
            else
                worksheet_write_string(sheet, row, at, utf8(line.text(id)),
                                       numeric ? formats.number : formats.cell);
        }
        ++row;
    }
    if (!specification.totalsNote.isEmpty())
        worksheet_write_string(sheet, row + 1, 1, utf8(specification.totalsNote), formats.note);

    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 8); // A3
    worksheet_repeat_rows(sheet, 0, 0);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_set_footer(sheet, utf8(footer(specification.card.designation)));
    worksheet_freeze_panes(sheet, 1, 0);
}

void writeCard(lxw_workbook *book, const ProjectCard &card, Texts &utf8)
{
    lxw_worksheet *sheet = workbook_add_worksheet(book, utf8(CardSheetName));
    const QList<std::pair<QString, QString>> fields = {
        {QStringLiteral("Объект"), card.object},
        {QStringLiteral("Адрес"), card.address},
        {QStringLiteral("Заказчик"), card.customer},
        {QStringLiteral("Обозначение"), card.designation},
        {QStringLiteral("Стадия"), card.stage},
        {QStringLiteral("Организация"), card.organisation},
        {QStringLiteral("Поставщик"), card.supplier},
        {QStringLiteral("Разработал"), card.people.developer},
        {QStringLiteral("Проверил"), card.people.checker},
        {QStringLiteral("Н. контр."), card.people.normControl},
        {QStringLiteral("ГИП"), card.people.chiefEngineer},
        {QStringLiteral("Утвердил"), card.people.approver},
        {QStringLiteral("Изм."), QString::number(card.revision)},
        {QStringLiteral("Дата"),
         card.date.isValid() ? card.date.toString(QStringLiteral("dd.MM.yyyy")) : QString()},
    };
    lxw_row_t row = 0;
    double width = 20;
    for (const auto &[label, value] : fields) {
        worksheet_write_string(sheet, row, 0, utf8(label), nullptr);
        if (label == u"Изм.")
            worksheet_write_number(sheet, row, 1, card.revision, nullptr);
        else
            worksheet_write_string(sheet, row, 1, utf8(value), nullptr);
        width = std::max(width, double(value.size()));
        ++row;
    }
    worksheet_set_column(sheet, 0, 0, 14, nullptr);
    worksheet_set_column(sheet, 1, 1, std::min(width + 2, 80.0), nullptr);
}

} // namespace
} // namespace orvika

// The entry the program looks up when it first writes the specification's workbook.
extern "C" Q_DECL_EXPORT bool
orvikaWriteSpecificationXlsx(const QString *path, const orvika::EquipmentSpecification *specification,
                             QString *error)
{
    const std::optional<QString> failed =
        orvika::writeWorkbookFile(*path, [specification](lxw_workbook *book, orvika::Texts &utf8) {
            orvika::writeSpecification(book, *specification, utf8);
            orvika::writeCard(book, specification->card, utf8);
        });
    if (failed)
        *error = *failed;
    return !failed;
}
