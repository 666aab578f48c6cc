#include "catalogue/account_unit.h"
#include "catalogue/software_entry.h"
#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "files/numbers.h"

#include <limits>

// Frame3: the four source rows, and the procedures that count the chosen sources.
namespace orvika {
namespace {

const QString SoftwareChosenAgain = QStringLiteral("ПО уже выбрано.") + MessageLineBreak +
                                    QStringLiteral("Если Вы хотите поменять версию ПО, то очистите список "
                                                   "звуковых источников.");
const QString SoftwareAddedAgain = QStringLiteral("ПО уже выбрано.") +
                                   QStringLiteral("Если Вы хотите поменять версию ПО, то очистите список "
                                                  "звуковых источников.");
const QString ConsolesChosenAgain = QStringLiteral("Консоли уже добавлены.") + MessageLineBreak +
                                    QStringLiteral("Если Вы хотите изменить число консолей, то очистите "
                                                   "список звуковых источников.");

// The count of a row is the number its label shows.
std::int32_t shownCount(const CounterState &counter)
{
    return toInt32(leadingNumber(counter.shown)).value_or(0);
}

QString equipmentLine(const QString &name, const QString &count)
{
    return name + QStringLiteral(" - ") + count + QStringLiteral(" шт.");
}

// Counters are sums of counts that a saved report may also supply; they stop at the 32-bit limits
// instead of wrapping round.
std::int32_t addCount(std::int32_t counter, std::int32_t count)
{
    const std::int64_t sum = std::int64_t{counter} + count;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

struct SourceRow
{
    CheckBoxId kind;
    PickerId picker;
    CounterId counter;
};

constexpr SourceRow SourceRows[] = {{CheckBoxId::Check4, PickerId::CmbMC, CounterId::VSMC},
                                    {CheckBoxId::Check3, PickerId::CmbAL, CounterId::VSAL},
                                    {CheckBoxId::Check5, PickerId::CmbMZ, CounterId::VSMZ},
                                    {CheckBoxId::Check6, PickerId::CmbRM, CounterId::VSRM}};

} // namespace

// A kind box opens its row's picker; unticking closes the picker and the spinner but leaves the add
// button as it is.
void MainWindowModel::sourceKindRule(CheckBoxId kind)
{
    for (const SourceRow &row : SourceRows) {
        if (row.kind != kind)
            continue;
        pickerState(row.picker).enabled = ticked(kind);
        if (!ticked(kind))
            counterState(row.counter).enabled = false;
    }
}

// Picks from the lists only; typing into a picker decides nothing until its add button.
void MainWindowModel::pickRule(PickerId id)
{
    const QString &picked = picker(id).text;
    switch (id) {
    case PickerId::CmbMC:
        counterState(CounterId::VSMC).enabled = true;
        enable(ButtonId::CmdMC, true);
        break;
    case PickerId::CmbAL:
        if (isSoftwareEntry(picked) && m_state.softwareAdded) {
            m_dialogs.message(SoftwareChosenAgain);
            break;
        }
        // One message block per filling of the source list; VSAL never opens, the count is always 1.
        if (!m_state.alarmBlockAdded)
            enable(ButtonId::CmdAL, true);
        break;
    case PickerId::CmbMZ:
        if (isSoftwareEntry(picked) && m_state.softwareAdded) {
            m_dialogs.message(SoftwareChosenAgain);
            break;
        }
        counterState(CounterId::VSMZ).enabled = true;
        enable(ButtonId::CmdMZ, true);
        break;
    case PickerId::CmbRM:
        if (m_state.consoleAdded) {
            m_dialogs.message(ConsolesChosenAgain);
            break;
        }
        counterState(CounterId::VSRM).enabled = true;
        enable(ButtonId::CmdRM, true);
        break;
    case PickerId::CmbBR: // the calculation reads the unit when it runs
        break;
    }
}

void MainWindowModel::addMicrophones()
{
    // Microphones are only counted: they draw no power and take no rack space of their own.
    const CounterState &count = counter(CounterId::VSMC);
    m_sourceList.items.append(equipmentLine(picker(PickerId::CmbMC).text, count.shown));
    m_state.micCount = addCount(m_state.micCount, shownCount(count));
}

void MainWindowModel::addAlarmBlock()
{
    const QString name = picker(PickerId::CmbAL).text;
    const CounterState &count = counter(CounterId::VSAL);
    m_sourceList.items.append(equipmentLine(name, count.shown));
    ДобАварБл(name, shownCount(count));
}

void MainWindowModel::addMusicSources()
{
    const QString name = picker(PickerId::CmbMZ).text;
    const CounterState &count = counter(CounterId::VSMZ);
    m_sourceList.items.append(equipmentLine(name, count.shown));
    ДобМузБл(name, shownCount(count));
}

void MainWindowModel::addConsoles()
{
    m_sourceList.items.append(equipmentLine(picker(PickerId::CmbRM).text, counter(CounterId::VSRM).shown));
    m_sourceList.items.append(
        equipmentLine(m_state.catalogue.asName, QString::number(m_state.selectorCount)));
    ДобКонс();
}

bool MainWindowModel::accountSource(const QString &name, std::int32_t count)
{
    if (accountUnit(m_state.catalogue, name, count, m_state.workingTotals))
        return true;
    m_dialogs.message(QStringLiteral("Ошибка в базе данных: ") + name);
    return false;
}

// Each addition restarts the working totals from the selection totals: a requirement change since the
// last addition has zeroed them, and the sources chosen before it must still count.
void MainWindowModel::ДобАварБл(const QString &name, std::int32_t count)
{
    const Action action(*this);
    const bool software = isSoftwareEntry(name);
    m_state.workingTotals = m_state.selectionTotals;
    if (!software && !accountSource(name, count))
        return;
    enable(ButtonId::CmdAL, false);
    m_state.alarmBlockAdded = true;
    if (software) {
        m_state.softwareAdded = true;
        m_state.softwareNumber = softwareZoneCapacity(name);
    }
    m_state.selectionTotals = m_state.workingTotals;
    m_state.alarmBlockCount = addCount(m_state.alarmBlockCount, count);
}

void MainWindowModel::ДобМузБл(const QString &name, std::int32_t count)
{
    const Action action(*this);
    const bool software = isSoftwareEntry(name);
    if (software && m_state.softwareAdded) {
        m_dialogs.message(SoftwareAddedAgain);
        return;
    }
    m_state.workingTotals = m_state.selectionTotals;
    if (software) {
        m_state.softwareAdded = true;
        m_state.softwareNumber = softwareZoneCapacity(name);
    } else if (!accountSource(name, count)) {
        return;
    }
    m_state.selectionTotals = m_state.workingTotals;
    m_state.musicSourceCount = addCount(m_state.musicSourceCount, count);
}

// A console takes over the inputs of two microphones and one music source.
void MainWindowModel::ДобКонс()
{
    const Action action(*this);
    m_state.consoleAdded = true;
    enable(ButtonId::CmdRM, false);
    m_state.micCount = m_state.micCount == 1   ? 0
                       : m_state.micCount >= 2 ? m_state.micCount - 2
                                               : m_state.micCount;
    if (m_state.musicSourceCount > 0)
        --m_state.musicSourceCount;
    m_state.workingTotals = m_state.selectionTotals;
    m_state.selectionTotals = m_state.workingTotals;
}

void MainWindowModel::ОчистСпиВх()
{
    const Action action(*this);
    m_sourceList.clear();
    m_state.alarmBlockAdded = false;
    m_state.softwareAdded = false;
    m_state.consoleAdded = false;
    m_state.calculationDone = false;
    m_state.micCount = 0;
    m_state.musicSourceCount = 0;
    m_state.alarmBlockCount = 0;
    m_state.softwareNumber = 0;
    m_state.selectionTotals = {};
}

} // namespace orvika
