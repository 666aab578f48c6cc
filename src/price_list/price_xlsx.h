#pragma once

#include "price_list/price_table.h"

#include <QByteArray>

// A price list saved as an XLSX workbook: its first sheet, read out of the package through libzip.
namespace orvika {

// The first sheet's table; the error for the user when the bytes are not a workbook.
TableRead xlsxTable(const QByteArray &bytes);

} // namespace orvika
