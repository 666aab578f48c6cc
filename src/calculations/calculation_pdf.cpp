#include "calculations/calculation_files.h"
#include "calculations/calculation_sheets.h"
#include "documents/pdf_file.h"
#include "project_documents/sheet_form.h"

namespace orvika {
namespace {

PdfPainting calculationPainting(const CalculationContent &content)
{
    return {CalculationsName, [](QPagedPaintDevice &device) { prepareSheet(device, CalculationSheetMm); },
            [&content](QPagedPaintDevice &device) { return paintCalculationSheets(device, content); }};
}

} // namespace

QByteArray calculationsPdf(const CalculationContent &content)
{
    return paintedPdf(calculationPainting(content));
}

std::optional<QString> writeCalculationsPdf(const QString &path, const CalculationContent &content)
{
    return writePaintedPdf(path, calculationPainting(content));
}

} // namespace orvika
