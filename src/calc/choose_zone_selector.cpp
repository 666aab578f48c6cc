#include "calc/choose_zone_selector.h"

namespace orvika {

void chooseZoneSelector(const Catalogue &catalogue, CalculationState &state)
{
    if (state.totalPower / state.zoneCount > MaxZonePower) {
        state.selectorName.clear();
        state.warn(
            QStringLiteral("Средняя мощность 1 зоны превышает коммутационные возможности селекторов.") +
            MessageLineBreak + QStringLiteral("Разбейте свою систему на большее количество зон."));
        return;
    }
    // The first fitting model wins, not the smallest: the catalogue order states the preference.
    for (const SelectorRecord &selector : catalogue.selectors) {
        const auto capacity = narrowed(std::int64_t{selector.capacity} * state.selectorCount);
        if (!capacity) {
            state.stopOnDatabaseError(selector.name);
            return;
        }
        if (state.totalPower > 0 && state.totalPower <= *capacity) {
            state.selectorName = selector.name;
            state.selectorCapacity = selector.capacity;
            return;
        }
    }
}

} // namespace orvika
