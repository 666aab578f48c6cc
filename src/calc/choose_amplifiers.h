#pragma once

#include "calc/calculation_state.h"
#include "catalogue/catalogue.h"

// ChooseAmplifiers: the power amplifiers for state.totalPower and, when their inputs do not serve the
// sources, the preamplifiers.
namespace orvika {

// The largest amplifier block, W: the power is covered by whole blocks plus one remainder amplifier.
inline constexpr double AmplifierBlockPower = 1500;
// The cascade of the largest preamplifier gives up after this many units plus one.
inline constexpr std::int32_t CascadeLimit = 10;

// Expects state.requiredInputs, state.inputsLeft and state.ampGroupCount set by the driver.
// Leaves state.ampPowerFound false, adding no amplifier line, when the remainder or the blocks have
// no amplifier; leaves state.ampInputsFound false when no unit serves the inputs.
void chooseAmplifiers(const Catalogue &catalogue, CalculationState &state);

} // namespace orvika
