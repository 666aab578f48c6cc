#pragma once

#include "calc/requirements.h"

// ComputeTotalPower: the loudspeaker power everything else is sized for.
namespace orvika {

// The stated total or the sum of the zone lines, plus the reserve when it is ticked. 0 when neither
// way of stating the power is chosen; the driver rejects it.
double computeTotalPower(const Requirements &requirements);

// The watts of one zone line "Зона N - P Вт", rounded half to even; 0 for a line without "Вт".
double zoneLinePower(const QString &zoneLine);

} // namespace orvika
