#include "ui/check_box.h"
#include "ui/main_window.h"
#include "ui/spinner.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <tuple>
#include <utility>

// The main window as a view of its model: every user action on a control becomes the model's call,
// and every change of the model is shown by the controls. While the controls are brought up to date,
// the signals they send are not handed back.
namespace orvika {
namespace {

// TxtP takes what the model accepts as typed power. Keys that type nothing (arrows, Delete, Home)
// and focus moves pass; so does Backspace.
class TypedPowerFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            return !MainWindowModel::acceptsTypedPower(key->text());
        }
    }
};

// Each control of the window with the model's control it shows.
auto checkBoxesOf(const MainWindow &w)
{
    return std::to_array<std::pair<QCheckBox *, CheckBoxId>>({{w.Check4, CheckBoxId::Check4},
                                                              {w.Check3, CheckBoxId::Check3},
                                                              {w.Check5, CheckBoxId::Check5},
                                                              {w.Check6, CheckBoxId::Check6},
                                                              {w.Check1, CheckBoxId::Check1},
                                                              {w.Check2, CheckBoxId::Check2},
                                                              {w.ChkZP, CheckBoxId::ChkZP},
                                                              {w.ChkBR, CheckBoxId::ChkBR},
                                                              {w.ChkAtt, CheckBoxId::ChkAtt},
                                                              {w.ChkBL, CheckBoxId::ChkBL},
                                                              {w.ChkPD, CheckBoxId::ChkPD},
                                                              {w.ChkRP, CheckBoxId::ChkRP},
                                                              {w.ChkRU, CheckBoxId::ChkRU}});
}

auto countersOf(const MainWindow &w)
{
    return std::to_array<std::tuple<Spinner *, QLabel *, CounterId>>({{w.VSMC, w.LblMC, CounterId::VSMC},
                                                                      {w.VSAL, w.LblAL, CounterId::VSAL},
                                                                      {w.VSMZ, w.LblMZ, CounterId::VSMZ},
                                                                      {w.VSRM, w.LblRM, CounterId::VSRM},
                                                                      {w.VSKZ, w.LblZ, CounterId::VSKZ},
                                                                      {w.VSCH, w.LblCh, CounterId::VSCH},
                                                                      {w.VSZP, w.LblZP, CounterId::VSZP}});
}

auto pickersOf(const MainWindow &w)
{
    return std::to_array<std::pair<QComboBox *, PickerId>>({{w.CmbMC, PickerId::CmbMC},
                                                            {w.CmbAL, PickerId::CmbAL},
                                                            {w.CmbMZ, PickerId::CmbMZ},
                                                            {w.CmbRM, PickerId::CmbRM},
                                                            {w.CmbBR, PickerId::CmbBR}});
}

auto buttonsOf(const MainWindow &w)
{
    return std::to_array<std::pair<QPushButton *, ButtonId>>({{w.CmdMC, ButtonId::CmdMC},
                                                              {w.CmdAL, ButtonId::CmdAL},
                                                              {w.CmdMZ, ButtonId::CmdMZ},
                                                              {w.CmdRM, ButtonId::CmdRM},
                                                              {w.CmdAdd, ButtonId::CmdAdd},
                                                              {w.CmdDl, ButtonId::CmdDl},
                                                              {w.CmdUs, ButtonId::CmdUs},
                                                              {w.Command2, ButtonId::Command2}});
}

void showList(QListWidget *list, const ListState &state, int &shownClearings, qsizetype &shownRows)
{
    if (shownClearings != state.clearings) {
        list->clear();
        shownClearings = state.clearings;
        shownRows = 0;
    }
    if (shownRows >= state.items.size())
        return;
    const int first = list->count();
    list->addItems(state.items.mid(shownRows));
    for (qsizetype row = shownRows; row < state.toolTips.size() && row < state.items.size(); ++row)
        list->item(first + int(row - shownRows))->setToolTip(state.toolTips.at(row));
    shownRows = state.items.size();
}

} // namespace

