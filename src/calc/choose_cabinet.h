#pragma once

#include "calc/calculation_state.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"

// ChooseCabinet: the cabinets that hold the proposed units.
namespace orvika {

inline constexpr std::int32_t MaxCabinetCount = 21;

// The fewest cabinets of one record that reach state.totals.heightUnits, and for that number the first
// fitting record in catalogue order; class 80 with power redundancy, class 60 otherwise. Sets
// state.cabinetCount and adds one line, not accounted: cabinets hold units, they are not units.
// Adds nothing when even 21 cabinets are too low.
void chooseCabinet(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state);

} // namespace orvika
