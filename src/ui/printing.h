#pragma once

#include "ui/printing/print_job.h"

class QPrinter;
class QWidget;

namespace orvika {

class Dialogs;

// Prints through the module orvika_print, loaded on first use: a printer in high resolution, the
// job's pages prepared, the printer chosen in the dialogs' print dialog, the pages painted.
PrintOutcome printJob(QWidget *parent, Dialogs &dialogs, const PrintJob &job);

// The standard print dialog for printer, from the same module. False on Cancel, or without it.
bool execPrintDialog(QWidget *parent, QPrinter &printer);

} // namespace orvika
