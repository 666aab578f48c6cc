#pragma once

#include <QString>
#include <QStringList>

namespace orvika::testing {

// Pads a catalogue to lineCount lines: model lines without a category until modelLines of them are
// model lines, then section headings. The given lines stay first, in their order.
inline QStringList paddedCatalogue(QStringList lines, int modelLines = 29, int lineCount = 59)
{
    int models = 0;
    for (const QString &line : lines) {
        if (line.startsWith(u'K'))
            ++models;
    }
    for (int n = 0; models < modelLines && lines.size() < lineCount; ++n, ++models)
        lines.append(QStringLiteral("K-9%1 Громкоговоритель настенный#0%0&").arg(n, 3, 10, QChar(u'0')));
    for (int n = 0; lines.size() < lineCount; ++n)
        lines.append(QStringLiteral("Раздел %1").arg(n));
    return lines;
}

} // namespace orvika::testing
