#include "lines/line_limits.h"

#include "lines/loudspeaker_lines.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace orvika {

bool NumberRule::admits(double value) const
{
    if (!std::isfinite(value) || value > largest || value < 0 || (value == 0 && !zeroAllowed))
        return false;
    if (value > 0 && value < Finest) // a load of 1e-300 W would make the line's figures NaN
        return false;
    return !whole || value == std::floor(value);
}

bool isLineVoltage(double volts)
{
    return std::find(LineVoltages.cbegin(), LineVoltages.cend(), volts) != LineVoltages.cend();
}

bool isCrossSection(double section)
{
    return std::find(CrossSections.cbegin(), CrossSections.cend(), section) != CrossSections.cend();
}

QString lineVoltageChoice()
{
    QStringList voltages;
    for (const int volts : LineVoltages)
        voltages.append(QString::number(volts));
    return QStringLiteral("одно из ") + voltages.join(QStringLiteral(", "));
}

QString crossSectionChoice()
{
    QStringList sections;
    for (const double section : CrossSections)
        sections.append(lineNumber(section));
    return QStringLiteral("одно из ") + sections.join(QStringLiteral("; "));
}

} // namespace orvika
