#include "project_documents/scheme_sheet.h"

#include "documents/pdf_file.h"
#include "project_documents/sheet_form.h"
#include "project_documents/title_block.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace orvika {
namespace {

constexpr double SchemeMarginMm = 5;

PdfPainting schemePainting(const Picture &diagram, const ProjectCard &card)
{
    return {StructuralSchemeName, [](QPagedPaintDevice &device) { prepareSpecificationSheet(device); },
            [&](QPagedPaintDevice &device) { return paintStructuralScheme(device, diagram, card); }};
}

} // namespace

QRectF schemeAreaMm()
{
    const QRectF frame = sheetFrameMm();
    return frame.adjusted(SchemeMarginMm, SchemeMarginMm, -SchemeMarginMm,
                          -DrawingTitleBlockHeightMm - SchemeMarginMm);
}

int paintStructuralScheme(QPagedPaintDevice &device, const Picture &diagram, const ProjectCard &card)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    const SheetScale scale(device);
    paintSheetFrame(painter);
    const DrawingForm titleBlock = drawingTitleBlock(card, StructuralSchemeName, 1, 1);
    paintDrawingForm(painter, titleBlock, titleBlockPlaceMm(titleBlock.sizeMm).topLeft());
    // The diagram as large as the space allows, centred in it both ways.
    const QRectF area = scale(schemeAreaMm());
    if (diagram.size.isEmpty()) {
        painter.end();
        return 1;
    }
    const double factor =
        std::min(area.width() / diagram.size.width(), area.height() / diagram.size.height());
    const QSizeF drawn = diagram.size * factor;
    paintPictureFitted(
        painter, diagram,
        QRectF(area.left(), area.top() + (area.height() - drawn.height()) / 2, area.width(), drawn.height()));
    painter.end();
    return 1;
}

QByteArray structuralSchemePdf(const Picture &diagram, const ProjectCard &card)
{
    return paintedPdf(schemePainting(diagram, card));
}

std::optional<QString> writeStructuralSchemePdf(const QString &path, const Picture &diagram,
                                                const ProjectCard &card)
{
    return writePaintedPdf(path, schemePainting(diagram, card));
}

} // namespace orvika
