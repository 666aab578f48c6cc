#include "project_documents/drawing_sheet.h"

#include "project_documents/sheet_form.h"
#include "project_documents/title_block.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace orvika {
namespace {

constexpr double PictureMarginMm = 5;

} // namespace

QRectF drawingAreaMm(const QRectF &frameMm)
{
    return frameMm.adjusted(PictureMarginMm, PictureMarginMm, -PictureMarginMm,
                            -DrawingTitleBlockHeightMm - PictureMarginMm);
}

DrawingSheet layoutDrawingSheet(const QSizeF &pictureSize, const ProjectCard &card,
                                const QString &drawingName, SheetOrientation orientation)
{
    DrawingSheet sheet;
    const bool portrait =
        orientation == SheetOrientation::AsThePicture && pictureSize.height() > pictureSize.width();
    sheet.sizeMm = portrait ? QSizeF(SheetHeightMm, SheetWidthMm) : QSizeF(SheetWidthMm, SheetHeightMm);
    sheet.frameMm = sheetFrameMm(sheet.sizeMm);
    sheet.titleBlock = drawingTitleBlock(card, drawingName, 1, 1);
    sheet.titleBlockMm = titleBlockPlaceMm(sheet.titleBlock.sizeMm, sheet.frameMm);
    const QRectF area = drawingAreaMm(sheet.frameMm);
    if (pictureSize.isEmpty())
        return sheet;
    sheet.mmPerUnit = std::min(area.width() / pictureSize.width(), area.height() / pictureSize.height());
    const QSizeF drawn = pictureSize * sheet.mmPerUnit;
    sheet.pictureMm =
        QRectF(area.left() + (area.width() - drawn.width()) / 2,
               area.top() + (area.height() - drawn.height()) / 2, drawn.width(), drawn.height());
    return sheet;
}

int paintDrawingSheet(QPagedPaintDevice &device, const DrawingSheet &sheet, const Picture &picture)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    const SheetScale scale(device);
    paintSheetFrame(painter, sheet.frameMm);
    paintDrawingForm(painter, sheet.titleBlock, sheet.titleBlockMm.topLeft());
    if (!sheet.pictureMm.isEmpty())
        paintPictureFitted(painter, picture, scale(sheet.pictureMm));
    painter.end();
    return 1;
}

} // namespace orvika
