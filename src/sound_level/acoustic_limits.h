#pragma once

#include "lines/line_limits.h"

// What the figures of the rooms and the loudspeakers' data may be. The window takes no other, and a card
// or a loudspeaker library read from a file is held to the same rules.
namespace orvika {

inline constexpr NumberRule DimensionRule{1000, false, false, "число больше 0 и не больше 1000"};
inline constexpr NumberRule NoiseRule{130, true, false, "число от 0 до 130"};
inline constexpr NumberRule SensitivityRule{200, false, false, "число больше 0 и не больше 200"};
// A tap is a loudspeaker's power, as the lines take it.
inline constexpr const NumberRule &TapRule = PowerRule;
inline constexpr const char *CoverageAngleRange = "число больше 0 и меньше 180";

inline bool isCoverageAngle(double degrees)
{
    return degrees > 0 && degrees < 180 && NumberRule{180, false, false, ""}.admits(degrees);
}

} // namespace orvika
