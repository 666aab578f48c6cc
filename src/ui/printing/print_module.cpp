// The module orvika_print: the printer and its dialog, which only a printout needs, loaded when the
// user first prints.
#include "ui/dialogs.h"
#include "ui/printing/print_job.h"

#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT int orvikaPrint(QWidget *parent, orvika::Dialogs *dialogs,
                                         const orvika::PrintJob *job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job->documentName);
    job->prepare(printer);
    if (!dialogs->choosePrinter(parent, printer))
        return int(orvika::PrintOutcome::Cancelled);
    return int(job->paint(printer) == 0 ? orvika::PrintOutcome::PrinterUnavailable
                                        : orvika::PrintOutcome::Printed);
}

extern "C" Q_DECL_EXPORT bool orvikaExecPrintDialog(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
