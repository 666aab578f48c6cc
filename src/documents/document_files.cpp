#include "documents/document_files.h"

#include "catalogue/text_file.h"
#include "documents/bill_csv.h"
#include "documents/bill_xlsx.h"
#include "documents/pdf_export.h"

namespace orvika {

std::optional<QString> writeDocumentFile(DocumentFormat format, const QString &path,
                                         const DocumentContent &content)
{
    switch (format) {
    case DocumentFormat::Pdf:
        return writeDocumentPdf(path, content);
    case DocumentFormat::Csv:
        return writeFileAtomically(path, billAsCsv(content));
    case DocumentFormat::Xlsx:
        break;
    }
    return writeBillXlsx(path, content);
}

} // namespace orvika
