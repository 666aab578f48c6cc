#pragma once

#include "documents/picture.h"
#include "project/project_card.h"
#include "project_documents/drawing_form.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;

// A picture alone on a framed A3 sheet with the title block of a drawing (form 3), laid out once, so
// that its PDF and its CAD drawing show the same sheet.
namespace orvika {

enum class SheetOrientation { Landscape, AsThePicture };

struct DrawingSheet
{
    QSizeF sizeMm;
    QRectF frameMm;
    DrawingForm titleBlock;
    QRectF titleBlockMm;
    QRectF pictureMm;     // as large as the space above the title block allows, centred in it both ways
    double mmPerUnit = 0; // the picture's scale on the sheet
};

// The sheet is landscape, or as the picture: portrait when it is taller than wide.
DrawingSheet layoutDrawingSheet(const QSizeF &pictureSize, const ProjectCard &card,
                                const QString &drawingName, SheetOrientation orientation);

// Where a picture goes in a frame: above the title block of a drawing, less a margin all round (mm).
QRectF drawingAreaMm(const QRectF &frameMm);

// Paints the sheet on a device prepared with prepareSheet; 1, or 0 when the device could not be
// painted on.
int paintDrawingSheet(QPagedPaintDevice &device, const DrawingSheet &sheet, const Picture &picture);

} // namespace orvika
