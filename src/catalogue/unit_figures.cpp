#include "catalogue/unit_figures.h"

#include "files/numbers.h"

namespace orvika {
namespace {

QStringView nameOf(QStringView line)
{
    const qsizetype hash = line.indexOf(u'#');
    if (hash >= 0)
        return line.left(hash);
    const qsizetype star = line.indexOf(u'*');
    return star >= 0 ? line.left(star) : QStringView();
}

// The text between the first `after` and the first `before`, read as a number in the catalogue's notation.
std::optional<double> figureBetween(QStringView line, QChar after, QChar before, const QLocale &locale)
{
    const qsizetype from = line.indexOf(after);
    const qsizetype to = line.indexOf(before);
    if (from < 0 || to <= from)
        return std::nullopt;
    return localeNumber(line.mid(from + 1, to - from - 1), locale);
}

} // namespace

UnitFigures unitFigures(const Catalogue &catalogue, const QString &designation)
{
    if (designation.isEmpty())
        return {};
    for (const QString &line : catalogue.lines) {
        if (nameOf(line) != designation)
            continue;
        return {figureBetween(line, u'#', u'%', catalogue.numberLocale),
                figureBetween(line, u'%', u'&', catalogue.numberLocale)};
    }
    return {};
}

} // namespace orvika
