#include "catalogue/account_unit.h"

#include "files/numbers.h"

#include <QStringMatcher>

namespace orvika {

bool accountUnit(const Catalogue &catalogue, const QString &name, std::int32_t quantity, Totals &totals)
{
    std::int64_t blocks = std::int64_t{totals.blockCount} + quantity;
    std::int64_t power = totals.powerDraw;
    std::int64_t height = totals.heightUnits;
    const QLocale &locale = catalogue.numberLocale;
    // One skip table for the whole scan: a calculation accounts a dozen units, each against every line.
    const QStringMatcher nameMatcher(name);
    for (const QString &line : catalogue.lines) {
        if (line.isEmpty() || nameMatcher.indexIn(line) < 0)
            continue;
        const qsizetype hash = line.indexOf(u'#');
        const qsizetype percent = line.indexOf(u'%');
        const qsizetype ampersand = line.indexOf(u'&');
        const auto figure = [&](qsizetype after, qsizetype before) {
            if (after < 0 || before <= after)
                return 0.0;
            return localeNumber(QStringView(line).mid(after + 1, before - after - 1), locale).value_or(0);
        };
        const auto addedPower = toInt32(quantity * figure(hash, percent));
        const auto addedHeight = toInt32(quantity * figure(percent, ampersand));
        if (!addedPower || !addedHeight)
            return false;
        power += *addedPower;
        height += *addedHeight;
        if (!narrowed(power) || !narrowed(height))
            return false;
    }
    const auto newBlocks = narrowed(blocks);
    if (!newBlocks)
        return false;
    totals = {*newBlocks, *narrowed(power), *narrowed(height)};
    return true;
}

} // namespace orvika
