#pragma once

#include "documents/program_module.h"

#include <QString>
#include <optional>

namespace orvika {

// Writes a workbook through the XLSX module's entry of that name, which takes the path, the content
// and the place for its reason. One content type, one entry: the entry is looked up once per type.
template <typename Content>
std::optional<QString> writeWithWorkbookModule(const char *entry, const QString &path, const Content &content)
{
    using Write = bool (*)(const QString *, const Content *, QString *);
    static const auto write =
        reinterpret_cast<Write>(programModuleFunction(QStringLiteral("orvika_xlsx"), entry));
    if (!write)
        return QStringLiteral("не найден модуль записи книг Excel (orvika_xlsx)");
    QString error;
    if (!write(&path, &content, &error))
        return error;
    return std::nullopt;
}

} // namespace orvika
