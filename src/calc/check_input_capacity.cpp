#include "calc/check_input_capacity.h"

#include "files/numbers.h"

namespace orvika {
namespace {

// Splits off the text before the first separator; empty when the separator is missing.
std::optional<QStringView> takeBefore(QStringView &rest, QStringView separator)
{
    const qsizetype at = rest.indexOf(separator);
    if (at < 0)
        return std::nullopt;
    const QStringView piece = rest.left(at);
    rest = rest.mid(at + separator.size());
    return piece;
}

} // namespace

std::optional<InputDescriptor> parseInputDescriptor(const QString &descriptor)
{
    // A unit line without "*" declares no inputs at all.
    if (descriptor.isEmpty())
        return InputDescriptor{};
    QStringView rest(descriptor);
    const auto a = takeBefore(rest, u"|");
    const auto b = a ? takeBefore(rest, u"+") : std::nullopt;
    const auto c = b ? takeBefore(rest, u"/") : std::nullopt;
    const auto d = c ? takeBefore(rest, u"//") : std::nullopt;
    if (!d)
        return std::nullopt;
    const auto a32 = toInt32(leadingNumber(*a));
    const auto b32 = toInt32(leadingNumber(*b));
    const auto c32 = toInt32(leadingNumber(*c));
    const auto d32 = toInt32(leadingNumber(*d));
    const auto e32 = toInt32(leadingNumber(rest));
    if (!a32 || !b32 || !c32 || !d32 || !e32)
        return std::nullopt;
    return InputDescriptor{*a32, *b32, *c32, *d32, *e32};
}

bool checkInputCapacity(const QString &descriptor, InputCheck kind, const QString &name,
                        CalculationState &state)
{
    const auto unit = parseInputDescriptor(descriptor);
    if (!unit) {
        state.stopOnDatabaseError(name);
        return false;
    }
    auto lineInputs = narrowed(std::int64_t{unit->channelInputs} + unit->sharedInputs);
    const auto capacity = narrowed(std::int64_t{unit->channelInputs} + unit->sharedInputs + unit->micInputs);
    if (!lineInputs || !capacity) {
        state.stopOnDatabaseError(name);
        return false;
    }

    if (kind == InputCheck::FirstPreamp) {
        // Remembered before the channel test: a unit too small in channels can still head a cascade.
        if (*capacity > state.bestPreampCapacity) {
            state.bestPreampCapacity = *capacity;
            state.bestPreampTail = descriptor;
            state.bestPreampName = name;
        }
        if (state.channelCount > unit->channels)
            return true;
        if (unit->channels > 1) {
            lineInputs =
                narrowed(std::int64_t{state.channelCount} * unit->channelInputs + unit->sharedInputs);
            if (!lineInputs) {
                state.stopOnDatabaseError(name);
                return false;
            }
        }
    }

    const bool lineInputsSuffice = *lineInputs >= state.requiredInputs;
    // Each further unit of a cascade takes one line input of the previous one.
    if (!lineInputsSuffice && kind == InputCheck::CascadePreamp)
        state.requiredInputs = state.requiredInputs - *lineInputs + 1;

    const bool micInputsSuffice = unit->micInputs >= state.inputsLeft;
    if (!micInputsSuffice && kind == InputCheck::CascadePreamp) {
        const auto left = narrowed(std::int64_t{state.inputsLeft} - unit->micInputs);
        if (!left) {
            state.stopOnDatabaseError(name);
            return false;
        }
        state.inputsLeft = *left;
    }

    if (lineInputsSuffice && micInputsSuffice) {
        if (kind != InputCheck::Amplifier) {
            state.ampGroupCount = unit->groups;
            if (state.channelCount > 1)
                state.ampGroupCount = state.channelCount;
        }
        state.ampInputsFound = true;
    }
    return true;
}

} // namespace orvika
