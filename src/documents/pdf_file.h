#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;

// A document painted page after page on a PDF writer at 300 dpi, its fonts embedded.
namespace orvika {

struct PdfPainting
{
    QString title;
    std::function<void(QPagedPaintDevice &)> preparePage; // the paper and margins
    std::function<int(QPagedPaintDevice &)> paint;        // the pages painted; 0 when it could not
};

// The bytes of the PDF file; empty when it could not be painted.
QByteArray paintedPdf(const PdfPainting &painting);

// Writes them, replacing the file whole or not at all; the reason when it failed.
std::optional<QString> writePaintedPdf(const QString &path, const PdfPainting &painting);

} // namespace orvika
