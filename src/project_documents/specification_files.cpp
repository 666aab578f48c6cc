#include "project_documents/specification_files.h"

#include "project_documents/specification_pdf.h"
#include "project_documents/specification_xlsx.h"

namespace orvika {

std::optional<QString> writeSpecificationFile(SpecificationFormat format, const QString &path,
                                              const EquipmentSpecification &specification)
{
    if (format == SpecificationFormat::Pdf)
        return writeEquipmentSpecificationPdf(path, specification);
    return writeEquipmentSpecificationXlsx(path, specification);
}

} // namespace orvika
