#pragma once

#include "calc/calculation_state.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"

// The units that follow from the amplifiers, the line control and the additional options. Each rule
// adds its line and accounts it; the later rules read the totals the earlier ones left.
namespace orvika {

// Amplifiers per group that need no AR unit; also the amplifiers one redundancy unit covers.
inline constexpr std::int32_t AmplifiersPerGroup = 4;
// Headroom of the power-redundancy units over the consumption.
inline constexpr double PowerReserveFactor = 1.25;

void addArUnits(const Catalogue &catalogue, CalculationState &state);
void addLineControlUnits(const Catalogue &catalogue, const Requirements &requirements,
                         CalculationState &state);
void addAttenuatorUnits(const Catalogue &catalogue, const Requirements &requirements,
                        CalculationState &state);
void addRedundancyUnits(const Catalogue &catalogue, const Requirements &requirements,
                        CalculationState &state);
void addPowerOnUnits(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state);
void addPowerReserveUnits(const Catalogue &catalogue, const Requirements &requirements,
                          CalculationState &state);

// All of the above in their order, then the cabinets when asked for. Stops at the first failure.
void addAuxiliaryUnits(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state);

} // namespace orvika
