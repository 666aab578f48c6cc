#include "project_documents/drawing_form.h"

#include "project_documents/sheet_form.h"

#include <QPainter>

namespace orvika {
namespace {

// Text keeps clear of the cell's lines.
constexpr double TextInsetMm = 0.6;

void paintOutlines(QPainter &painter, const DrawingForm &form, const QPointF &topLeftMm, LineWeight weight)
{
    const SheetScale scale(*painter.device());
    setLinePen(painter, weight == LineWeight::Thick ? ThickLineMm : ThinLineMm);
    for (const FormCell &cell : form.cells)
        if (cell.outline == weight)
            painter.drawRect(scale(cell.rectMm.translated(topLeftMm)));
}

} // namespace

QRectF cellTextBoxMm(const FormCell &cell, const QPointF &topLeftMm)
{
    return cell.rectMm.translated(topLeftMm).adjusted(TextInsetMm, 0, -TextInsetMm, 0);
}

void paintDrawingForm(QPainter &painter, const DrawingForm &form, const QPointF &topLeftMm)
{
    paintOutlines(painter, form, topLeftMm, LineWeight::Thin);
    paintOutlines(painter, form, topLeftMm, LineWeight::Thick);
    for (const FormCell &cell : form.cells)
        drawTextInBox(painter, cellTextBoxMm(cell, topLeftMm), cell.text, cell.style);
}

} // namespace orvika
