#include "project_documents/title_block.h"

#include "project_documents/sheet_form.h"

#include <array>

namespace orvika {
namespace {

constexpr double RowMm = 5;
constexpr double LabelMm = 2.5;
constexpr double ValueMm = 2.5;
constexpr double DesignationMm = 3.5;
constexpr double NameMm = 3.5;
constexpr double ChangeBlockMm = 65;
// Изм., Кол.уч., Лист, № док., Подп., Дата.
constexpr std::array<double, 6> ChangeColumnsMm = {10, 10, 10, 10, 15, 10};
// The role, the surname, the signature, the date.
constexpr std::array<double, 4> SignatureColumnsMm = {20, 20, 15, 10};

TextStyle label()
{
    return {LabelMm, Qt::AlignCenter};
}

TextStyle value(Qt::Alignment alignment = Qt::AlignCenter)
{
    return {ValueMm, alignment};
}

TextStyle wrapped(double heightMm)
{
    return {heightMm, Qt::AlignCenter, true};
}

// Columns of cells side by side from x, one row of the height given at y.
void addRow(DrawingForm &form, double x, double y, double height, const auto &widths,
            const QStringList &texts, const TextStyle &style)
{
    for (std::size_t i = 0; i < widths.size(); ++i) {
        form.cells.append({QRectF(x, y, widths[i], height), texts.value(qsizetype(i)), style});
        x += widths[i];
    }
}

// The thick lines that divide a block's columns over its whole height.
void addThickColumns(DrawingForm &form, double x, double y, double height, const auto &widths)
{
    for (double width : widths) {
        form.cells.append({QRectF(x, y, width, height), {}, {}, LineWeight::Thick});
        x += width;
    }
}

// The change block: two rows of changes over the captions, the revision in the lower one.
void addChangeBlock(DrawingForm &form, const ProjectCard &card)
{
    const QString revision = card.revision != 0 ? QString::number(card.revision) : QString();
    addRow(form, 0, 0, RowMm, ChangeColumnsMm, {}, value());
    addRow(form, 0, RowMm, RowMm, ChangeColumnsMm, {revision}, value());
    addRow(form, 0, 2 * RowMm, RowMm, ChangeColumnsMm,
           {QStringLiteral("Изм."), QStringLiteral("Кол.уч."), QStringLiteral("Лист"),
            QStringLiteral("№ док."), QStringLiteral("Подп."), QStringLiteral("Дата")},
           label());
    addThickColumns(form, 0, 0, 3 * RowMm, ChangeColumnsMm);
    form.cells.append({QRectF(0, 2 * RowMm, ChangeBlockMm, RowMm), {}, {}, LineWeight::Thick});
}

// The signature rows with the card's people and their date; blank rows after them up to rowCount.
void addSignatures(DrawingForm &form, const ProjectCard &card, double top, int rowCount = 5)
{
    const ProjectPeople &people = card.people;
    const QString date = card.date.isValid() ? card.date.toString(QStringLiteral("MM.yy")) : QString();
    QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("Разраб."), people.developer},     {QStringLiteral("Пров."), people.checker},
        {QStringLiteral("Н. контр."), people.normControl}, {QStringLiteral("ГИП"), people.chiefEngineer},
        {QStringLiteral("Утв."), people.approver},
    };
    while (rows.size() < rowCount)
        rows.append(std::pair<QString, QString>());
    double y = top;
    for (const auto &[role, name] : rows) {
        const QString signedOn = name.trimmed().isEmpty() ? QString() : date;
        addRow(form, 0, y, RowMm, std::array<double, 1>{20}, {role}, value(Qt::AlignLeft | Qt::AlignVCenter));
        addRow(form, 20, y, RowMm, std::array<double, 1>{20}, {name},
               value(Qt::AlignLeft | Qt::AlignVCenter));
        addRow(form, 40, y, RowMm, std::array<double, 2>{15, 10}, {QString(), signedOn}, value());
        y += RowMm;
    }
    addThickColumns(form, 0, top, y - top, SignatureColumnsMm);
}

} // namespace

