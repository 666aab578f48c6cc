#pragma once

#include "cli/offer_export.h"

#include <QString>
#include <QStringList>

// The work of each command-line mode; each returns the program's exit status.
namespace orvika {

inline const QStringList ExportFormats = {QStringLiteral("pdf"),
                                          QStringLiteral("csv"),
                                          QStringLiteral("xlsx"),
                                          QStringLiteral("gost-pdf"),
                                          QStringLiteral("gost-xlsx"),
                                          QStringLiteral("lines-csv"),
                                          QStringLiteral("scheme-pdf"),
                                          QStringLiteral("rack-svg"),
                                          QStringLiteral("diagram-svg"),
                                          QStringLiteral("rack-dxf"),
                                          QStringLiteral("diagram-dxf"),
                                          QStringLiteral("acoustics-csv"),
                                          QStringLiteral("calculations-pdf"),
                                          QStringLiteral("calculations-odt"),
                                          QStringLiteral("offer-pdf"),
                                          QStringLiteral("offer-xlsx"),
                                          QStringLiteral("offer-csv")};
// The formats of the commercial offer, which need a price list (--prices).
inline const QStringList OfferFormats = {QStringLiteral("offer-pdf"), QStringLiteral("offer-xlsx"),
                                         QStringLiteral("offer-csv")};
// The formats that lay out text, and so need the font system.
inline const QStringList PaintedFormats = {
    QStringLiteral("pdf"),         QStringLiteral("gost-pdf"),         QStringLiteral("scheme-pdf"),
    QStringLiteral("rack-svg"),    QStringLiteral("diagram-svg"),      QStringLiteral("rack-dxf"),
    QStringLiteral("diagram-dxf"), QStringLiteral("calculations-pdf"), QStringLiteral("calculations-odt"),
    QStringLiteral("offer-pdf")};

// Restores the saved report, composes as "Составить спецификацию" does (the report itself is not
// written) and writes the document or picture of the proposal. The project's card is read from
// cardPath, or when that is empty from beside the report; a card that cannot be read is told of and
// the document made without it. Lines of the report the document does not state as the report does
// (the catalogue changed, a line could not be restored) are named on standard error, and the status
// is then ExitDiffers. The offer's formats price the proposal from the list in prices.
int exportDocument(const QString &format, const QString &reportPath, const QString &outputPath,
                   const QString &cardPath, const OfferPrices &prices = {});

// Compares two saved reports, A the older, as CSV on standard output or into outputPath: 0 when they
// do not differ, 1 when they do, 2 when one cannot be read or is no report.
int compareReportFiles(const QString &a, const QString &b, const QString &outputPath);

// Composes every saved report of the folder again with today's catalogue, a line each on standard
// output: 0 when every one is unchanged, 1 otherwise. Nothing in the folder is written.
int recheckFolder(const QString &folder);

} // namespace orvika
