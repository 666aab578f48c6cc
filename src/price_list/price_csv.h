#pragma once

#include "price_list/price_table.h"

#include <QByteArray>
#include <QChar>
#include <QString>

// A price list saved as CSV: by a spreadsheet under Russian settings (";", Windows-1251 or UTF-8 with a
// byte-order mark), by one under English settings (","), or as tab-separated text.
namespace orvika {

// The text of the file: UTF-8 after a byte-order mark or when the bytes are valid UTF-8, UTF-16 after its
// mark, otherwise Windows-1251.
QString decodePriceText(const QByteArray &bytes);

// The separator, ";", "," or tab, that splits the header into the most named columns (matchHeader); when
// none names any, the one that splits the first line into most fields; ";" when nothing tells.
QChar detectSeparator(const QString &text);

// The table of a CSV file, each record numbered by the line it starts on; blank records are left out. A
// first line "sep=;" names the separator and is no row.
PriceTable csvTable(const QByteArray &bytes);

} // namespace orvika
