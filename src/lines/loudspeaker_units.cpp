#include "lines/loudspeaker_units.h"

namespace orvika {

QStringList loudspeakerUnits(const Catalogue &catalogue)
{
    QStringList units;
    for (const QString &line : catalogue.lines) {
        const qsizetype hash = line.indexOf(u'#');
        if (hash < 0)
            continue; // a heading
        const QString designation = line.left(hash).trimmed();
        if (designation.contains(QStringLiteral("Громкоговоритель")) ||
            designation.contains(QStringLiteral("колонна")))
            units.append(designation);
    }
    return units;
}

} // namespace orvika
