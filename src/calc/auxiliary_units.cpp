#include "calc/auxiliary_units.h"

#include "calc/choose_cabinet.h"
#include "calc/reasons.h"
#include "files/numbers.h"

#include <cmath>

namespace orvika {
namespace {

// A unit whose quantity is a count divided by its catalogue figure, rounded up. A figure that is no
// positive divisor is a catalogue fault.
// The reason reads "<what>: <count>, по <figure> на блок"; countedText words the count.
void addPerFigure(const Catalogue &catalogue, CalculationState &state, const QString &name,
                  const QString &code, double count, std::int32_t figure, const QString &what,
                  const QString &countedText, LineRole role, const QString &figureUnit = {})
{
    if (!requireEntry(state, name, code))
        return;
    const auto quantity = figure > 0 ? toInt32(ceilingQuotient(count, figure)) : std::nullopt;
    if (!quantity) {
        state.stopOnDatabaseError(name);
        return;
    }
    addAccountedLine(catalogue, state, name, *quantity,
                     what + QStringLiteral(": ") + countedText + QStringLiteral(", по ") +
                         QString::number(figure) + figureUnit + QStringLiteral(" на блок"),
                     role);
}

// "<what>: по 1 на селектор зон → N шт."
QString perSelector(const QString &what, const CalculationState &state)
{
    return what + QStringLiteral(": по 1 на селектор зон → ") + QString::number(state.selectorCount) +
           QStringLiteral(" шт.");
}

QString amplifiers(double count)
{
    return reasons::counted(count, u"усилитель", u"усилителя", u"усилителей");
}

} // namespace

void addArUnits(const Catalogue &catalogue, CalculationState &state)
{
    if (state.ampGroupCount == 0)
        state.ampGroupCount = 1;
    const double perGroup = std::floor(double(state.amplifierCount) / state.ampGroupCount);
    if (perGroup <= AmplifiersPerGroup)
        return;
    if (!requireEntry(state, catalogue.arName, QStringLiteral("AR")))
        return;
    // Each AR unit after the first adds ArNumber - 1 amplifiers: integer part plus one, not the ceiling.
    const std::int64_t beyond =
        std::int64_t{state.amplifierCount} - std::int64_t{AmplifiersPerGroup} * state.ampGroupCount;
    const std::int64_t divisor = std::int64_t{catalogue.arNumber} - 1;
    const auto quantity =
        divisor > 0 ? toInt32(std::floor(double(beyond) / double(divisor)) + 1) : std::nullopt;
    if (!quantity) {
        state.stopOnDatabaseError(catalogue.arName);
        return;
    }
    // "24 усилителя, по 4 на группу: сверх них 20, 1 блок и ещё 1 на каждые 5"
    QString reason = amplifiers(state.amplifierCount) + QStringLiteral(", по ") +
                     QString::number(AmplifiersPerGroup) + QStringLiteral(" на группу");
    if (state.ampGroupCount > 1)
        reason += QStringLiteral(" × ") + QString::number(state.ampGroupCount);
    reason += QStringLiteral(": сверх них ") + QString::number(beyond) +
              QStringLiteral(", 1 блок и ещё 1 на каждые ") + QString::number(divisor);
    addAccountedLine(catalogue, state, catalogue.arName, *quantity, reason, LineRole::AmplifierSwitch);
}

void addLineControlUnits(const Catalogue &catalogue, const Requirements &requirements,
                         CalculationState &state)
{
    switch (requirements.lineControl) {
    case LineControl::None:
        return;
    case LineControl::Manual:
        if (requireEntry(state, catalogue.moName, QStringLiteral("MO")))
            addAccountedLine(catalogue, state, catalogue.moName, state.selectorCount,
                             perSelector(QStringLiteral("ручной контроль линий"), state),
                             LineRole::ManualLineControl);
        return;
    case LineControl::Automatic:
        addPerFigure(catalogue, state, catalogue.mlName, QStringLiteral("ML"), state.zoneCount,
                     catalogue.mlNumber, QStringLiteral("автоматический контроль линий"),
                     reasons::zones(state.zoneCount), LineRole::AutomaticLineControl);
        return;
    }
}

void addAttenuatorUnits(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    if (requirements.attenuatorControl && requireEntry(state, catalogue.rpName, QStringLiteral("RP")))
        addAccountedLine(catalogue, state, catalogue.rpName, state.selectorCount,
                         perSelector(QStringLiteral("управление аттенюаторами"), state),
                         LineRole::AttenuatorControl);
}

void addRedundancyUnits(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    if (!requirements.amplifierReserve)
        return;
    const double channels = state.channelCount;
    // The amplifiers of one channel; every channel shares the same reserve.
    const std::int32_t perChannel = toInt32(state.amplifierCount / channels).value_or(0);
    const std::int32_t units = toInt32(ceilingQuotient(perChannel, AmplifiersPerGroup)).value_or(0);
    state.ampQty1 = toInt32(state.ampQty1 / channels).value_or(0);
    state.ampQty2 = toInt32(state.ampQty2 / channels).value_or(0);

    const QString &unit = requirements.reserveUnitText;
    const QString unitReason = QStringLiteral("резервирование усилителей: ") + amplifiers(perChannel) +
                               QStringLiteral(" на канал, по ") + QString::number(AmplifiersPerGroup) +
                               QStringLiteral(" на блок");
    if (unit.startsWith(QStringLiteral("K-3105"))) {
        // A full reserve set of the amplifiers of one channel.
        const QString reserveSet = QStringLiteral("резервный комплект усилителей одного канала");
        if (!addAccountedLine(catalogue, state, unit, units, unitReason, LineRole::RedundancyUnit))
            return;
        if (state.ampQty1 > 0 && !addAccountedLine(catalogue, state, state.ampName1, state.ampQty1,
                                                   reserveSet, LineRole::ReserveAmplifier))
            return;
        if (state.ampQty2 > 0)
            addAccountedLine(catalogue, state, state.ampName2, state.ampQty2, reserveSet,
                             LineRole::ReserveAmplifier);
    } else if (unit.startsWith(QStringLiteral("K-3240"))) {
        // One reserve amplifier per unit, the block model whenever blocks are in use.
        const QString reserve = QStringLiteral("резервный усилитель: по 1 на блок переключения → ") +
                                QString::number(units) + QStringLiteral(" шт.");
        if (!addAccountedLine(catalogue, state, unit, units, unitReason, LineRole::RedundancyUnit))
            return;
        if (state.ampQty1 > 0 && state.ampQty2 == 0 &&
            !addAccountedLine(catalogue, state, state.ampName1, units, reserve, LineRole::ReserveAmplifier))
            return;
        if (state.ampQty2 > 0)
            addAccountedLine(catalogue, state, state.ampName2, units, reserve, LineRole::ReserveAmplifier);
    }
}

void addPowerOnUnits(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    const QString blocks = reasons::units(state.totals.blockCount);
    if (requirements.automaticPowerOn)
        addPerFigure(catalogue, state, catalogue.pdName, QStringLiteral("PD"), state.totals.blockCount,
                     catalogue.pdNumber, QStringLiteral("автоматическое включение питания"), blocks,
                     LineRole::PowerOn);
    else
        addPerFigure(catalogue, state, catalogue.blName, QStringLiteral("BL"), state.totals.blockCount,
                     catalogue.blNumber, QStringLiteral("распределение питания"), blocks,
                     LineRole::PowerDistribution);
}

void addPowerReserveUnits(const Catalogue &catalogue, const Requirements &requirements,
                          CalculationState &state)
{
    if (!requirements.powerSupplyReserve)
        return;
    const auto rating = toInt32(state.totals.powerDraw * PowerReserveFactor);
    if (!rating) {
        state.stopOnDatabaseError(catalogue.upName);
        return;
    }
    addPerFigure(catalogue, state, catalogue.upName, QStringLiteral("UP"), *rating, catalogue.upNumber,
                 QStringLiteral("резервирование питания"),
                 QString::number(state.totals.powerDraw) + QStringLiteral(" Вт × ") +
                     reasons::number(PowerReserveFactor) + QStringLiteral(" = ") + QString::number(*rating) +
                     QStringLiteral(" Вт"),
                 LineRole::PowerReserve, QStringLiteral(" Вт"));
}

void addAuxiliaryUnits(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    using Rule = void (*)(const Catalogue &, const Requirements &, CalculationState &);
    static constexpr Rule rules[] = {
        [](const Catalogue &c, const Requirements &, CalculationState &s) { addArUnits(c, s); },
        addLineControlUnits,
        addAttenuatorUnits,
        addRedundancyUnits,
        addPowerOnUnits,
        addPowerReserveUnits,
        [](const Catalogue &c, const Requirements &r, CalculationState &s) {
            if (r.cabinet)
                chooseCabinet(c, r, s);
        },
    };
    for (Rule rule : rules) {
        rule(catalogue, requirements, state);
        if (state.stopped)
            return;
    }
}

} // namespace orvika
