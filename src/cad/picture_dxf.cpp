#include "cad/picture_dxf.h"

#include "cad/sheet_drawing.h"
#include "documents/program_module.h"
#include "files/text_file.h"
#include "project_documents/scheme_sheet.h"

namespace orvika {
namespace {

using MakeDxf = void (*)(const CadDrawing *, QByteArray *);

MakeDxf dxfMaker()
{
    static const auto maker =
        reinterpret_cast<MakeDxf>(programModuleFunction(QStringLiteral("orvika_dxf"), "orvikaDrawingDxf"));
    return maker;
}

const QString DxfModuleMissing = QStringLiteral("не найден модуль записи DXF (orvika_dxf)");

} // namespace

CadDrawing rackDrawing(const Picture &rack, const ProjectCard &card)
{
    return sheetDrawing(layoutDrawingSheet(rack.size, card, RackDrawingName, SheetOrientation::AsThePicture),
                        rack);
}

CadDrawing diagramDrawing(const Picture &diagram, const ProjectCard &card)
{
    return sheetDrawing(structuralSchemeSheet(diagram, card), diagram);
}

QByteArray drawingDxf(const CadDrawing &drawing)
{
    QByteArray dxf;
    if (const MakeDxf make = dxfMaker())
        make(&drawing, &dxf);
    return dxf;
}

std::optional<QString> writeDrawingDxf(const QString &path, const CadDrawing &drawing)
{
    if (!dxfMaker())
        return DxfModuleMissing;
    return writeFileAtomically(path, drawingDxf(drawing));
}

} // namespace orvika
