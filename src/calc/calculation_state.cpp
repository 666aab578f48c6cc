#include "calc/calculation_state.h"

#include "catalogue/account_unit.h"

namespace orvika {

void CalculationState::warn(const QString &text)
{
    messages.append({text, false});
}

void CalculationState::stop(const QString &text)
{
    messages.append({text, true});
    stopped = true;
}

void CalculationState::stopOnDatabaseError(const QString &unit)
{
    stop(QStringLiteral("Ошибка в базе данных: ") + unit);
}

void CalculationState::resetResults()
{
    totals = {};
    cabinetCount = 0;
    selectorCount = 1;
    ampGroupCount = 0;
    ampPowerFound = false;
}

QString unitLine(const QString &name, std::int32_t quantity)
{
    return name + QStringLiteral(" - ") + QString::number(quantity) + QStringLiteral(" шт.");
}

bool addAccountedLine(const Catalogue &catalogue, CalculationState &state, const QString &name,
                      std::int32_t quantity)
{
    // The line goes in only once accounted, so the list and the totals always agree.
    if (!accountUnit(catalogue, name, quantity, state.totals)) {
        state.stopOnDatabaseError(name);
        return false;
    }
    state.lines.append(unitLine(name, quantity));
    return true;
}

bool requireEntry(CalculationState &state, const QString &name, const QString &code)
{
    if (!name.isEmpty())
        return true;
    state.stopOnDatabaseError(code);
    return false;
}

} // namespace orvika
