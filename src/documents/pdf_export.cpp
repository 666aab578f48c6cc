#include "documents/pdf_export.h"

#include "documents/document_painter.h"
#include "documents/pdf_file.h"

namespace orvika {
namespace {

PdfPainting documentPainting(const DocumentContent &content)
{
    return {DocumentTitle, [](QPagedPaintDevice &device) { prepareDocumentPage(device); },
            [&content](QPagedPaintDevice &device) { return paintDocument(device, content); }};
}

} // namespace

QByteArray documentPdf(const DocumentContent &content)
{
    return paintedPdf(documentPainting(content));
}

std::optional<QString> writeDocumentPdf(const QString &path, const DocumentContent &content)
{
    return writePaintedPdf(path, documentPainting(content));
}

} // namespace orvika
