#include "calc/proposal.h"
#include "catalogue/account_unit.h"
#include "catalogue/numbers.h"
#include "catalogue/software_entry.h"
#include "ui/check_box.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/spinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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
std::int32_t labelCount(const QLabel *label)
{
    return toInt32(leadingNumber(label->text())).value_or(0);
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

} // namespace

void MainWindow::connectSourceRules()
{
    // A kind box opens its row's picker; unticking closes the picker and the spinner but leaves the
    // add button as it is.
    const struct
    {
        QCheckBox *kind;
        QComboBox *picker;
        Spinner *spinner;
    } rows[] = {{Check4, CmbMC, VSMC}, {Check3, CmbAL, VSAL}, {Check5, CmbMZ, VSMZ}, {Check6, CmbRM, VSRM}};
    for (const auto &row : rows) {
        connect(row.kind, &QCheckBox::toggled, this,
                [kind = row.kind, picker = row.picker, spinner = row.spinner] {
                    picker->setEnabled(ticked(kind));
                    if (!ticked(kind))
                        spinner->setEnabled(false);
                });
    }

    // Picks from the lists only; typing into a picker decides nothing until its add button.
    connect(CmbMC, &QComboBox::activated, this, [this] {
        VSMC->setEnabled(true);
        CmdMC->setEnabled(true);
    });
    connect(CmbAL, &QComboBox::activated, this, &MainWindow::chooseAlarmBlock);
    connect(CmbMZ, &QComboBox::activated, this, &MainWindow::chooseMusicSource);
    connect(CmbRM, &QComboBox::activated, this, &MainWindow::chooseConsole);

    connect(VSMC, &QAbstractSlider::valueChanged, this,
            [this](int value) { LblMC->setText(QString::number(value)); });
    connect(VSMZ, &QAbstractSlider::valueChanged, this,
            [this](int value) { LblMZ->setText(QString::number(value)); });
    connect(VSRM, &QAbstractSlider::valueChanged, this,
            [this](int value) { LblRM->setText(QString::number(value)); });

    connect(CmdMC, &QPushButton::clicked, this, &MainWindow::addMicrophones);
    connect(CmdAL, &QPushButton::clicked, this, &MainWindow::addAlarmBlock);
    connect(CmdMZ, &QPushButton::clicked, this, &MainWindow::addMusicSources);
    connect(CmdRM, &QPushButton::clicked, this, &MainWindow::addConsoles);
}

void MainWindow::chooseAlarmBlock()
{
    if (isSoftwareEntry(CmbAL->currentText()) && m_state.softwareAdded) {
        m_dialogs.message(this, SoftwareChosenAgain);
        return;
    }
    // One message block per filling of the source list; VSAL never opens, the count is always 1.
    if (!m_state.alarmBlockAdded)
        CmdAL->setEnabled(true);
}

void MainWindow::chooseMusicSource()
{
    if (isSoftwareEntry(CmbMZ->currentText()) && m_state.softwareAdded) {
        m_dialogs.message(this, SoftwareChosenAgain);
        return;
    }
    VSMZ->setEnabled(true);
    CmdMZ->setEnabled(true);
}

void MainWindow::chooseConsole()
{
    if (m_state.consoleAdded) {
        m_dialogs.message(this, ConsolesChosenAgain);
        return;
    }
    VSRM->setEnabled(true);
    CmdRM->setEnabled(true);
}

void MainWindow::addMicrophones()
{
    // Microphones are only counted: they draw no power and take no rack space of their own.
    List1->addItem(equipmentLine(CmbMC->currentText(), LblMC->text()));
    m_state.micCount = addCount(m_state.micCount, labelCount(LblMC));
}

void MainWindow::addAlarmBlock()
{
    List1->addItem(equipmentLine(CmbAL->currentText(), LblAL->text()));
    ДобАварБл(CmbAL->currentText(), labelCount(LblAL));
}

void MainWindow::addMusicSources()
{
    List1->addItem(equipmentLine(CmbMZ->currentText(), LblMZ->text()));
    ДобМузБл(CmbMZ->currentText(), labelCount(LblMZ));
}

void MainWindow::addConsoles()
{
    List1->addItem(equipmentLine(CmbRM->currentText(), LblRM->text()));
    List1->addItem(equipmentLine(m_state.catalogue.asName, QString::number(m_state.selectorCount)));
    ДобКонс();
}

bool MainWindow::accountSource(const QString &name, std::int32_t count)
{
    if (accountUnit(m_state.catalogue, name, count, m_state.workingTotals))
        return true;
    m_dialogs.message(this, QStringLiteral("Ошибка в базе данных: ") + name);
    return false;
}

// Each addition restarts the working totals from the selection totals: a requirement change since the
// last addition has zeroed them, and the sources chosen before it must still count.
void MainWindow::ДобАварБл(const QString &name, std::int32_t count)
{
    const bool software = isSoftwareEntry(name);
    m_state.workingTotals = m_state.selectionTotals;
    if (!software && !accountSource(name, count))
        return;
    CmdAL->setEnabled(false);
    m_state.alarmBlockAdded = true;
    if (software) {
        m_state.softwareAdded = true;
        m_state.softwareNumber = softwareZoneCapacity(name);
    }
    m_state.selectionTotals = m_state.workingTotals;
    m_state.alarmBlockCount = addCount(m_state.alarmBlockCount, count);
}

void MainWindow::ДобМузБл(const QString &name, std::int32_t count)
{
    const bool software = isSoftwareEntry(name);
    if (software && m_state.softwareAdded) {
        m_dialogs.message(this, SoftwareAddedAgain);
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
void MainWindow::ДобКонс()
{
    m_state.consoleAdded = true;
    CmdRM->setEnabled(false);
    m_state.micCount = m_state.micCount == 1   ? 0
                       : m_state.micCount >= 2 ? m_state.micCount - 2
                                               : m_state.micCount;
    if (m_state.musicSourceCount > 0)
        --m_state.musicSourceCount;
    m_state.workingTotals = m_state.selectionTotals;
    m_state.selectionTotals = m_state.workingTotals;
}

void MainWindow::ОчистСпиВх()
{
    List1->clear();
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
