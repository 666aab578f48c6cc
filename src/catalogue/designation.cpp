#include "catalogue/designation.h"

#include <algorithm>

namespace orvika {

QString modelOf(const QString &designation)
{
    const QString first = designation.section(u' ', 0, 0, QString::SectionSkipEmpty);
    const bool coded = std::any_of(first.cbegin(), first.cend(), [](QChar c) { return c.isDigit(); });
    return coded ? first : QString();
}

QString unitName(const QString &designation)
{
    const QString trimmed = designation.trimmed();
    if (modelOf(trimmed).isEmpty())
        return trimmed;
    const qsizetype space = trimmed.indexOf(u' ');
    return space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
}

} // namespace orvika
