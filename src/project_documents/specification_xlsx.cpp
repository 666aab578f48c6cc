#include "project_documents/specification_xlsx.h"

#include "documents/workbook_module.h"

namespace orvika {

std::optional<QString> writeEquipmentSpecificationXlsx(const QString &path,
                                                       const EquipmentSpecification &specification)
{
    return writeWithWorkbookModule("orvikaWriteSpecificationXlsx", path, specification);
}

} // namespace orvika
