#include "ui/printing.h"

#include "documents/program_module.h"

namespace orvika {
namespace {

template <typename Function> Function printModuleFunction(const char *symbol)
{
    return reinterpret_cast<Function>(programModuleFunction(QStringLiteral("orvika_print"), symbol));
}

} // namespace

PrintOutcome printJob(QWidget *parent, Dialogs &dialogs, const PrintJob &job)
{
    using Print = int (*)(QWidget *, Dialogs *, const PrintJob *);
    static const auto print = printModuleFunction<Print>("orvikaPrint");
    if (!print)
        return PrintOutcome::NoPrintModule;
    return PrintOutcome(print(parent, &dialogs, &job));
}

bool execPrintDialog(QWidget *parent, QPrinter &printer)
{
    using Exec = bool (*)(QWidget *, QPrinter *);
    static const auto exec = printModuleFunction<Exec>("orvikaExecPrintDialog");
    return exec && exec(parent, &printer);
}

} // namespace orvika
