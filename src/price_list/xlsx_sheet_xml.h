#pragma once

#include "price_list/price_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The parts of an XLSX workbook a price list is read from, each parsed from its XML bytes: which part is
// the first sheet, the shared strings, and the sheet's cells. Qt's XML reader only.
namespace orvika {

// The path inside the package of the first sheet of xl/workbook.xml, through xl/_rels/workbook.xml.rels;
// empty when the workbook names none.
QString firstSheetPath(const QByteArray &workbookXml, const QByteArray &relationshipsXml);

// The path inside the package of the shared strings the relationships name; "xl/sharedStrings.xml" when
// they name none.
QString sharedStringsPath(const QByteArray &relationshipsXml);

// The shared strings in order, each the text of all its runs (phonetic hints left out).
QStringList sharedStrings(const QByteArray &xml);

// The path inside the package of the styles the relationships name; "xl/styles.xml" when they name none.
QString stylesPath(const QByteArray &relationshipsXml);

// The sheet's rows as text: shared and inline strings, numbers written plainly ("1.2E3" as "1200") and
// followed by the currency their style shows (styleCurrencies, xlsx_styles.h: "12.5 USD"), booleans as 0
// and 1, errors as their code. Each row numbered as the spreadsheet shows it; the cells placed by their
// references, gaps left empty; blank rows left out.
PriceTable sheetTable(const QByteArray &sheetXml, const QStringList &strings,
                      const QStringList &styleCurrencies = {});

} // namespace orvika
