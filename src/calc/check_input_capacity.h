#pragma once

#include "calc/calculation_state.h"

#include <QString>
#include <cstdint>
#include <optional>

// CheckInputCapacity: whether a unit's inputs serve the chosen sources.
namespace orvika {

// A capability descriptor "A|B+C/D//E".
struct InputDescriptor
{
    std::int32_t channels = 0;      // A
    std::int32_t channelInputs = 0; // B, line inputs per channel
    std::int32_t sharedInputs = 0;  // C, line inputs not tied to a channel
    std::int32_t micInputs = 0;     // D
    std::int32_t groups = 0;        // E, divisor of the amplifier count in the AR rule

    friend bool operator==(const InputDescriptor &, const InputDescriptor &) = default;
};

// All five numbers 0 for an empty descriptor; no result when a separator is missing or a piece does
// not fit 32 bits.
std::optional<InputDescriptor> parseInputDescriptor(const QString &descriptor);

enum class InputCheck {
    Amplifier,     // a power amplifier just chosen
    FirstPreamp,   // one preamplifier alone; also remembers the largest one met
    CascadePreamp, // one more of the largest preamplifier; lowers what is left to serve
};

// Sets state.ampInputsFound when the unit serves state.requiredInputs and state.inputsLeft.
// False, with the calculation stopped, when the descriptor cannot be read or its sums overflow;
// name is the unit's designation.
bool checkInputCapacity(const QString &descriptor, InputCheck kind, const QString &name,
                        CalculationState &state);

} // namespace orvika
