#include "calc/calculation.h"

#include "calc/auxiliary_units.h"
#include "calc/calculation_state.h"
#include "calc/choose_amplifiers.h"
#include "calc/choose_zone_selector.h"
#include "calc/compute_total_power.h"
#include "calc/reasons.h"
#include "catalogue/scheme_library.h"
#include "files/numbers.h"

#include <algorithm>

namespace orvika {
namespace {

constexpr std::int32_t ZonesPerSelector = 10;
constexpr double MaxTotalPower = 160000;
constexpr double MaxAiQuantity = 4;

// The AI units that follow a K-3280 source: the quantity on its line, from 0 to 4.
std::int32_t aiQuantity(const QString &sourceLine)
{
    const double quantity = leadingNumber(QStringView(sourceLine).mid(sourceLine.lastIndexOf(u'-') + 1));
    return *toInt32(std::clamp(quantity, 0.0, MaxAiQuantity));
}

// The sources go in unchanged, except the AS model, which stands for one unit per zone selector, and
// the K-3280 model, which brings its AI units along. Their totals are already in the selection totals.
void copySources(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    for (const QString &line : requirements.sourceLines) {
        if (line.isEmpty())
            continue;
        const QStringView model = QStringView(line).left(6);
        if (model == u"K-3120") {
            const QString reason = QStringLiteral("панели вызова зон: по 1 блоку на селектор зон → ") +
                                   QString::number(state.selectorCount) + QStringLiteral(" шт.");
            if (!requireEntry(state, catalogue.asName, QStringLiteral("AS")) ||
                !addAccountedLine(catalogue, state, catalogue.asName, state.selectorCount, reason,
                                  LineRole::ConsoleAdapter))
                return;
        } else if (model == u"K-3280") {
            state.addSourceLine(line);
            const std::int32_t quantity = aiQuantity(line);
            const QString reason = QStringLiteral("к проигрывателю ") + model.toString() +
                                   QStringLiteral(": по 1 на проигрыватель, не более 4 → ") +
                                   QString::number(quantity) + QStringLiteral(" шт.");
            if (!requireEntry(state, catalogue.aiName, QStringLiteral("AI")) ||
                !addAccountedLine(catalogue, state, catalogue.aiName, quantity, reason,
                                  LineRole::SourceInterface))
                return;
        } else {
            state.addSourceLine(line);
        }
    }
}

// "12 зон: по 10 зон на селектор → 2 шт.; 1897,5 Вт ≤ 2 × 1000 Вт"
QString selectorReason(const CalculationState &state)
{
    return reasons::zones(state.zoneCount) + QStringLiteral(": по ") + QString::number(ZonesPerSelector) +
           QStringLiteral(" зон на селектор → ") + QString::number(state.selectorCount) +
           QStringLiteral(" шт.; ") + reasons::number(state.totalPower) + QStringLiteral(" Вт ≤ ") +
           QString::number(state.selectorCount) + QStringLiteral(" × ") +
           QString::number(state.selectorCapacity) + QStringLiteral(" Вт");
}

bool hasSource(const Requirements &requirements)
{
    return std::any_of(requirements.sourceLines.begin(), requirements.sourceLines.end(),
                       [](const QString &line) { return !line.isEmpty(); });
}

// Runs the checks and the rules in order until the first stop.
void run(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    state.selectorCount = *toInt32(ceilingQuotient(state.zoneCount, ZonesPerSelector));
    copySources(catalogue, requirements, state);
    if (state.stopped)
        return;

    if (!hasSource(requirements))
        state.warn(QStringLiteral("Вы не выбрали звуковой источник"));

    if (requirements.multiZone && requirements.powerMode == PowerMode::PerZone &&
        requirements.zoneListCount < state.zoneCount) {
        state.stop(QStringLiteral("Вы указали количество зон - ") + QString::number(state.zoneCount) +
                   MessageLineBreak + QStringLiteral("а в раскладке по зонам у вас их всего - ") +
                   QString::number(requirements.zoneListCount));
        return;
    }

    if (requirements.softwareAdded) {
        // The software is run from a microphone place of its own.
        if (state.micCount == 0)
            state.micCount = 1;
        if (requirements.softwareNumber < state.zoneCount)
            state.warn(QStringLiteral("Количество зон выбранного ПО меньше суммарного количества зон.") +
                       MessageLineBreak + QStringLiteral("Выберите ПО с большим количеством зон.") +
                       MessageLineBreak +
                       QStringLiteral("Максимальное количество зон для работы с ПО серии ZEP - 60"));
    }

    state.totalPower = computeTotalPower(requirements);
    if (!(state.totalPower > 0) || state.totalPower > MaxTotalPower) {
        state.stop(QStringLiteral("Суммарная мощность системы должна находится в диапазоне от 1 до ") +
                   QStringLiteral("160000") + QStringLiteral(" Вт."));
        return;
    }

    if (requirements.multiZone) {
        state.selectorName.clear();
        chooseZoneSelector(catalogue, state);
        if (state.stopped)
            return;
        if (state.selectorName.isEmpty()) {
            state.stop(QStringLiteral("Селектор зон не выбран"));
            state.resetResults();
            return;
        }
        if (!addAccountedLine(catalogue, state, state.selectorName, state.selectorCount,
                              selectorReason(state), LineRole::Selector))
            return;
    }

    state.ampGroupCount = 0;
    state.requiredInputs = double(requirements.alarmBlockCount) + requirements.musicSourceCount;
    state.inputsLeft = state.micCount;
    chooseAmplifiers(catalogue, state);
    if (state.stopped)
        return;
    if (!state.ampPowerFound) {
        state.stop(QStringLiteral("Не выбран усилитель по мощности"));
        state.resetResults();
        return;
    }
    if (!state.ampInputsFound) {
        state.stop(QStringLiteral("Не выбран усилитель по входам"));
        return;
    }

    addAuxiliaryUnits(catalogue, requirements, state);
}

} // namespace

Proposal calculate(const Catalogue &catalogue, const QStringList &schemeLines,
                   const Requirements &requirements)
{
    CalculationState state;
    state.totals = requirements.selectionTotals;
    state.micCount = requirements.micCount;
    // The window never offers fewer than one zone or channel; the counts divide below.
    state.zoneCount = std::max(requirements.zoneCount, 1);
    state.channelCount = std::max(requirements.channelCount, 1);
    run(catalogue, requirements, state);

    Proposal proposal;
    proposal.complete = !state.stopped;
    if (proposal.complete)
        proposal.schemeChoice = chooseScheme(schemeLines, state.lines, requirements.multiChannel);
    proposal.lines = std::move(state.lines);
    proposal.items = std::move(state.items);
    proposal.messages = std::move(state.messages);
    proposal.totals = state.totals;
    proposal.totalPower = state.totalPower;
    proposal.micCount = state.micCount;
    return proposal;
}

} // namespace orvika
