#include "engine/main_window_model.h"

namespace orvika {
namespace {

CounterState closedCounter(int minimum, int maximum, int value, int step = 1)
{
    CounterState state;
    state.minimum = minimum;
    state.maximum = maximum;
    state.value = value;
    state.step = step;
    state.shown = QString::number(value);
    return state;
}

PickerState closedPicker(const QStringList &items, const QString &prompt)
{
    return PickerState{items, prompt, prompt, false};
}

} // namespace

// The window as it opens: no requirement ticked, no line control, the counters and pickers closed
// until their rows are chosen, the pickers showing their prompts.
MainWindowModel::MainWindowModel(SharedState &state, DialogSeam &dialogs)
    : m_state(state), m_dialogs(dialogs), m_card(newProjectCard(ProjectCard(), QDate::currentDate()))
{
    m_controls.counters[index(CounterId::VSMC)] = closedCounter(1, 50, 1);
    m_controls.counters[index(CounterId::VSAL)] = closedCounter(1, 1, 1);
    m_controls.counters[index(CounterId::VSMZ)] = closedCounter(1, 70, 1);
    m_controls.counters[index(CounterId::VSRM)] = closedCounter(1, 16, 1);
    m_controls.counters[index(CounterId::VSKZ)] = closedCounter(2, 160, 2);
    m_controls.counters[index(CounterId::VSCH)] = closedCounter(2, 8, 2);
    m_controls.counters[index(CounterId::VSZP)] = closedCounter(5, 25, 20, 5);

    const Catalogue &catalogue = m_state.catalogue;
    m_controls.pickers[index(PickerId::CmbMC)] =
        closedPicker(catalogue.microphones, QStringLiteral("Выберите микрофон"));
    m_controls.pickers[index(PickerId::CmbAL)] =
        closedPicker(catalogue.alarmBlocks, QStringLiteral("Выберите блок"));
    m_controls.pickers[index(PickerId::CmbMZ)] =
        closedPicker(catalogue.musicSources, QStringLiteral("Выберите источник"));
    m_controls.pickers[index(PickerId::CmbRM)] =
        closedPicker(catalogue.consoles, QStringLiteral("Выберите консоль"));
    m_controls.pickers[index(PickerId::CmbBR)] =
        closedPicker(catalogue.reserveUnits, QStringLiteral("Выберите блок"));

    // The add buttons open with their rows; "Очистить" of the zone list is there from the start.
    m_controls.buttons.fill(true);
    for (ButtonId closed :
         {ButtonId::CmdMC, ButtonId::CmdAL, ButtonId::CmdMZ, ButtonId::CmdRM, ButtonId::CmdAdd})
        enable(closed, false);
}

MainWindowModel::Action::~Action()
{
    if (--m_model.m_actionDepth == 0)
        emit m_model.changed();
}

void MainWindowModel::setTicked(CheckBoxId box, bool ticked)
{
    if (m_controls.ticked[index(box)] == ticked)
        return;
    const Action action(*this);
    m_controls.ticked[index(box)] = ticked;
    checkBoxRule(box);
}

// A spinner set by the program runs its rule whether it is enabled or not, as a scroll bar does.
void MainWindowModel::setCounterValue(CounterId id, int value)
{
    CounterState &state = counterState(id);
    value = state.bounded(value);
    if (state.value == value)
        return;
    const Action action(*this);
    state.value = value;
    counterRule(id);
}

// Picking runs the rule every time, also when the item shown is picked again.
void MainWindowModel::pick(PickerId id, int item)
{
    PickerState &state = pickerState(id);
    if (item < 0 || item >= state.items.size())
        return;
    const Action action(*this);
    state.text = state.items.at(item);
    pickRule(id);
}

void MainWindowModel::setPickerText(PickerId id, const QString &text)
{
    PickerState &state = pickerState(id);
    if (state.text == text)
        return;
    const Action action(*this);
    state.text = text;
}

void MainWindowModel::setPowerMode(PowerMode mode)
{
    if (m_controls.powerMode == mode)
        return;
    const Action action(*this);
    m_controls.powerMode = mode;
    powerModeRule();
}

// "Нет" resets like the other two choices, so every line-control change drops the old results.
void MainWindowModel::setLineControl(LineControl control)
{
    if (m_controls.lineControl == control)
        return;
    const Action action(*this);
    m_controls.lineControl = control;
    ОчистСпиУс();
}

void MainWindowModel::setTotalPowerText(const QString &text)
{
    if (m_controls.totalPower.text == text)
        return;
    const Action action(*this);
    m_controls.totalPower.text = text;
}

void MainWindowModel::click(ButtonId id)
{
    const Action action(*this);
    switch (id) {
    case ButtonId::CmdMC:
        addMicrophones();
        break;
    case ButtonId::CmdAL:
        addAlarmBlock();
        break;
    case ButtonId::CmdMZ:
        addMusicSources();
        break;
    case ButtonId::CmdRM:
        addConsoles();
        break;
    case ButtonId::CmdAdd:
        addZone();
        break;
    case ButtonId::CmdDl:
        clearZones();
        break;
    case ButtonId::CmdUs:
        composeSpecification();
        break;
    case ButtonId::Command2:
        clearSources();
        break;
    }
}

} // namespace orvika
