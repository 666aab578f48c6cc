#include "engine/report_restore.h"

#include "comparison/saved_report.h"
#include "engine/main_window_model.h"
#include "report/report_writer.h"

#include <QHash>

namespace orvika {
namespace {

// The line control the report states; none unless it names one.
LineControl lineControlOf(const SavedReport &report)
{
    for (const LineControl control : {LineControl::Manual, LineControl::Automatic}) {
        if (report.requirements.contains(lineControlRequirement(control)))
            return control;
    }
    return LineControl::None;
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

// The lines that the other list does not hold as often, in order; blank lines left out.
QStringList linesBeyond(const QStringList &lines, const QStringList &other)
{
    QHash<QString, int> held;
    for (const QString &line : other)
        ++held[line];
    QStringList beyond;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        int &count = held[line];
        if (count > 0)
            --count;
        else
            beyond.append(line);
    }
    return beyond;
}

} // namespace

void restoreSavedReport(MainWindowModel &model, const QStringList &lines, const SavedReport &report)
{
    model.loadReportLines(lines, SourceLines::Listed);
    model.setLineControl(lineControlOf(report));
    const PickerState &reserve = model.picker(PickerId::CmbBR);
    model.setPickerText(PickerId::CmbBR,
                        reserveUnitOf(report, model.state().catalogue).value_or(reserve.prompt));
}

ReportLineDifferences differingLines(const QStringList &saved, const QStringList &composed)
{
    return {linesBeyond(saved, composed), linesBeyond(composed, saved)};
}

} // namespace orvika
