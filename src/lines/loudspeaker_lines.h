#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

// Each zone's loudspeakers and the cable of its line, and what the line costs them: the zone's load,
// the cable's resistance, the power lost in it, the level at the loudspeakers, and the smallest
// cross-section that keeps the loss within the limit.
namespace orvika {

// The cross-sections of the cables offered, mm².
inline constexpr std::array<double, 8> CrossSections = {0.5, 0.75, 1, 1.5, 2.5, 4, 6, 10};
// The line voltages of constant-voltage loudspeaker lines, V.
inline constexpr std::array<int, 3> LineVoltages = {70, 100, 120};

// The largest resistance of a class 1 copper conductor at 20 °C, Ω/km; none for a section not listed.
std::optional<double> conductorResistance(double section);

struct LineSettings
{
    double voltage = 100;    // V
    double lossLimit = 10;   // % of the zone's power
    double cableReserve = 0; // % of the length, bought beyond it

    friend bool operator==(const LineSettings &, const LineSettings &) = default;
};

// One zone's line as the designer states it; what is not stated yet is empty.
struct ZoneLine
{
    int zone = 1;
    QString name;                  // "Холл, 1 этаж"
    QString loudspeaker;           // a catalogue unit's designation, or typed
    std::optional<double> power;   // W per loudspeaker
    std::optional<int> count;      // loudspeakers
    std::optional<double> length;  // m of the line
    std::optional<double> section; // mm²
    QString cable;                 // the cable's mark

    // The zone's load, W: the loudspeakers' power in all; none until both are stated.
    std::optional<double> zonePower() const;

    friend bool operator==(const ZoneLine &, const ZoneLine &) = default;
};

struct LoudspeakerLines
{
    LineSettings settings;
    QList<ZoneLine> zones;

    bool isEmpty() const { return zones.isEmpty() && settings == LineSettings(); }
    friend bool operator==(const LoudspeakerLines &, const LoudspeakerLines &) = default;
};

struct LineFigures
{
    double zonePower = 0;                  // W
    double impedance = 0;                  // Ω: U²/P
    double resistance = 0;                 // Ω: the two conductors of the line
    double lossPercent = 0;                // of the zone's power: R/(Z + R)
    double levelDb = 0;                    // at the loudspeakers: 20·log10(Z/(Z + R))
    std::optional<double> smallestSection; // the least of CrossSections within the limit
    bool withinLimit = true;
};

// The figures of a line with loudspeakers, a length and a section; none for a line short of them.
std::optional<LineFigures> lineFigures(const ZoneLine &line, const LineSettings &settings);

// The verdict in words, never by colour alone: "в норме", or "потери 14,2 % > 10 %".
QString lineVerdict(const LineFigures &figures, const LineSettings &settings);

// "в списке зон 300 Вт" when the zone list holds a power (listed) other than the zone's loudspeakers;
// empty when they agree or either is not known.
QString zoneListNote(const ZoneLine &line, std::optional<double> listed);

// The zone's loudspeaker chosen (designation): a unit of the catalogue's units brings the power its
// designation names, unless the power stated was typed rather than brought by the unit before.
void chooseLoudspeaker(ZoneLine &line, const QString &designation, const QStringList &units);

// A figure as the lines show it: a decimal comma, at most the decimals given, no trailing zeros.
QString lineNumber(double value, int decimals = 2);

// The power a loudspeaker's designation names ("… 6 Вт"); none when it names none.
std::optional<double> powerOfDesignation(const QString &designation);

} // namespace orvika
