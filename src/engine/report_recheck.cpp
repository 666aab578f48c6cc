#include "engine/report_recheck.h"

#include "calc/calculation.h"
#include "engine/main_window_model.h"
#include "engine/report_restore.h"
#include "report/report_file.h"
#include "report/report_writer.h"

#include <QLocale>

namespace orvika {

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
    m_model = std::make_unique<MainWindowModel>(m_state, m_dialogs);
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
    restoreSavedReport(*m_model, *lines, outcome.stored);
    m_dialogs.messages.clear(); // what the load said is not kept from one report to the next
    // The calculation "Составить спецификацию" runs on the requirements the restored controls state;
    // the proposal is not shown, and nothing is written.
    const Requirements requirements = m_model->gatherRequirements();
    const Proposal proposal = calculate(m_state.catalogue, m_state.schemes.lines, requirements);
    if (!proposal.complete) {
        outcome.error = proposal.messages.isEmpty() ? QStringLiteral("расчёт не выполнен")
                                                    : proposal.messages.last().text;
        outcome.error.replace(MessageLineBreak, QStringLiteral(" "));
        return outcome;
    }
    const QStringList composed = composeReport(requirements, proposal, notationOfReport(*lines, QLocale()));
    if (composed == *lines) { // as the file holds it, line for line: nothing to compare
        outcome.composed = outcome.stored;
        return outcome;
    }
    outcome.composed = parseSavedReport(composed);
    outcome.comparison = compareReports(outcome.stored, outcome.composed);
    return outcome;
}

} // namespace orvika
