#include "project_documents/specification_xlsx.h"

#include "documents/program_module.h"

namespace orvika {
namespace {

using WriteWorkbook = bool (*)(const QString *, const EquipmentSpecification *, QString *);

WriteWorkbook workbookWriter()
{
    static const auto writer = reinterpret_cast<WriteWorkbook>(
        programModuleFunction(QStringLiteral("orvika_xlsx"), "orvikaWriteSpecificationXlsx"));
    return writer;
}

} // namespace

std::optional<QString> writeEquipmentSpecificationXlsx(const QString &path,
                                                       const EquipmentSpecification &specification)
{
    const WriteWorkbook write = workbookWriter();
    if (!write)
        return QStringLiteral("не найден модуль записи книг Excel (orvika_xlsx)");
    QString error;
    if (!write(&path, &specification, &error))
        return error;
    return std::nullopt;
}

} // namespace orvika
