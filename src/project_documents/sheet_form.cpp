#include "project_documents/sheet_form.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orvika {

QRectF sheetFrameMm()
{
    return QRectF(FrameLeftMm, FrameMarginMm, SheetWidthMm - FrameLeftMm - FrameMarginMm,
                  SheetHeightMm - 2 * FrameMarginMm);
}

SheetScale::SheetScale(const QPaintDevice &device) : m_dotsPerMm(device.logicalDpiX() / 25.4) {}

QRectF SheetScale::operator()(const QRectF &mm) const
{
    return QRectF((*this)(mm.topLeft()), (*this)(mm.bottomRight()));
}

void prepareSpecificationSheet(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
}

void setLinePen(QPainter &painter, double widthMm)
{
    // Square ends, so that lines meeting at a corner close it.
    painter.setPen(
        QPen(Qt::black, SheetScale(*painter.device())(widthMm), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
}

void paintSheetFrame(QPainter &painter)
{
    setLinePen(painter, ThickLineMm);
    painter.drawRect(SheetScale(*painter.device())(sheetFrameMm()));
}

} // namespace orvika
