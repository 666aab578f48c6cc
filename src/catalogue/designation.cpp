#include "catalogue/designation.h"

namespace orvika {

QString modelOf(const QString &designation)
{
    return designation.section(u' ', 0, 0, QString::SectionSkipEmpty);
}

QString unitName(const QString &designation)
{
    const QString trimmed = designation.trimmed();
    const qsizetype space = trimmed.indexOf(u' ');
    return space < 0 ? trimmed : trimmed.mid(space + 1).trimmed();
}

} // namespace orvika
