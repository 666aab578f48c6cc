#include "documents/pdf_export.h"

#include "catalogue/text_file.h"
#include "documents/document_painter.h"

#include <QBuffer>
#include <QPdfWriter>

namespace orvika {

QByteArray documentPdf(const DocumentContent &content)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(DocumentTitle);
        writer.setCreator(QStringLiteral("ORVIKA"));
        prepareDocumentPage(writer);
        if (paintDocument(writer, content) == 0)
            return {};
    } // the writer finishes the file when it goes
    return buffer.data();
}

std::optional<QString> writeDocumentPdf(const QString &path, const DocumentContent &content)
{
    const QByteArray bytes = documentPdf(content);
    if (bytes.isEmpty())
        return QStringLiteral("не удалось составить документ");
    return writeFileAtomically(path, bytes);
}

} // namespace orvika