void MainWindow::connectModel()
{
    for (const auto &binding : checkBoxesOf(*this)) {
        QCheckBox *const box = binding.first;
        const CheckBoxId id = binding.second;
        connect(box, &QCheckBox::toggled, this, [this, box, id] {
            if (!m_showing)
                m_model.setTicked(id, ticked(box));
        });
    }

    for (const auto &binding : countersOf(*this)) {
        const CounterId id = std::get<CounterId>(binding);
        connect(std::get<Spinner *>(binding), &QAbstractSlider::valueChanged, this, [this, id](int value) {
            if (!m_showing)
                m_model.setCounterValue(id, value);
        });
    }

    for (const auto &binding : pickersOf(*this)) {
        QComboBox *const picker = binding.first;
        const PickerId id = binding.second;
        connect(picker, &QComboBox::editTextChanged, this, [this, id](const QString &text) {
            if (!m_showing)
                m_model.setPickerText(id, text);
        });
        connect(picker, &QComboBox::activated, this, [this, id](int item) { m_model.pick(id, item); });
    }

    const std::pair<QRadioButton *, PowerMode> powerModes[] = {{Opt1, PowerMode::Total},
                                                               {Opt2, PowerMode::PerZone}};
    for (const auto &binding : powerModes) {
        const PowerMode mode = binding.second;
        connect(binding.first, &QRadioButton::toggled, this, [this, mode](bool selected) {
            if (selected && !m_showing)
                m_model.setPowerMode(mode);
        });
    }
    const std::pair<QRadioButton *, LineControl> lineControls[] = {
        {OptR, LineControl::Manual}, {OptA, LineControl::Automatic}, {Option1, LineControl::None}};
    for (const auto &binding : lineControls) {
        const LineControl control = binding.second;
        connect(binding.first, &QRadioButton::toggled, this, [this, control](bool selected) {
            if (selected && !m_showing)
                m_model.setLineControl(control);
        });
    }

    TxtP->installEventFilter(new TypedPowerFilter(TxtP));
    connect(TxtP, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_showing)
            m_model.setTotalPowerText(text);
    });

    for (const auto &binding : buttonsOf(*this)) {
        const ButtonId id = binding.second;
        connect(binding.first, &QPushButton::clicked, this, [this, id] { m_model.click(id); });
    }

    // The controls were built showing the model's first state.
    static_cast<ControlStates &>(m_shown) = m_model.controls();

    connect(&m_model, &MainWindowModel::changed, this, &MainWindow::showModel);
    // A box about to cover the window shows it as the rules have left it so far.
    m_seam.beforeBox = [this] { showModel(); };
}

void MainWindow::showModel()
{
    const bool wasShowing = m_showing;
    m_showing = true;

    for (const auto &[box, id] : checkBoxesOf(*this)) {
        const bool ticked = m_model.ticked(id);
        if (std::exchange(m_shown.ticked[std::size_t(id)], ticked) != ticked)
            box->setChecked(ticked);
    }

    for (const auto &[spinner, label, id] : countersOf(*this)) {
        const CounterState &counter = m_model.counter(id);
        CounterState &shown = m_shown.counters[std::size_t(id)];
        if (std::exchange(shown.enabled, counter.enabled) != counter.enabled)
            spinner->setEnabled(counter.enabled);
        if (std::exchange(shown.value, counter.value) != counter.value)
            spinner->setValue(counter.value);
        if (shown.shown != counter.shown)
            label->setText(shown.shown = counter.shown);
    }

    for (const auto &[picker, id] : pickersOf(*this)) {
        const PickerState &state = m_model.picker(id);
        PickerState &shown = m_shown.pickers[std::size_t(id)];
        if (std::exchange(shown.enabled, state.enabled) != state.enabled)
            picker->setEnabled(state.enabled);
        if (shown.text != state.text) {
            shown.text = state.text;
            if (picker->currentText() != state.text)
                picker->setEditText(state.text);
        }
    }

    for (const auto &[button, id] : buttonsOf(*this)) {
        const bool enabled = m_model.buttonEnabled(id);
        if (std::exchange(m_shown.buttons[std::size_t(id)], enabled) != enabled)
            button->setEnabled(enabled);
    }

    // Option buttons exclude each other: selecting one is all it takes. Neither power option is
    // selected until the user selects one, and no rule takes the selection back.
    if (std::exchange(m_shown.powerMode, m_model.powerMode()) != m_model.powerMode()) {
        if (m_model.powerMode() == PowerMode::Total)
            Opt1->setChecked(true);
        else if (m_model.powerMode() == PowerMode::PerZone)
            Opt2->setChecked(true);
    }
    if (std::exchange(m_shown.lineControl, m_model.lineControl()) != m_model.lineControl()) {
        const LineControl control = m_model.lineControl();
        (control == LineControl::Manual      ? OptR
         : control == LineControl::Automatic ? OptA
                                             : Option1)
            ->setChecked(true);
    }

    const TextFieldState &totalPower = m_model.totalPower();
    if (std::exchange(m_shown.totalPower.enabled, totalPower.enabled) != totalPower.enabled)
        TxtP->setEnabled(totalPower.enabled);
    if (m_shown.totalPower.text != totalPower.text) {
        m_shown.totalPower.text = totalPower.text;
        if (TxtP->text() != totalPower.text)
            TxtP->setText(totalPower.text);
    }

    showList(List1, m_model.sourceList(), m_shown.listClearings[0], m_shown.listRows[0]);
    showList(List2, m_model.zoneList(), m_shown.listClearings[1], m_shown.listRows[1]);
    showList(List3, m_model.proposalList(), m_shown.listClearings[2], m_shown.listRows[2]);

    // The documents are offered while List3 shows a calculation that wrote its report.
    const bool finished = m_model.finishedCalculation().has_value();
    if (std::exchange(m_shown.finished, finished) != finished) {
        for (QAction *action :
             {printDocumentAction, exportPdfAction, exportCsvAction, exportExcelAction, exportGostPdfAction,
              exportGostExcelAction, exportSchemePdfAction, exportCalculationsPdfAction,
              exportCalculationsOdtAction, rackViewAction, diagramViewAction, compareWithSavedAction})
            action->setEnabled(finished);
    }

    m_showing = wasShowing;
}

} // namespace orvika
