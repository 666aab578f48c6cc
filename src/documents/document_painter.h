#pragma once

#include "documents/document_content.h"

class QPagedPaintDevice;

// The printed specification: one painting function for the PDF file and the printer.
namespace orvika {

// Sets the device to A4 portrait with the document's margins.
void prepareDocumentPage(QPagedPaintDevice &device);

// Paints the whole document on a device prepared as above, page after page, each with "Стр. N из M";
// a table that breaks across pages repeats its header. Returns the number of pages, 0 when the device
// could not be painted on.
int paintDocument(QPagedPaintDevice &device, const DocumentContent &content);

} // namespace orvika
