#pragma once

#include "engine/price_column_memory.h"
#include "engine/price_list_store.h"
#include "price_list/price_import.h"

#include <QDate>
#include <QString>
#include <optional>

// "Проект" → "Прайс-лист…": a file imported into the current list. The list replaces the kept one only
// once it is written; a refused import, or one that could not be written, leaves the current list as it was.
namespace orvika {

struct PriceListImportStep
{
    enum Outcome {
        Imported,      // the list is now the current one; the message is its summary
        ChooseColumns, // the user is to choose the columns (import.headers, import.sampleRows) and import
                       // again
        Refused,       // nothing changed; the message says why
    };
    Outcome outcome = Refused;
    QString message;
    PriceImport import; // of the last attempt
    // The columns to offer first when asked: the ones remembered for this header, else those found.
    PriceColumns proposed;
};

// Imports the file. Without a choice, a header that does not tell the columns is imported with the choice
// remembered for it, when there is one and it still fits; otherwise the user is asked. A choice given is
// remembered for the next list of the same header once the list is kept.
PriceListImportStep importPriceList(PriceListStore &store, const PriceColumnMemory &memory,
                                    const QString &path, const QDate &date,
                                    const std::optional<PriceColumns> &chosen = std::nullopt);

// Why the window's choice of columns cannot be imported, in its words: no price, neither a model nor a name,
// or a column chosen twice. Empty when it can.
QString columnChoiceProblem(const PriceColumns &columns);

} // namespace orvika
