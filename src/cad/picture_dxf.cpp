#include "cad/picture_dxf.h"

#include "cad/sheet_drawing.h"
#include "catalogue/text_file.h"
#include "documents/program_module.h"
#include "project_documents/scheme_sheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace orvika {
namespace {

using WriteDxf = bool (*)(const CadDrawing *, const char *);

WriteDxf dxfWriter()
{
    static const auto writer =
        reinterpret_cast<WriteDxf>(programModuleFunction(QStringLiteral("orvika_dxf"), "orvikaDrawingDxf"));
    return writer;
}

// The writer reports no failure of its own: a file cut short lacks the end mark.
bool isWhole(const QByteArray &dxf)
{
    return dxf.endsWith("EOF\n");
}

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

QByteArray drawingDxf(const CadDrawing &drawing, QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return QByteArray();
    };
    const WriteDxf write = dxfWriter();
    if (!write)
        return fail(QStringLiteral("не найден модуль записи DXF (orvika_dxf)"));
    // The writer writes to a file of its own; it is read back so the file is then written whole.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("orvika-XXXXXX.dxf")));
    if (!file.open())
        return fail(QStringLiteral("не удалось создать временный файл: ") + file.errorString());
    file.close();
    if (!write(&drawing, QFile::encodeName(file.fileName()).constData()))
        return fail(QStringLiteral("не удалось записать временный файл ") + file.fileName());
    if (!file.open())
        return fail(QStringLiteral("не удалось прочитать временный файл: ") + file.errorString());
    const QByteArray dxf = file.readAll();
    if (!isWhole(dxf))
        return fail(QStringLiteral("временный файл записан не полностью (нет места на диске?)"));
    return dxf;
}

std::optional<QString> writeDrawingDxf(const QString &path, const CadDrawing &drawing)
{
    QString reason;
    const QByteArray dxf = drawingDxf(drawing, &reason);
    if (dxf.isEmpty())
        return reason;
    return writeFileAtomically(path, dxf);
}

} // namespace orvika
