#pragma once

#include <QString>

// What the figures of the loudspeaker lines may be. The lines window takes no other, and a card read
// from a file is held to the same rules.
namespace orvika {

struct NumberRule
{
    double largest;
    bool zeroAllowed;
    bool whole;
    const char *range; // for the user: "число больше 0 и не больше 1500"

    // The window's finest figure: its numbers take at most nine decimals.
    static constexpr double Finest = 1e-9;

    // Finite, within the range, whole when it must be, and none finer than the window takes: a value
    // that passes fits an int when whole.
    bool admits(double value) const;
};

inline constexpr NumberRule PowerRule{1500, false, false, "число больше 0 и не больше 1500"};
inline constexpr NumberRule CountRule{1000, false, true, "целое число от 1 до 1000"};
inline constexpr NumberRule LengthRule{10000, false, false, "число больше 0 и не больше 10000"};
inline constexpr NumberRule LossLimitRule{100, false, false, "число больше 0 и не больше 100"};
inline constexpr NumberRule CableReserveRule{100, true, false, "число от 0 до 100"};
// A zone's number: a loaded report may set a zone count up to a 16-bit counter's largest.
inline constexpr NumberRule ZoneNumberRule{32767, false, true, "целое число от 1 до 32767"};

// One of LineVoltages.
bool isLineVoltage(double volts);
// One of CrossSections.
bool isCrossSection(double section);

// "одно из 70, 100, 120", "одно из 0,5; 0,75; …; 10" for the user.
QString lineVoltageChoice();
QString crossSectionChoice();

} // namespace orvika
