#include "documents/bill_xlsx.h"

#include "documents/workbook_module.h"

namespace orvika {

std::optional<QString> writeBillXlsx(const QString &path, const DocumentContent &content)
{
    return writeWithWorkbookModule("orvikaWriteBillXlsx", path, content);
}

} // namespace orvika
