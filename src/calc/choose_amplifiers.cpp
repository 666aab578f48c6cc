#include "calc/choose_amplifiers.h"

#include "calc/check_input_capacity.h"
#include "calc/reasons.h"
#include "files/numbers.h"

#include <cmath>

namespace orvika {
namespace {

// "входы: линейных 3, микрофонных 2": what a unit was asked to serve.
QString inputsWording(double lineInputs, std::int32_t micInputs)
{
    return QStringLiteral("входы: линейных ") + reasons::number(lineInputs) +
           QStringLiteral(", микрофонных ") + QString::number(micInputs);
}

// The inputs an amplifier serves as well, when there are any to serve.
QString withInputs(QString reason, const CalculationState &state, bool servedBefore)
{
    if (!servedBefore && state.ampInputsFound && (state.requiredInputs > 0 || state.inputsLeft > 0))
        reason += QStringLiteral("; ") + inputsWording(state.requiredInputs, state.inputsLeft);
    return reason;
}

struct PowerChoice
{
    qsizetype remainder = -1; // amplifier for the remainder, one per channel
    qsizetype blocks = -1;    // the 1500 W amplifier for the whole blocks
};

bool choosePowerAmplifiers(const Catalogue &catalogue, CalculationState &state)
{
    const double wholeBlocks = std::floor(state.totalPower / AmplifierBlockPower);
    const auto blockQuantity = toInt32(wholeBlocks * state.channelCount);
    if (!blockQuantity)
        return false; // more amplifiers than can be counted: no choice
    state.ampQty2 = *blockQuantity;
    const bool blocks = state.ampQty2 > 0;
    bool remainderWanted = true;
    double need = toInt32(state.totalPower).value_or(0);
    if (blocks) {
        need = std::floor(state.totalPower - AmplifierBlockPower * wholeBlocks);
        if (need == 0) { // a whole multiple of the block: the blocks alone carry it
            need = AmplifierBlockPower;
            remainderWanted = false;
        }
    }

    // The first amplifier that reaches the remainder, not the smallest one; the first of exactly
    // 1500 W for the blocks. One amplifier may take both lines.
    PowerChoice choice;
    for (qsizetype i = 0; i < catalogue.amplifiers.size(); ++i) {
        const std::int32_t power = catalogue.amplifiers.at(i).power;
        if (power < need)
            continue;
        if (remainderWanted && choice.remainder < 0)
            choice.remainder = i;
        if (blocks && choice.blocks < 0 && power == AmplifierBlockPower)
            choice.blocks = i;
    }
    // Amplifiers that leave part of the power uncovered are no choice at all.
    if ((remainderWanted && choice.remainder < 0) || (blocks && choice.blocks < 0))
        return false;

    // Each line's reason is complete once its input check has run.
    if (remainderWanted) {
        const AmplifierRecord &amplifier = catalogue.amplifiers.at(choice.remainder);
        state.ampQty1 = state.channelCount;
        const QString reason = (blocks ? QStringLiteral("остаток ") : QString()) + reasons::number(need) +
                               QStringLiteral(" Вт ≤ ") + QString::number(amplifier.power) +
                               QStringLiteral(" Вт; по 1 на канал, ") + reasons::channels(state.channelCount);
        if (!addAccountedLine(catalogue, state, amplifier.name, state.ampQty1, reason, LineRole::Amplifier))
            return false;
        state.ampPowerFound = true;
        state.ampName1 = amplifier.name;
        const bool servedBefore = state.ampInputsFound;
        if (!checkInputCapacity(amplifier.descriptor, InputCheck::Amplifier, amplifier.name, state))
            return false;
        state.items.last().reason = withInputs(reason, state, servedBefore);
    }
    if (blocks) {
        const AmplifierRecord &amplifier = catalogue.amplifiers.at(choice.blocks);
        const QString reason = reasons::units(wholeBlocks) + QStringLiteral(" по ") +
                               reasons::number(AmplifierBlockPower) + QStringLiteral(" Вт × ") +
                               reasons::channels(state.channelCount);
        if (!addAccountedLine(catalogue, state, amplifier.name, state.ampQty2, reason, LineRole::Amplifier))
            return false;
        state.ampPowerFound = true;
        state.ampName2 = amplifier.name;
        const bool servedBefore = state.ampInputsFound;
        if (!checkInputCapacity(amplifier.descriptor, InputCheck::Amplifier, amplifier.name, state))
            return false;
        state.items.last().reason = withInputs(reason, state, servedBefore);
    }
    return true;
}

void choosePreamplifiers(const Catalogue &catalogue, CalculationState &state)
{
    state.preampChosen = false;
    state.bestPreampCapacity = 0;
    state.bestPreampTail.clear();
    state.bestPreampName.clear();
    for (const PreampRecord &preamp : catalogue.preamps) {
        if (preamp.descriptor.isEmpty())
            continue;
        if (!checkInputCapacity(preamp.descriptor, InputCheck::FirstPreamp, preamp.name, state))
            return;
        if (state.ampInputsFound) {
            state.preampChosen = true;
            state.preampCount = 1;
            addAccountedLine(catalogue, state, preamp.name, 1,
                             inputsWording(state.requiredInputs, state.inputsLeft), LineRole::Preamplifier);
            return;
        }
    }

    // No single unit serves the inputs: a cascade of the largest one met. Without one there is
    // nothing to cascade.
    state.preampCount = 0;
    if (state.bestPreampTail.isEmpty())
        return;
    const QString asked = inputsWording(state.requiredInputs, state.inputsLeft);
    while (!state.ampInputsFound && state.preampCount <= CascadeLimit) {
        if (!checkInputCapacity(state.bestPreampTail, InputCheck::CascadePreamp, state.bestPreampName, state))
            return;
        ++state.preampCount;
    }
    if (!state.ampInputsFound)
        return;
    state.preampChosen = true;
    QString reason =
        QStringLiteral("каскад: ") +
        reasons::counted(state.preampCount, u"предусилитель", u"предусилителя", u"предусилителей") +
        QStringLiteral("; ") + asked;
    if (state.preampCount < state.channelCount)
        reason += QStringLiteral("; не меньше числа каналов (") + QString::number(state.channelCount) + u')';
    state.preampCount = std::max(state.preampCount, state.channelCount);
    addAccountedLine(catalogue, state, state.bestPreampName, state.preampCount, reason,
                     LineRole::Preamplifier);
}

} // namespace

void chooseAmplifiers(const Catalogue &catalogue, CalculationState &state)
{
    state.ampQty1 = 0;
    state.ampQty2 = 0;
    state.ampName1.clear();
    state.ampName2.clear();
    state.amplifierCount = 0;
    state.ampPowerFound = false;
    state.ampInputsFound = false;
    if (!choosePowerAmplifiers(catalogue, state))
        return;

    const auto amplifierCount = narrowed(std::int64_t{state.ampQty1} + state.ampQty2);
    if (!amplifierCount) {
        state.stopOnDatabaseError(state.ampName2);
        return;
    }
    state.amplifierCount = *amplifierCount;
    state.preampCount = 0;
    if (!state.ampInputsFound)
        choosePreamplifiers(catalogue, state);
}

} // namespace orvika
