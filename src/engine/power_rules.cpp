#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "files/numbers.h"

#include <QLocale>

// Frame2: the load in watts, as one total in TxtP or as a list of zone powers in List2; and the two
// clearing buttons.
namespace orvika {
namespace {

const QString ZoneDialogTitle = QStringLiteral("Раскладка по мощности");
constexpr double ZonePowerLimit = 1500;

} // namespace

// Either option leaves the other input as it is; the total-power step reads only the selected one.
void MainWindowModel::powerModeRule()
{
    if (m_controls.powerMode == PowerMode::Total) {
        m_controls.totalPower.enabled = true;
        m_controls.totalPower.text.clear();
        enable(ButtonId::CmdAdd, false);
        enable(ButtonId::CmdDl, false);
    } else if (m_controls.powerMode == PowerMode::PerZone) {
        m_controls.totalPower.enabled = false;
        enable(ButtonId::CmdAdd, true);
    }
    ОчистСпиУс();
}

bool MainWindowModel::acceptsTypedPower(const QString &typed)
{
    for (const QChar c : typed) {
        if (!(c >= u'0' && c <= u'9') && c != QChar(8))
            return false;
    }
    return true;
}

void MainWindowModel::addZone()
{
    if (!zoneMayBeAdded())
        return;
    // The prompt names 1000 W; the limit applied is 1500 W.
    const QString prompt = QStringLiteral("Введите мощность зоны ") +
                           QString::number(m_state.zoneListCount + 1) + MessageLineBreak +
                           QStringLiteral("Мощность зоны не должна превышать 1000Вт.");
    addZoneAnswer(m_dialogs.input(ZoneDialogTitle, prompt, QString(), InputPlace::OverWindow));
}

bool MainWindowModel::zoneMayBeAdded()
{
    if (!ticked(CheckBoxId::Check1)) {
        m_dialogs.message(QStringLiteral("Выберите многозонную систему и установите нужное количество зон"));
        return false;
    }
    if (m_state.zoneListCount >= m_state.zoneCount) {
        m_dialogs.message(QStringLiteral("Общеее количество зон - ") + counter(CounterId::VSKZ).shown);
        return false;
    }
    return true;
}

bool MainWindowModel::addZoneAnswer(const QString &answer)
{
    // The answer must be a number in the user's notation; its value is what the calculation will read
    // from the line later, the number at its start with a period as the decimal point.
    const double power = leadingNumber(answer);
    if (!localeNumber(answer, QLocale()) || !(power > 0)) {
        m_dialogs.message(QStringLiteral("Ведите (цифровое)значение можности в ваттах"));
        return false;
    }
    if (power > ZonePowerLimit) {
        m_dialogs.message(QStringLiteral("Мощность зоны не должна превышать ") +
                          QString::number(ZonePowerLimit) + QStringLiteral(" Вт"));
        return false;
    }
    ++m_state.zoneListCount;
    m_zoneList.items.append(QStringLiteral("Зона ") + QString::number(m_state.zoneListCount) +
                            QStringLiteral(" - ") + answer + QStringLiteral(" Вт"));
    enable(ButtonId::CmdDl, true);
    return true;
}

void MainWindowModel::clearZones()
{
    m_zoneList.clear();
    m_state.zoneListCount = 0;
}

// The zone list, TxtP and the requirements stay: only the sources and the proposal go.
void MainWindowModel::clearSources()
{
    ОчистСпиУс();
    ОчистСпиВх();
    clearProposal();
}

} // namespace orvika
