#pragma once

#include "project_documents/equipment_specification.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvika {

// The specification of equipment on its A3 sheets as the bytes of a PDF file, its fonts embedded;
// empty when it could not be painted.
QByteArray equipmentSpecificationPdf(const EquipmentSpecification &specification);

// Writes that PDF, replacing the file whole or not at all; the reason when it failed.
std::optional<QString> writeEquipmentSpecificationPdf(const QString &path,
                                                      const EquipmentSpecification &specification);

} // namespace orvika
