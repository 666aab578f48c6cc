#include "lines/loudspeaker_lines.h"

#include "files/number_text.h"

#include <QRegularExpression>
#include <cmath>

namespace orvika {

std::optional<double> conductorResistance(double section)
{
    // ГОСТ 22483, class 1 copper, the largest resistance at 20 °C.
    static constexpr std::array<double, CrossSections.size()> ohmsPerKm = {36.0, 24.5, 18.1, 12.1,
                                                                           7.41, 4.61, 3.08, 1.83};
    for (std::size_t i = 0; i < CrossSections.size(); ++i) {
        if (std::fabs(CrossSections[i] - section) < 1e-9)
            return ohmsPerKm[i];
    }
    return std::nullopt;
}

std::optional<double> ZoneLine::zonePower() const
{
    if (!power || !count)
        return std::nullopt;
    return *power * *count;
}

namespace {

struct Loss
{
    double impedance, resistance, share;
};

Loss lossOf(double zonePower, double voltage, double length, double ohmsPerKm)
{
    const double impedance = voltage * voltage / zonePower;
    const double resistance = 2 * length * ohmsPerKm / 1000;
    return {impedance, resistance, resistance / (impedance + resistance)};
}

} // namespace

std::optional<LineFigures> lineFigures(const ZoneLine &line, const LineSettings &settings)
{
    const std::optional<double> power = line.zonePower();
    const std::optional<double> ohmsPerKm = line.section ? conductorResistance(*line.section) : std::nullopt;
    if (!power || !(*power > 0) || !line.length || !(*line.length > 0) || !ohmsPerKm ||
        !(settings.voltage > 0))
        return std::nullopt;
    const Loss loss = lossOf(*power, settings.voltage, *line.length, *ohmsPerKm);
    LineFigures figures;
    figures.zonePower = *power;
    figures.impedance = loss.impedance;
    figures.resistance = loss.resistance;
    figures.lossPercent = loss.share * 100;
    figures.levelDb = 20 * std::log10(loss.impedance / (loss.impedance + loss.resistance));
    // Compared as the user reads them: a loss shown as the limit is within it.
    const auto within = [&settings](double percent) {
        return std::round(percent * 100) <= settings.lossLimit * 100;
    };
    figures.withinLimit = within(figures.lossPercent);
    for (const double section : CrossSections) {
        const Loss candidate = lossOf(*power, settings.voltage, *line.length, *conductorResistance(section));
        if (within(candidate.share * 100)) {
            figures.smallestSection = section;
            break;
        }
    }
    return figures;
}

QString lineNumber(double value, int decimals)
{
    return russianDecimal(value, decimals);
}

QString lineVerdict(const LineFigures &figures, const LineSettings &settings)
{
    if (figures.withinLimit)
        return QStringLiteral("в норме");
    return QStringLiteral("потери %1 % > %2 %")
        .arg(lineNumber(figures.lossPercent, 1), lineNumber(settings.lossLimit, 2));
}

QString zoneListNote(const ZoneLine &line, std::optional<double> listed)
{
    const std::optional<double> power = line.zonePower();
    // Compared as both are shown: the list keeps what was typed, the lines what they multiply.
    if (!power || !listed || lineNumber(*power) == lineNumber(*listed))
        return {};
    return QStringLiteral("в списке зон %1 Вт").arg(lineNumber(*listed));
}

void chooseLoudspeaker(ZoneLine &line, const QString &designation, const QStringList &units)
{
    const std::optional<double> brought =
        units.contains(line.loudspeaker) ? powerOfDesignation(line.loudspeaker) : std::nullopt;
    const std::optional<double> power =
        units.contains(designation) ? powerOfDesignation(designation) : std::nullopt;
    if (power && (!line.power || line.power == brought))
        line.power = power;
    line.loudspeaker = designation;
}

std::optional<double> powerOfDesignation(const QString &designation)
{
    static const QRegularExpression watts(QStringLiteral("(\\d+(?:[.,]\\d+)?)\\s*Вт"));
    const QRegularExpressionMatch match = watts.match(designation);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).replace(u',', u'.').toDouble();
}

} // namespace orvika
