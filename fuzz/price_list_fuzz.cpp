// A price list is a file from elsewhere: whatever its CSV text or its sheet's XML holds, reading and
// importing it must not crash, every entry taken has a price of zero or more in a known currency, and the
// list kept in the user's data folder reads back the same.
#include "price_list/price_csv.h"
#include "price_list/price_import.h"
#include "price_list/price_list_file.h"
#include "price_list/xlsx_sheet_xml.h"
#include "price_list/xlsx_styles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orvika;

namespace {

void check(const PriceImport &import)
{
    if (import.outcome != PriceImport::Imported)
        return;
    for (const PriceEntry &entry : import.list.entries)
        if (entry.priceMinor < 0 || (entry.model.isEmpty() && entry.name.isEmpty()) ||
            entry.currency.isEmpty())
            std::abort();
    const PriceListRead again = priceListFromJson(priceListJson(import.list));
    if (again.outcome != PriceListRead::List || again.list != import.list)
        std::abort();
}

} // namespace

// The first byte picks the reader: CSV bytes, a sheet's XML, the workbook's own parts and styles, the kept
// list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    const QDate day(2026, 12, 8);
    switch (data[0] % 4) {
    case 0:
        check(importPriceTable(csvTable(bytes), QStringLiteral("x.csv"), day));
        check(importPriceTable(csvTable(bytes), QStringLiteral("x.csv"), day, PriceColumns{0, 1, 2, 3}));
        break;
    case 1: {
        const QStringList strings{QStringLiteral("Артикул"), QStringLiteral("Наименование"),
                                  QStringLiteral("Цена, руб."), QStringLiteral("Валюта")};
        const QStringList currencies{QString(), QStringLiteral("USD"), QStringLiteral("EUR")};
        check(importPriceTable(sheetTable(bytes, strings, currencies), QStringLiteral("x.xlsx"), day));
        break;
    }
    case 2:
        sharedStrings(bytes);
        firstSheetPath(bytes, bytes);
        sharedStringsPath(bytes);
        stylesPath(bytes);
        styleCurrencies(bytes);
        break;
    default: {
        const PriceListRead read = priceListFromJson(bytes);
        if (read.outcome == PriceListRead::List &&
            priceListFromJson(priceListJson(read.list)).list != read.list)
            std::abort();
        break;
    }
    }
    return 0;
}
