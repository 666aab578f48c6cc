#include "engine/main_window_model.h"

// Frame1 (zones, channels), Frame4 (options), the power reserve and Frame5 (line control). Every
// change of a requirement drops the results of the last calculation.
namespace orvika {

void MainWindowModel::checkBoxRule(CheckBoxId box)
{
    switch (box) {
    case CheckBoxId::Check4:
    case CheckBoxId::Check3:
    case CheckBoxId::Check5:
    case CheckBoxId::Check6:
        sourceKindRule(box);
        return;
    // A count follows its spinner only while the multi-zone (multi-channel) box is ticked; the
    // label keeps the spinner's last number either way.
    case CheckBoxId::Check1:
        counterState(CounterId::VSKZ).enabled = ticked(box);
        m_state.zoneCount = ticked(box) ? counter(CounterId::VSKZ).value : 1;
        break;
    case CheckBoxId::Check2:
        counterState(CounterId::VSCH).enabled = ticked(box);
        m_state.channelCount = ticked(box) ? counter(CounterId::VSCH).value : 1;
        break;
    // The reserve unit stays in CmbBR's text while the box is unticked; the calculation reads it.
    case CheckBoxId::ChkBR:
        pickerState(PickerId::CmbBR).enabled = ticked(box);
        break;
    // The total-power step reads the percentage from LblZP, so the label is what must follow.
    case CheckBoxId::ChkZP:
        counterState(CounterId::VSZP).enabled = ticked(box);
        break;
    case CheckBoxId::ChkAtt:
    case CheckBoxId::ChkBL:
    case CheckBoxId::ChkPD:
    case CheckBoxId::ChkRP:
    case CheckBoxId::ChkRU:
        break;
    }
    ОчистСпиУс();
}

void MainWindowModel::counterRule(CounterId id)
{
    CounterState &state = counterState(id);
    switch (id) {
    case CounterId::VSMC:
    case CounterId::VSMZ:
    case CounterId::VSRM:
        state.shown = QString::number(state.value);
        break;
    case CounterId::VSAL: // one message block at most: its label always reads 1
        break;
    case CounterId::VSKZ:
        ppkz(static_cast<std::int16_t>(state.value));
        break;
    case CounterId::VSCH:
        ppkk(static_cast<std::int16_t>(state.value));
        break;
    case CounterId::VSZP:
        state.shown = QString::number(state.value);
        ОчистСпиУс();
        break;
    }
}

void MainWindowModel::ppkz(std::int16_t kz)
{
    const Action action(*this);
    counterState(CounterId::VSKZ).shown = QString::number(kz);
    m_state.zoneCount = kz;
    ОчистСпиУс();
}

void MainWindowModel::ppkk(std::int16_t kk)
{
    const Action action(*this);
    counterState(CounterId::VSCH).shown = QString::number(kk);
    m_state.channelCount = kk;
    ОчистСпиУс();
}

void MainWindowModel::ОчистСпиУс()
{
    m_state.workingTotals = {};
    m_state.cabinetCount = 0;
    m_state.selectorCount = 1;
    m_state.ampGroupCount = 0;
    m_state.ampPowerFound = false;
    m_state.calculationDone = false;
}

} // namespace orvika
