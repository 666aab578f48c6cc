#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The A3 landscape sheet of the project's documents and its frame. Positions on the sheet are in
// millimetres from its top left corner; a SheetScale turns them into a device's units.
namespace orvika {

inline constexpr double SheetWidthMm = 420;
inline constexpr double SheetHeightMm = 297;
// The frame stands off 20 mm on the left, where the sheets are bound, and 5 mm elsewhere.
inline constexpr double FrameLeftMm = 20;
inline constexpr double FrameMarginMm = 5;
// The two weights of the drafting lines: the frame and the outlines, and everything inside them.
inline constexpr double ThickLineMm = 0.6;
inline constexpr double ThinLineMm = 0.25;

// The frame on a sheet of that size; on the A3 landscape sheet 395 × 287 mm.
QRectF sheetFrameMm(const QSizeF &sheetMm = {SheetWidthMm, SheetHeightMm});

class SheetScale
{
public:
    explicit SheetScale(const QPaintDevice &device);

    double operator()(double mm) const { return mm * m_dotsPerMm; }
    QPointF operator()(const QPointF &mm) const { return mm * m_dotsPerMm; }
    QRectF operator()(const QRectF &mm) const;
    QLineF operator()(const QLineF &mm) const { return {(*this)(mm.p1()), (*this)(mm.p2())}; }

private:
    double m_dotsPerMm;
};

// A3 landscape without margins, so that the device's origin is the sheet's corner.
void prepareSpecificationSheet(QPagedPaintDevice &device);
// A sheet of that size (mm) without margins, landscape when it is wider than tall.
void prepareSheet(QPagedPaintDevice &device, const QSizeF &sheetMm);

// Sets the painter's pen to a drafting line of the width given.
void setLinePen(QPainter &painter, double widthMm);

void paintSheetFrame(QPainter &painter, const QRectF &frameMm = sheetFrameMm());

} // namespace orvika
