#include "documents/document_content.h"

#include "calc/calculation_state.h"
#include "catalogue/unit_figures.h"
#include "files/number_text.h"
#include "report/report_writer.h"

#include <cmath>

namespace orvika {

QString figureText(const std::optional<double> &value)
{
    return value ? russianNumber(*value) : QString();
}

std::int64_t heatBtuPerHour(double watts)
{
    return std::llround(watts * BtuPerHourPerWatt);
}

DocumentContent composeDocument(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal, const QDate &date, const QLocale &locale)
{
    DocumentContent content;
    content.date = date;
    for (const QString &line : composeRequirements(requirements, proposal.totalPower, locale)) {
        if (!line.isEmpty())
            content.requirements.append(line);
    }
    for (const QString &line : requirements.sourceLines) {
        if (!line.isEmpty())
            content.sources.append(line);
    }
    content.rows.reserve(proposal.lines.size());
    for (qsizetype i = 0; i < proposal.lines.size(); ++i) {
        const ProposedItem item = proposedItem(proposal, i);
        const UnitFigures figures = unitFigures(catalogue, item.designation);
        content.rows.append({int(i) + 1, item.designation, item.quantity, figures.powerDraw,
                             figures.heightUnits, item.reason});
    }
    content.totals = proposal.totals;
    content.heatBtuPerHour = heatBtuPerHour(proposal.totals.powerDraw);
    content.schemeChoice = proposal.schemeChoice;
    return content;
}

} // namespace orvika
