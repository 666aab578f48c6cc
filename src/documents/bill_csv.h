#pragma once

#include "documents/document_content.h"

#include <QByteArray>

namespace orvika {

// The bill of materials as a spreadsheet opens it under Russian settings: UTF-8 with a byte-order
// mark, ";" between fields, CR LF after every row, fields quoted as RFC 4180 asks. A header row, then
// one row for each proposed line; no totals.
QByteArray billAsCsv(const DocumentContent &content);

} // namespace orvika
