#include "calc/choose_cabinet.h"

#include "calc/reasons.h"

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
                // "59 U: 2 шкафа по 42 U"
                state.addLine(cabinet.name, n,
                              QString::number(state.totals.heightUnits) + QStringLiteral(" U: ") +
                                  reasons::counted(n, u"шкаф", u"шкафа", u"шкафов") + QStringLiteral(" по ") +
                                  QString::number(cabinet.height) + QStringLiteral(" U"),
                              LineRole::Cabinet);
                return;
            }
        }
    }
}

} // namespace orvika
