#pragma once

#include "documents/document_content.h"

#include <QString>
#include <optional>

namespace orvika {

inline const QString BillSheetName = QStringLiteral("Спецификация");
inline const QString RequirementsSheetName = QStringLiteral("Требования");

// Writes the bill of materials as an XLSX workbook: on its first sheet the columns and rows of the
// CSV bill with numbers stored as numbers, a totals row of formulas below the table, fitted column
// widths and the header row frozen; on the second the requirements. The file is replaced whole or
// not at all. Returns the reason when it failed.
std::optional<QString> writeBillXlsx(const QString &path, const DocumentContent &content);

} // namespace orvika
