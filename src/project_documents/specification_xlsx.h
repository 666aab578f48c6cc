#pragma once

#include "project_documents/equipment_specification.h"

#include <QString>
#include <optional>

namespace orvika {

inline const QString SpecificationSheetName = QStringLiteral("Спецификация");
inline const QString CardSheetName = QStringLiteral("Сведения");

// Writes the specification in form 1 as an XLSX workbook: on its first sheet the nine columns of the
// form with their header, the sections as rows with the heading in the name column, numbers stored
// as numbers, printed on A3 landscape with the header repeated on every page and the designation and
// the page number in the footer; on the second the project's card. The file is replaced whole or not
// at all. Returns the reason when it failed.
std::optional<QString> writeEquipmentSpecificationXlsx(const QString &path,
                                                       const EquipmentSpecification &specification);

} // namespace orvika
