#pragma once

#include "project_documents/equipment_specification.h"

#include <QString>
#include <optional>

namespace orvika {

enum class SpecificationFormat { Pdf, Xlsx };

// Writes the specification in form 1 in the format, replacing the file whole or not at all. Returns
// the reason when it failed.
std::optional<QString> writeSpecificationFile(SpecificationFormat format, const QString &path,
                                              const EquipmentSpecification &specification);

} // namespace orvika
