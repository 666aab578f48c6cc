#include "documents/pdf_file.h"

#include "files/text_file.h"

#include <QBuffer>
#include <QPdfWriter>

namespace orvika {

QByteArray paintedPdf(const PdfPainting &painting)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(painting.title);
        writer.setCreator(QStringLiteral("ORVIKA"));
        painting.preparePage(writer);
        if (painting.paint(writer) == 0)
            return {};
    } // the writer finishes the file when it goes
    return buffer.data();
}

std::optional<QString> writePaintedPdf(const QString &path, const PdfPainting &painting)
{
    const QByteArray bytes = paintedPdf(painting);
    if (bytes.isEmpty())
        return QStringLiteral("не удалось составить документ");
    return writeFileAtomically(path, bytes);
}

} // namespace orvika
