#include "ui/report_recheck.h"

#include "calc/calculation.h"
#include "report/report_file.h"
#include "report/report_writer.h"
#include "ui/main_window.h"
#include "ui/report_loader.h"

#include <QRadioButton>

namespace orvika {
namespace {

// The line control the report states; none unless it names one.
void restoreLineControl(MainWindow &window, const SavedReport &report)
{
    const auto states = [&report](LineControl control) {
        return report.requirements.contains(lineControlRequirement(control));
    };
    QRadioButton *choice = states(LineControl::Manual)      ? window.OptR
                           : states(LineControl::Automatic) ? window.OptA
                                                            : window.Option1;
    choice->setChecked(true);
}

// The amplifier reserve unit of its proposal, if it proposes one.
std::optional<QString> reserveUnitOf(const SavedReport &report, const Catalogue &catalogue)
{
    for (const CountedItem &item : report.equipment) {
        if (catalogue.reserveUnits.contains(item.designation))
            return item.designation;
    }
    return std::nullopt;
}

} // namespace

QString RecheckOutcome::verdict() const
{
    if (!error.isEmpty())
        return QStringLiteral("ошибка: ") + error;
    if (comparison.count() == 0)
        return QStringLiteral("без изменений");
    return QStringLiteral("изменилось (%1)").arg(comparison.count());
}

ReportRechecker::ReportRechecker(const SharedState &started)
{
    m_state.appDir = started.appDir;
    m_state.catalogue = started.catalogue;
    m_state.schemes = started.schemes;
    m_state.blockCount = started.blockCount;
    m_window = std::make_unique<MainWindow>(m_state, m_dialogs);
}

ReportRechecker::~ReportRechecker() = default;

RecheckOutcome ReportRechecker::recheck(const QString &path)
{
    RecheckOutcome outcome;
    // The file is read once: the stored parts and the load both come from its lines.
    const std::optional<QStringList> lines = readReportLines(path, &outcome.error);
    if (!lines)
        return outcome;
    outcome.stored = parseSavedReport(*lines);
    if (!outcome.stored.isReport) {
        outcome.error = QStringLiteral("это не спецификация");
        return outcome;
    }
    loadReportLines(*m_window, *lines);
    restoreLineControl(*m_window, outcome.stored);
    // The calculation "Составить спецификацию" runs, on the requirements as the window now states
    // them with the report's reserve unit; the proposal is not shown, and nothing is written.
    Requirements requirements = m_window->gatherRequirements();
    // Without one the picker's text stays: its prompt, as no load or re-check changes it.
    if (const std::optional<QString> unit = reserveUnitOf(outcome.stored, m_state.catalogue))
        requirements.reserveUnitText = *unit;
    const Proposal proposal = calculate(m_state.catalogue, m_state.schemes.lines, requirements);
    if (!proposal.complete) {
        outcome.error = proposal.messages.isEmpty() ? QStringLiteral("расчёт не выполнен")
                                                    : proposal.messages.last().text;
        outcome.error.replace(MessageLineBreak, QStringLiteral(" "));
        return outcome;
    }
    const QStringList composed = composeReport(requirements, proposal, QLocale());
    if (composed == *lines) { // as the file holds it, line for line: nothing to compare
        outcome.composed = outcome.stored;
        return outcome;
    }
    outcome.composed = parseSavedReport(composed);
    outcome.comparison = compareReports(outcome.stored, outcome.composed);
    return outcome;
}

} // namespace orvika
