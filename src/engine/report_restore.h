#pragma once

#include <QStringList>

namespace orvika {

class MainWindowModel;
struct SavedReport;

// A saved report restored for work without the window (the command line's export, the re-check):
// loaded as "Загрузить спецификацию" loads it, then the two choices that load leaves as they were
// taken from the report too, the line control from its requirement line and the amplifier reserve
// unit from its proposal line (the picker's prompt when it proposes none). Composed again with an
// unchanged catalogue, it gives the equipment the report proposes. report is lines read back.
void restoreSavedReport(MainWindowModel &model, const QStringList &lines, const SavedReport &report);

} // namespace orvika
