#pragma once

#include <QStringList>

namespace orvika {

class MainWindowModel;
struct SavedReport;

// A saved report restored for work without the window (the command line's export, the re-check):
// loaded by the steps of "Загрузить спецификацию", except that every listed line of its source
// section is read as a source, whatever the source is called (the window's load takes only those
// naming "ZEP" or "- K-"); then the two choices that load leaves as they were are taken from the
// report too, the line control from its requirement line and the amplifier reserve unit from its
// proposal line (the picker's prompt when it proposes none). Composed again with an unchanged
// catalogue, it gives the report itself. report is lines read back.
void restoreSavedReport(MainWindowModel &model, const QStringList &lines, const SavedReport &report);

// Where a report composed again departs from the saved one, blank lines aside: the lines only the
// saved report holds, then those only the composed one holds, each in its own order. A line held
// twice in one and once in the other is a difference too.
struct ReportLineDifferences
{
    QStringList onlySaved;
    QStringList onlyComposed;

    bool isEmpty() const { return onlySaved.isEmpty() && onlyComposed.isEmpty(); }
};
ReportLineDifferences differingLines(const QStringList &saved, const QStringList &composed);

} // namespace orvika
