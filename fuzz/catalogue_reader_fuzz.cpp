// The catalogue is read at every start-up: whatever the file holds, reading it and accounting its
// units must not crash, and a failed accounting must leave the totals as they were.
#include "catalogue/account_unit.h"
#include "catalogue/catalogue_reader.h"
#include "files/text_file.h"

#include <QLocale>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

using namespace orvika;

namespace {

void account(const Catalogue &catalogue, const QString &name, std::int32_t quantity)
{
    Totals totals{1, 2, 3};
    const Totals before = totals;
    if (!accountUnit(catalogue, name, quantity, totals) && totals != before)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines = decodeLines(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const std::optional<Catalogue> catalogue =
        parseCatalogue(lines.isEmpty() ? QStringList{QString()} : lines, QLocale::c());
    if (!catalogue)
        return 0;

    QStringList names;
    for (const QStringList *picker :
         {&catalogue->microphones, &catalogue->alarmBlocks, &catalogue->musicSources, &catalogue->consoles,
          &catalogue->reserveUnits})
        if (!picker->isEmpty())
            names << picker->first();
    if (!catalogue->selectors.isEmpty())
        names << catalogue->selectors.first().name;
    if (!catalogue->amplifiers.isEmpty())
        names << catalogue->amplifiers.last().name;
    names << catalogue->asName << QString();

    for (const QString &name : names) {
        account(*catalogue, name, 1);
        account(*catalogue, name, 3);
        account(*catalogue, name, std::numeric_limits<std::int32_t>::max());
        account(*catalogue, name, std::numeric_limits<std::int32_t>::min());
    }
    return 0;
}
