#pragma once

#include <QByteArray>
#include <QStringList>

// The currency a workbook's cell shows through its number format: a price typed as 12.5 and formatted
// "$#,##0.00" is in dollars, though its value holds no sign.
namespace orvika {

// For each cell style of xl/styles.xml (the "s" of a cell), the currency code its number format shows, or
// empty: "[$€-407]", "\"₽\"" or a bare sign. The built-in currency formats follow the reader's own
// settings and name none.
QStringList styleCurrencies(const QByteArray &stylesXml);

} // namespace orvika
