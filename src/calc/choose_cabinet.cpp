#include "calc/choose_cabinet.h"

namespace orvika {

void chooseCabinet(const Catalogue &catalogue, const Requirements &requirements, CalculationState &state)
{
    const QList<CabinetRecord> &cabinets =
        requirements.powerSupplyReserve ? catalogue.cabinets80 : catalogue.cabinets60;
    for (std::int32_t n = 1; n <= MaxCabinetCount; ++n) {
        for (const CabinetRecord &cabinet : cabinets) {
            const auto height = narrowed(std::int64_t{n} * cabinet.height);
            if (!height) {
                state.stopOnDatabaseError(cabinet.name);
                return;
            }
            if (*height >= state.totals.heightUnits) {
                state.cabinetCount = n;
                state.lines.append(unitLine(cabinet.name, n));
                return;
            }
        }
    }
}

} // namespace orvika
