#include "project_documents/specification_pdf.h"

#include "documents/pdf_file.h"
#include "project_documents/sheet_form.h"
#include "project_documents/specification_sheets.h"

namespace orvika {
namespace {

PdfPainting specificationPainting(const EquipmentSpecification &specification)
{
    return {EquipmentSpecificationName, [](QPagedPaintDevice &device) { prepareSpecificationSheet(device); },
            [&specification](QPagedPaintDevice &device) {
                return paintEquipmentSpecification(device, specification);
            }};
}

} // namespace

QByteArray equipmentSpecificationPdf(const EquipmentSpecification &specification)
{
    return paintedPdf(specificationPainting(specification));
}

std::optional<QString> writeEquipmentSpecificationPdf(const QString &path,
                                                      const EquipmentSpecification &specification)
{
    return writePaintedPdf(path, specificationPainting(specification));
}

} // namespace orvika
