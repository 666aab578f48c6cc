#include "documents/bill_xlsx.h"

#include <QCoreApplication>
#include <QLibrary>

namespace orvika {
namespace {

using WriteWorkbook = bool (*)(const QString *, const DocumentContent *, QString *);

// The module stands in lib/orvika beside the program's bin folder, in the build tree as installed.
WriteWorkbook workbookWriter()
{
    static const WriteWorkbook writer = [] {
        QLibrary module(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../lib/orvika/orvika_xlsx"));
        return reinterpret_cast<WriteWorkbook>(module.resolve("orvikaWriteBillXlsx"));
    }();
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
