#include "ui/check_box.h"
#include "ui/main_window.h"
#include "ui/spinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

// Frame1 (zones, channels), Frame4 (options), the power reserve and Frame5 (line control). Every
// change of a requirement drops the results of the last calculation.
namespace orvika {

void MainWindow::connectParameterRules()
{
    // A count follows its spinner only while the multi-zone (multi-channel) box is ticked; the
    // label keeps the spinner's last number either way.
    connect(Check1, &QCheckBox::toggled, this, [this] {
        VSKZ->setEnabled(ticked(Check1));
        m_state.zoneCount = ticked(Check1) ? VSKZ->value() : 1;
        ОчистСпиУс();
    });
    connect(Check2, &QCheckBox::toggled, this, [this] {
        VSCH->setEnabled(ticked(Check2));
        m_state.channelCount = ticked(Check2) ? VSCH->value() : 1;
        ОчистСпиУс();
    });
    connect(VSKZ, &QAbstractSlider::valueChanged, this,
            [this](int value) { ppkz(static_cast<std::int16_t>(value)); });
    connect(VSCH, &QAbstractSlider::valueChanged, this,
            [this](int value) { ppkk(static_cast<std::int16_t>(value)); });

    // The reserve unit stays in CmbBR's text while the box is unticked; the calculation reads it.
    connect(ChkBR, &QCheckBox::toggled, this, [this] {
        CmbBR->setEnabled(ticked(ChkBR));
        ОчистСпиУс();
    });
    for (QCheckBox *option : {ChkAtt, ChkBL, ChkPD, ChkRP, ChkRU})
        connect(option, &QCheckBox::toggled, this, [this] { ОчистСпиУс(); });

    // The total-power step reads the percentage from LblZP, so the label is what must follow.
    connect(ChkZP, &QCheckBox::toggled, this, [this] {
        VSZP->setEnabled(ticked(ChkZP));
        ОчистСпиУс();
    });
    connect(VSZP, &QAbstractSlider::valueChanged, this, [this](int value) {
        LblZP->setText(QString::number(value));
        ОчистСпиУс();
    });

    // "Нет" resets like the other two choices, so every line-control change drops the old results.
    for (QRadioButton *choice : {OptR, OptA, Option1}) {
        connect(choice, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected)
                ОчистСпиУс();
        });
    }
}

void MainWindow::ppkz(std::int16_t kz)
{
    LblZ->setText(QString::number(kz));
    m_state.zoneCount = kz;
    ОчистСпиУс();
}

void MainWindow::ppkk(std::int16_t kk)
{
    LblCh->setText(QString::number(kk));
    m_state.channelCount = kk;
    ОчистСпиУс();
}

void MainWindow::ОчистСпиУс()
{
    m_state.workingTotals = {};
    m_state.cabinetCount = 0;
    m_state.selectorCount = 1;
    m_state.ampGroupCount = 0;
    m_state.ampPowerFound = false;
    m_state.calculationDone = false;
}

} // namespace orvika
