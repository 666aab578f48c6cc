#include "project_documents/specification_sheets.h"

#include "project_documents/drafting_text.h"
#include "project_documents/sheet_form.h"
#include "project_documents/title_block.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <array>

namespace orvika {
namespace {

constexpr double HeaderMm = 15;
constexpr double SmallestRowMm = 8;
constexpr double CellTextMm = 2.5;
constexpr double CellInsetXMm = 1;
// A one-line row keeps to 8 mm with its line about the middle; longer texts grow the row below it.
constexpr double CellInsetYMm = 1.8;
constexpr double NoteGapMm = 3;

using Columns = std::array<SpecificationColumn, SpecificationColumnCount>;
constexpr Columns AllColumns = {
    SpecificationColumn::Position, SpecificationColumn::Name,     SpecificationColumn::Type,
    SpecificationColumn::Code,     SpecificationColumn::Supplier, SpecificationColumn::Unit,
    SpecificationColumn::Quantity, SpecificationColumn::Mass,     SpecificationColumn::Note};

// Positions, units and figures stand in the middle of their columns; words from the left.
TextStyle cellStyle(SpecificationColumn column, bool heading)
{
    switch (column) {
    case SpecificationColumn::Position:
    case SpecificationColumn::Unit:
    case SpecificationColumn::Quantity:
    case SpecificationColumn::Mass:
        return {CellTextMm, Qt::AlignHCenter | Qt::AlignTop, true};
    case SpecificationColumn::Name:
        // A section's heading: underlined, in the middle of the name column.
        if (heading)
            return {CellTextMm, Qt::AlignHCenter | Qt::AlignTop, true, true};
        break;
    default:
        break;
    }
    return {CellTextMm, Qt::AlignLeft | Qt::AlignTop, true};
}

struct PlacedRow
{
    qsizetype index;
    double topMm;
    double heightMm;
};

struct Sheet
{
    QList<PlacedRow> rows;
    double tableEndMm = 0;           // below the last row
    std::optional<double> noteTopMm; // on the sheet that carries the totals
};

double titleBlockHeightMm(qsizetype sheetIndex)
{
    return sheetIndex == 0 ? FirstSheetTitleBlockHeightMm : FurtherSheetTitleBlockHeightMm;
}

// The table ends above the title block.
double tableBottomMm(qsizetype sheetIndex)
{
    return sheetFrameMm().bottom() - titleBlockHeightMm(sheetIndex);
}

double tableTopMm()
{
    return sheetFrameMm().top() + HeaderMm;
}

// The totals under the table, left of the title block's column.
QRectF noteBoxMm(double topMm, double heightMm)
{
    const QRectF frame = sheetFrameMm();
    return QRectF(frame.left() + CellInsetXMm, topMm, frame.width() - TitleBlockWidthMm - 2 * CellInsetXMm,
                  heightMm);
}

const TextStyle NoteStyle{CellTextMm, Qt::AlignLeft | Qt::AlignTop, true};

double rowHeightMm(const QPaintDevice &device, const SpecificationRow &row)
{
    double text = 0;
    for (SpecificationColumn column : AllColumns)
        text = std::max(text, textHeightMm(device, cellStyle(column, row.heading),
                                           specificationColumn(column).widthMm - 2 * CellInsetXMm,
                                           row.text(column)));
    return std::max(SmallestRowMm, text + 2 * CellInsetYMm);
}

// Rows go down the sheets whole; a heading goes over to the next sheet with the row under it.
QList<Sheet> layOutSheets(const QPaintDevice &device, const EquipmentSpecification &specification)
{
    QList<double> heights;
    for (const SpecificationRow &row : specification.rows)
        heights.append(rowHeightMm(device, row));

    QList<Sheet> sheets(1);
    double y = tableTopMm();
    // An empty sheet takes what comes even when it does not fit, or the layout would never end.
    auto makeRoom = [&](double height) {
        if (y + height > tableBottomMm(sheets.size() - 1) && y > tableTopMm()) {
            sheets.last().tableEndMm = y;
            sheets.append(Sheet{});
            y = tableTopMm();
        }
    };
    for (qsizetype i = 0; i < heights.size(); ++i) {
        const bool keepWithNext = specification.rows.at(i).heading && i + 1 < heights.size();
        makeRoom(heights.at(i) + (keepWithNext ? heights.at(i + 1) : 0));
        sheets.last().rows.append({i, y, heights.at(i)});
        y += heights.at(i);
    }
    if (!specification.totalsNote.isEmpty()) {
        const double note =
            textHeightMm(device, NoteStyle, noteBoxMm(0, 0).width(), specification.totalsNote);
        makeRoom(NoteGapMm + note);
        sheets.last().noteTopMm = y + NoteGapMm;
    }
    sheets.last().tableEndMm = y;
    return sheets;
}

void paintHeader(QPainter &painter)
{
    const SheetScale scale(*painter.device());
    const QRectF frame = sheetFrameMm();
    double x = frame.left();
    for (SpecificationColumn column : AllColumns) {
        const SpecificationColumnForm &form = specificationColumn(column);
        const QRectF cell(x, frame.top(), form.widthMm, HeaderMm);
        drawTextInBox(painter, cell.adjusted(CellInsetXMm, CellInsetXMm, -CellInsetXMm, -CellInsetXMm),
                      form.caption, {CellTextMm, Qt::AlignCenter, true});
        x += form.widthMm;
    }
    setLinePen(painter, ThickLineMm);
    painter.drawLine(scale(QLineF(frame.left(), tableTopMm(), frame.right(), tableTopMm())));
}

void paintRow(QPainter &painter, const SpecificationRow &row, const PlacedRow &place)
{
    const SheetScale scale(*painter.device());
    const QRectF frame = sheetFrameMm();
    double x = frame.left();
    for (SpecificationColumn column : AllColumns) {
        const double width = specificationColumn(column).widthMm;
        const QRectF cell(x, place.topMm, width, place.heightMm);
        drawTextInBox(painter, cell.adjusted(CellInsetXMm, CellInsetYMm, -CellInsetXMm, 0), row.text(column),
                      cellStyle(column, row.heading));
        x += width;
    }
    const double bottom = place.topMm + place.heightMm;
    setLinePen(painter, ThinLineMm);
    painter.drawLine(scale(QLineF(frame.left(), bottom, frame.right(), bottom)));
}

// The columns' lines run down to the title block, and beside it to the frame; on the sheet of the
// totals the table closes under its last row, and the totals stand below it.
void paintColumnLines(QPainter &painter, double bottomMm, bool closed)
{
    const SheetScale scale(*painter.device());
    const QRectF frame = sheetFrameMm();
    const double titleBlockLeft = frame.right() - TitleBlockWidthMm;
    setLinePen(painter, ThickLineMm);
    double x = frame.left();
    for (SpecificationColumn column : AllColumns) {
        x += specificationColumn(column).widthMm;
        const double bottom = closed || x > titleBlockLeft ? bottomMm : frame.bottom();
        if (x < frame.right())
            painter.drawLine(scale(QLineF(x, frame.top(), x, bottom)));
    }
    if (closed)
        painter.drawLine(scale(QLineF(frame.left(), bottomMm, frame.right(), bottomMm)));
}

void paintSheet(QPainter &painter, const EquipmentSpecification &specification, const QList<Sheet> &sheets,
                qsizetype index)
{
    const Sheet &sheet = sheets.at(index);
    paintSheetFrame(painter);
    paintHeader(painter);
    for (const PlacedRow &place : sheet.rows)
        paintRow(painter, specification.rows.at(place.index), place);
    if (sheet.noteTopMm) {
        paintColumnLines(painter, sheet.tableEndMm, true);
        const QRectF box = noteBoxMm(*sheet.noteTopMm, tableBottomMm(index) - *sheet.noteTopMm);
        drawTextInBox(painter, box, specification.totalsNote, NoteStyle);
    } else {
        paintColumnLines(painter, tableBottomMm(index), false);
    }
    const ProjectCard &card = specification.card;
    const DrawingForm titleBlock =
        index == 0 ? firstSheetTitleBlock(card, EquipmentSpecificationName, int(sheets.size()))
                   : furtherSheetTitleBlock(card, int(index + 1));
    paintDrawingForm(painter, titleBlock, titleBlockPlaceMm(titleBlock.sizeMm).topLeft());
}

} // namespace

int paintEquipmentSpecification(QPagedPaintDevice &device, const EquipmentSpecification &specification)
{
    const QList<Sheet> sheets = layOutSheets(device, specification);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintSheet(painter, specification, sheets, i);
    }
    painter.end();
    return int(sheets.size());
}

} // namespace orvika
