#pragma once

#include "calc/calculation_state.h"
#include "catalogue/catalogue.h"

// ChooseZoneSelector: the zone-selector model of a multi-zone system.
namespace orvika {

// The highest average power of one zone that the selectors can switch, W.
inline constexpr double MaxZonePower = 1500;

// Sets state.selectorName to the first selector, in catalogue order, whose capacity times
// state.selectorCount covers state.totalPower; leaves it as it was when none does. An average zone
// power above MaxZonePower leaves it empty with a message.
void chooseZoneSelector(const Catalogue &catalogue, CalculationState &state);

} // namespace orvika
