#pragma once

#include "documents/document_content.h"

#include <QString>
#include <optional>

namespace orvika {

enum class DocumentFormat { Pdf, Csv, Xlsx };

// Writes the document in the format — the A4 specification, or the bill of materials — replacing the
// file whole or not at all. Returns the reason when it failed.
std::optional<QString> writeDocumentFile(DocumentFormat format, const QString &path,
                                         const DocumentContent &content);

} // namespace orvika
