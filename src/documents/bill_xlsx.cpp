#include "documents/bill_xlsx.h"

#include "documents/program_module.h"

namespace orvika {
namespace {

using WriteWorkbook = bool (*)(const QString *, const DocumentContent *, QString *);

WriteWorkbook workbookWriter()
{
    static const auto writer = reinterpret_cast<WriteWorkbook>(
        programModuleFunction(QStringLiteral("orvika_xlsx"), "orvikaWriteBillXlsx"));
    return writer;
}

} // namespace

std::optional<QString> writeBillXlsx(const QString &path, const DocumentContent &content)
{
    const WriteWorkbook write = workbookWriter();
    if (!write)
        return QStringLiteral("не найден модуль записи книг Excel (orvika_xlsx)");
    QString error;
    if (!write(&path, &content, &error))
        return error;
    return std::nullopt;
}

} // namespace orvika
