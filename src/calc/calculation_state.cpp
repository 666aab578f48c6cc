#include "calc/calculation_state.h"

#include "catalogue/account_unit.h"

namespace orvika {

void CalculationState::addLine(const QString &name, std::int32_t quantity, const QString &reason,
                               LineRole role)
{
    lines.append(unitLine(name, quantity));
    items.append({name, quantity, reason, role});
}

void CalculationState::addSourceLine(const QString &line)
{
    lines.append(line);
    ProposedItem item = itemOfLine(line);
    item.reason = QStringLiteral("выбран пользователем");
    items.append(item);
}

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

ProposedItem itemOfLine(const QString &line)
{
    const qsizetype dash = line.lastIndexOf(QStringLiteral(" - "));
    if (dash < 0)
        return {line, 0, {}};
    const double quantity = leadingNumber(QStringView(line).mid(dash + 3));
    return {line.left(dash), toInt32(quantity).value_or(0), {}};
}

bool addAccountedLine(const Catalogue &catalogue, CalculationState &state, const QString &name,
                      std::int32_t quantity, const QString &reason, LineRole role)
{
    // The line goes in only once accounted, so the list and the totals always agree.
    if (!accountUnit(catalogue, name, quantity, state.totals)) {
        state.stopOnDatabaseError(name);
        return false;
    }
    state.addLine(name, quantity, reason, role);
    return true;
}

bool requireEntry(CalculationState &state, const QString &name, const QString &code)
{
    if (!name.isEmpty())
        return true;
    state.stopOnDatabaseError(code);
    return false;
}

ProposedItem proposedItem(const Proposal &proposal, qsizetype i)
{
    return i < proposal.items.size() ? proposal.items.at(i) : itemOfLine(proposal.lines.at(i));
}

} // namespace orvika
