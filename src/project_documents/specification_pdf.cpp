#include "project_documents/specification_pdf.h"

#include "catalogue/text_file.h"
#include "project_documents/sheet_form.h"
#include "project_documents/specification_sheets.h"

#include <QBuffer>
#include <QPdfWriter>

namespace orvika {

QByteArray equipmentSpecificationPdf(const EquipmentSpecification &specification)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(EquipmentSpecificationName);
        writer.setCreator(QStringLiteral("ORVIKA"));
        prepareSpecificationSheet(writer);
        if (paintEquipmentSpecification(writer, specification) == 0)
            return {};
    } // the writer finishes the file when it goes
    return buffer.data();
}

std::optional<QString> writeEquipmentSpecificationPdf(const QString &path,
                                                      const EquipmentSpecification &specification)
{
    const QByteArray bytes = equipmentSpecificationPdf(specification);
    if (bytes.isEmpty())
        return QStringLiteral("не удалось составить документ");
    return writeFileAtomically(path, bytes);
}

} // namespace orvika
