#include "calc/calculation.h"
#include "catalogue/text_file.h"
#include "report/report_writer.h"
#include "ui/check_box.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace orvika {
namespace {

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    items.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

} // namespace

void MainWindow::connectCalculationRules()
{
    connect(CmdUs, &QPushButton::clicked, this, &MainWindow::composeSpecification);
}

Requirements MainWindow::gatherRequirements() const
{
    Requirements r;
    r.semiAutomatic = ticked(Check4);
    r.automatic = ticked(Check3);
    r.music = ticked(Check5);
    r.remoteConsole = ticked(Check6);

    r.multiZone = ticked(Check1);
    r.zoneCount = m_state.zoneCount;
    r.multiChannel = ticked(Check2);
    r.channelCount = m_state.channelCount;

    r.powerMode = Opt1->isChecked()   ? PowerMode::Total
                  : Opt2->isChecked() ? PowerMode::PerZone
                                      : PowerMode::None;
    r.totalPowerText = TxtP->text();
    r.zoneLines = itemsOf(List2);
    r.zoneListCount = m_state.zoneListCount;
    r.powerReserve = ticked(ChkZP);
    r.reservePercentText = LblZP->text();

    r.lineControl = OptR->isChecked()   ? LineControl::Manual
                    : OptA->isChecked() ? LineControl::Automatic
                                        : LineControl::None;
    r.amplifierReserve = ticked(ChkBR);
    r.reserveUnitText = CmbBR->currentText();
    r.attenuatorControl = ticked(ChkAtt);
    r.fans = ticked(ChkBL);
    r.automaticPowerOn = ticked(ChkPD);
    r.powerSupplyReserve = ticked(ChkRP);
    r.cabinet = ticked(ChkRU);

    r.sourceLines = itemsOf(List1);
    r.micCount = m_state.micCount;
    r.alarmBlockCount = m_state.alarmBlockCount;
    r.musicSourceCount = m_state.musicSourceCount;
    r.softwareAdded = m_state.softwareAdded;
    r.softwareNumber = m_state.softwareNumber;
    r.selectionTotals = m_state.selectionTotals;
    return r;
}

// The calculation as "Составить спецификацию" runs it, short of the report: its messages shown in
// order, the proposal in List3 with the reason of each line on hovering. Empty when it stopped.
std::optional<MainWindow::FinishedCalculation> MainWindow::runCalculation()
{
    List3->clear();
    ОчистСпиУс();
    const Requirements requirements = gatherRequirements();
    const Proposal proposal = calculate(m_state.catalogue, m_state.schemes.lines, requirements);
    m_state.micCount = proposal.micCount;
    List3->addItems(proposal.lines);
    for (qsizetype i = 0; i < proposal.items.size() && i < List3->count(); ++i)
        List3->item(int(i))->setToolTip(proposal.items.at(i).reason);
    for (const CalcMessage &message : proposal.messages)
        m_dialogs.message(this, message.text);
    if (!proposal.complete) {
        ОчистСпиУс();
        return std::nullopt;
    }
    m_state.workingTotals = proposal.totals;
    m_state.totalPower = proposal.totalPower;
    m_state.schemeChoice = proposal.schemeChoice;
    m_state.calculationDone = true;
    return FinishedCalculation{requirements, proposal};
}

// "Составить спецификацию": a complete proposal is written to the report, and its documents are
// offered once it is.
void MainWindow::composeSpecification()
{
    const std::optional<FinishedCalculation> finished = runCalculation();
    if (!finished)
        return;
    if (Pech())
        rememberFinishedCalculation(*finished);
    ОчистСпиУс();
}

bool MainWindow::Pech()
{
    if (!m_state.calculationDone) {
        m_dialogs.message(this, QStringLiteral("Вначале произведите расчет"));
        return false;
    }
    Proposal finished;
    finished.lines = itemsOf(List3);
    finished.totals = m_state.workingTotals;
    finished.totalPower = m_state.totalPower;
    finished.schemeChoice = m_state.schemeChoice;
    const QStringList lines = composeReport(gatherRequirements(), finished, QLocale());
    const QString path = QDir(m_state.appDir).filePath(ReportFileName);
    if (const auto error = writeFileAtomically(path, encodeLines(lines))) {
        m_dialogs.message(this, writeFailureMessage(ReportFileName, *error));
        return false;
    }
    m_dialogs.message(this, QStringLiteral("Данные находятся в файле Спецификация"));
    return true;
}

} // namespace orvika
