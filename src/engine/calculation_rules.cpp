#include "calc/calculation.h"
#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "files/text_file.h"
#include "report/report_writer.h"

#include <QDir>
#include <QLocale>

// "Составить спецификацию": the requirements gathered from the controls, the calculation, the
// proposal in List3 and the report.
namespace orvika {

Requirements MainWindowModel::gatherRequirements() const
{
    Requirements r;
    r.semiAutomatic = ticked(CheckBoxId::Check4);
    r.automatic = ticked(CheckBoxId::Check3);
    r.music = ticked(CheckBoxId::Check5);
    r.remoteConsole = ticked(CheckBoxId::Check6);

    r.multiZone = ticked(CheckBoxId::Check1);
    r.zoneCount = m_state.zoneCount;
    r.multiChannel = ticked(CheckBoxId::Check2);
    r.channelCount = m_state.channelCount;

    r.powerMode = m_controls.powerMode;
    r.totalPowerText = m_controls.totalPower.text;
    r.zoneLines = m_zoneList.items;
    r.zoneListCount = m_state.zoneListCount;
    r.powerReserve = ticked(CheckBoxId::ChkZP);
    r.reservePercentText = counter(CounterId::VSZP).shown;

    r.lineControl = m_controls.lineControl;
    r.amplifierReserve = ticked(CheckBoxId::ChkBR);
    r.reserveUnitText = picker(PickerId::CmbBR).text;
    r.attenuatorControl = ticked(CheckBoxId::ChkAtt);
    r.fans = ticked(CheckBoxId::ChkBL);
    r.automaticPowerOn = ticked(CheckBoxId::ChkPD);
    r.powerSupplyReserve = ticked(CheckBoxId::ChkRP);
    r.cabinet = ticked(CheckBoxId::ChkRU);

    r.sourceLines = m_sourceList.items;
    r.micCount = m_state.micCount;
    r.alarmBlockCount = m_state.alarmBlockCount;
    r.musicSourceCount = m_state.musicSourceCount;
    r.softwareAdded = m_state.softwareAdded;
    r.softwareNumber = m_state.softwareNumber;
    r.selectionTotals = m_state.selectionTotals;
    return r;
}

// Whatever empties List3 leaves it showing something other than the finished calculation.
void MainWindowModel::clearProposal()
{
    m_proposalList.clear();
    m_finished.reset();
}

std::optional<FinishedCalculation> MainWindowModel::runCalculation()
{
    const Action action(*this);
    clearProposal();
    ОчистСпиУс();
    const Requirements requirements = gatherRequirements();
    const Proposal proposal = calculate(m_state.catalogue, m_state.schemes.lines, requirements);
    m_state.micCount = proposal.micCount;
    m_proposalList.items = proposal.lines;
    for (qsizetype i = 0; i < proposal.lines.size(); ++i)
        m_proposalList.toolTips.append(i < proposal.items.size() ? proposal.items.at(i).reason : QString());
    for (const CalcMessage &message : proposal.messages)
        m_dialogs.message(message.text);
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

// A complete proposal is written to the report, and its documents are offered once it is.
void MainWindowModel::composeSpecification()
{
    std::optional<FinishedCalculation> finished = runCalculation();
    if (!finished)
        return;
    if (Pech()) {
        m_finished = std::move(finished);
        keepCardBesideReport(QDir(m_state.appDir).filePath(ReportFileName));
    }
    ОчистСпиУс();
}

bool MainWindowModel::Pech()
{
    const Action action(*this);
    if (!m_state.calculationDone) {
        m_dialogs.message(QStringLiteral("Вначале произведите расчет"));
        return false;
    }
    Proposal finished;
    finished.lines = m_proposalList.items;
    finished.totals = m_state.workingTotals;
    finished.totalPower = m_state.totalPower;
    finished.schemeChoice = m_state.schemeChoice;
    const QStringList lines = composeReport(gatherRequirements(), finished, QLocale());
    const QString path = QDir(m_state.appDir).filePath(ReportFileName);
    if (const auto error = writeFileAtomically(path, encodeLines(lines))) {
        m_dialogs.message(writeFailureMessage(ReportFileName, *error));
        return false;
    }
    m_dialogs.message(QStringLiteral("Данные находятся в файле Спецификация"));
    return true;
}

} // namespace orvika
