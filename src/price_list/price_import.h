#pragma once

#include "price_list/price_columns.h"
#include "price_list/price_list.h"
#include "price_list/price_table.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A price list imported from the user's file: the columns found or given, every usable row taken, the bad
// ones counted and named.
namespace orvika {

struct PriceImport
{
    enum Outcome {
        Imported,      // the list, and the summary
        ChooseColumns, // the header does not tell the price (several, or none) or the model and name
        Refused,       // no usable row, or not a table: the message says why
    };
    Outcome outcome = Refused;
    PriceList list;
    QString message;         // the summary when imported, the question or the refusal otherwise
    int skipped = 0;         // bad rows left out
    QList<int> skippedLines; // the first few of them (SkippedLinesNamed), by their line
    // For the choice of columns: the header row's cells (empty when none was found), the columns whose
    // headers name a price (0-based), and what the header did tell.
    QStringList headers;
    QList<int> priceCandidates;
    PriceColumns found;
    QList<QStringList> sampleRows; // the first rows below the header (or of the file), to show the columns
};

// How many rows the choice of columns shows.
inline constexpr int SampleRows = 5;

// How many skipped lines the summary names.
inline constexpr int SkippedLinesNamed = 5;

// The rows below the header become the list's entries. The header is the row among the first few that
// names the most kinds of column. Columns given override those found; with columns given and no header
// found, every row is data. The list's currency is the one the price header names ("Цена, $"), else the
// one most rows name, else roubles; a row naming none is in the list's currency.
PriceImport importPriceTable(const PriceTable &table, const QString &fileName, const QDate &date,
                             const std::optional<PriceColumns> &chosen = std::nullopt);

// Reads the file (XLSX by its content, otherwise CSV) and imports it as above. An old binary workbook
// (XLS) or a file that is not text is refused.
PriceImport importPriceFile(const QString &path, const QDate &date,
                            const std::optional<PriceColumns> &chosen = std::nullopt);

} // namespace orvika
