#include "project_documents/sheet_form.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orvika {

QRectF sheetFrameMm(const QSizeF &sheetMm)
{
    return QRectF(FrameLeftMm, FrameMarginMm, sheetMm.width() - FrameLeftMm - FrameMarginMm,
                  sheetMm.height() - 2 * FrameMarginMm);
}

SheetScale::SheetScale(const QPaintDevice &device) : m_dotsPerMm(device.logicalDpiX() / 25.4) {}

QRectF SheetScale::operator()(const QRectF &mm) const
{
    return QRectF((*this)(mm.topLeft()), (*this)(mm.bottomRight()));
}

void prepareSpecificationSheet(QPagedPaintDevice &device)
{
    prepareSheet(device, QSizeF(SheetWidthMm, SheetHeightMm));
}

void prepareSheet(QPagedPaintDevice &device, const QSizeF &sheetMm)
{
    const bool landscape = sheetMm.width() > sheetMm.height();
    const QSizeF portrait = landscape ? sheetMm.transposed() : sheetMm;
    device.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void setLinePen(QPainter &painter, double widthMm)
{
    // Square ends, so that lines meeting at a corner close it.
    painter.setPen(
        QPen(Qt::black, SheetScale(*painter.device())(widthMm), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
}

void paintSheetFrame(QPainter &painter, const QRectF &frameMm)
{
    setLinePen(painter, ThickLineMm);
    painter.drawRect(SheetScale(*painter.device())(frameMm));
}

} // namespace orvika
