#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace orvika {

// What is to be printed: the pages prepared before the print dialog shows them, then painted on the
// printer chosen.
struct PrintJob
{
    QString documentName;
    std::function<void(QPagedPaintDevice &)> prepare;
    std::function<int(QPagedPaintDevice &)> paint; // the pages painted; 0 when none could be
};

enum class PrintOutcome { Printed, Cancelled, PrinterUnavailable, NoPrintModule };

} // namespace orvika
