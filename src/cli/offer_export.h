#pragma once

#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "price_list/price_columns.h"
#include "project/project_card.h"

#include <QString>
#include <optional>

// The commercial offer from the command line: the price list named is imported as the window imports it
// (into memory only; the user's current list is not replaced), the offer priced and written.
namespace orvika {

struct OfferPrices
{
    QString path;                        // the user's CSV or XLSX
    std::optional<PriceColumns> columns; // --price-columns, when the header does not tell
};

// Writes offer-pdf, offer-xlsx or offer-csv. A list that cannot be read, or whose columns are not known, is
// told of and nothing is written; the lines without a price are named on standard error, and the offer is
// written without them. The program's exit status.
int exportOffer(const QString &format, const QString &outputPath, const FinishedCalculation &finished,
                ProjectCard card, const OfferPrices &prices, DialogSeam &dialogs);

} // namespace orvika
