#pragma once

#include "documents/document_content.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvika {

// The printed specification as the bytes of a PDF file, its fonts embedded; empty when it could
// not be painted.
QByteArray documentPdf(const DocumentContent &content);

// Writes that PDF, replacing the file whole or not at all; the reason when it failed.
std::optional<QString> writeDocumentPdf(const QString &path, const DocumentContent &content);

} // namespace orvika
