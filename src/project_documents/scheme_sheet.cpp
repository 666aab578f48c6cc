#include "project_documents/scheme_sheet.h"

#include "documents/pdf_file.h"
#include "project_documents/drawing_sheet.h"
#include "project_documents/sheet_form.h"

#include <QPagedPaintDevice>

namespace orvika {
namespace {

PdfPainting schemePainting(const Picture &diagram, const ProjectCard &card)
{
    const DrawingSheet sheet = structuralSchemeSheet(diagram, card);
    return {
        StructuralSchemeName,
        [size = sheet.sizeMm](QPagedPaintDevice &device) { prepareSheet(device, size); },
        [sheet, &diagram](QPagedPaintDevice &device) { return paintDrawingSheet(device, sheet, diagram); }};
}

} // namespace

QRectF schemeAreaMm()
{
    return drawingAreaMm(sheetFrameMm());
}

DrawingSheet structuralSchemeSheet(const Picture &diagram, const ProjectCard &card)
{
    return layoutDrawingSheet(diagram.size, card, StructuralSchemeName, SheetOrientation::Landscape);
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
