#include "documents/document_files.h"

#include "documents/bill_csv.h"
#include "documents/bill_xlsx.h"
#include "documents/pdf_export.h"
#include "files/text_file.h"

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
