#pragma once

#include "project_documents/drafting_text.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// A form of a sheet (a title block, say) as a list of cells, each a rectangle in mm from the form's
// top left corner with its outline's weight and its text. A new form is a new list; they all paint
// alike.
namespace orvika {

enum class LineWeight { Thin, Thick };

struct FormCell
{
    QRectF rectMm;
    QString text; // a caption or a value; empty for a cell that only draws its outline
    TextStyle style;
    LineWeight outline = LineWeight::Thin;
};

struct DrawingForm
{
    QSizeF sizeMm;
    QList<FormCell> cells;
};

// The room a cell's text has, clear of its lines (mm on the device, the form's top left corner given).
QRectF cellTextBoxMm(const FormCell &cell, const QPointF &topLeftMm);

// Paints the form with its top left corner at the point given (mm on the painter's device): the thin
// outlines, the thick ones over them, then the texts inside their cells.
void paintDrawingForm(QPainter &painter, const DrawingForm &form, const QPointF &topLeftMm);

} // namespace orvika