DrawingForm firstSheetTitleBlock(const ProjectCard &card, const QString &documentName, int sheetCount)
{
    DrawingForm form{{TitleBlockWidthMm, FirstSheetTitleBlockHeightMm}, {}};
    addChangeBlock(form, card);
    addSignatures(form, card, 3 * RowMm);

    const double right = ChangeBlockMm;
    form.cells.append(
        {QRectF(right, 0, 120, 15), card.designation, wrapped(DesignationMm), LineWeight::Thick});
    // The object over the document's name, a thin line between them, in the one cell of the name.
    form.cells.append({QRectF(right, 15, 70, 10), card.object, wrapped(ValueMm)});
    form.cells.append({QRectF(right, 25, 70, 15), documentName, wrapped(NameMm)});
    form.cells.append({QRectF(right, 15, 70, 25), {}, {}, LineWeight::Thick});

    const double stage = right + 70;
    const std::array<double, 3> stageColumns = {15, 15, 20};
    addRow(form, stage, 15, RowMm, stageColumns,
           {QStringLiteral("Стадия"), QStringLiteral("Лист"), QStringLiteral("Листов")}, label());
    addRow(form, stage, 20, RowMm, stageColumns,
           {card.stage, QString::number(1), QString::number(sheetCount)}, value());
    addThickColumns(form, stage, 15, 2 * RowMm, stageColumns);
    form.cells.append({QRectF(stage, 25, 50, 15), card.organisation, wrapped(ValueMm), LineWeight::Thick});

    form.cells.append(
        {QRectF(0, 0, TitleBlockWidthMm, FirstSheetTitleBlockHeightMm), {}, {}, LineWeight::Thick});
    return form;
}

DrawingForm furtherSheetTitleBlock(const ProjectCard &card, int sheet)
{
    DrawingForm form{{TitleBlockWidthMm, FurtherSheetTitleBlockHeightMm}, {}};
    addChangeBlock(form, card);
    form.cells.append(
        {QRectF(ChangeBlockMm, 0, 110, 15), card.designation, wrapped(DesignationMm), LineWeight::Thick});
    const double number = ChangeBlockMm + 110;
    form.cells.append({QRectF(number, 0, 10, 7), QStringLiteral("Лист"), label(), LineWeight::Thick});
    form.cells.append({QRectF(number, 7, 10, 8), QString::number(sheet), value(), LineWeight::Thick});
    form.cells.append(
        {QRectF(0, 0, TitleBlockWidthMm, FurtherSheetTitleBlockHeightMm), {}, {}, LineWeight::Thick});
    return form;
}

DrawingForm drawingTitleBlock(const ProjectCard &card, const QString &drawingName, int sheet, int sheetCount)
{
    DrawingForm form{{TitleBlockWidthMm, DrawingTitleBlockHeightMm}, {}};
    addChangeBlock(form, card);
    addSignatures(form, card, 3 * RowMm, 8);

    const double right = ChangeBlockMm;
    form.cells.append(
        {QRectF(right, 0, 120, 15), card.designation, wrapped(DesignationMm), LineWeight::Thick});
    form.cells.append({QRectF(right, 15, 70, 15), card.object, wrapped(ValueMm), LineWeight::Thick});
    form.cells.append({QRectF(right, 30, 70, 25), drawingName, wrapped(NameMm), LineWeight::Thick});

    const double stage = right + 70;
    const std::array<double, 3> stageColumns = {15, 15, 20};
    addRow(form, stage, 15, RowMm, stageColumns,
           {QStringLiteral("Стадия"), QStringLiteral("Лист"), QStringLiteral("Листов")}, label());
    addRow(form, stage, 20, 2 * RowMm, stageColumns,
           {card.stage, QString::number(sheet), QString::number(sheetCount)}, value());
    addThickColumns(form, stage, 15, 3 * RowMm, stageColumns);
    form.cells.append({QRectF(stage, 30, 50, 25), card.organisation, wrapped(ValueMm), LineWeight::Thick});

    form.cells.append(
        {QRectF(0, 0, TitleBlockWidthMm, DrawingTitleBlockHeightMm), {}, {}, LineWeight::Thick});
    return form;
}

QRectF titleBlockPlaceMm(const QSizeF &sizeMm, const QRectF &frameMm)
{
    return QRectF(frameMm.right() - sizeMm.width(), frameMm.bottom() - sizeMm.height(), sizeMm.width(),
                  sizeMm.height());
}

} // namespace orvika
