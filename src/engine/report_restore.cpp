#include "engine/report_restore.h"

#include "comparison/saved_report.h"
#include "engine/main_window_model.h"
#include "report/report_writer.h"

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

} // namespace

void restoreSavedReport(MainWindowModel &model, const QStringList &lines, const SavedReport &report)
{
    model.loadReportLines(lines);
    model.setLineControl(lineControlOf(report));
    const PickerState &reserve = model.picker(PickerId::CmbBR);
    model.setPickerText(PickerId::CmbBR,
                        reserveUnitOf(report, model.state().catalogue).value_or(reserve.prompt));
}

} // namespace orvika
