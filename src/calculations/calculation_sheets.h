#pragma once

#include "calculations/calculation_content.h"

#include <QSizeF>

class QPagedPaintDevice;

// The calculation document on A4 portrait sheets: the frame, the content flowing down the sheets, tables
// that run over a sheet continued under their header, and the title blocks of a text document (form 5 on
// the first sheet, form 6 on the others).
namespace orvika {

inline constexpr QSizeF CalculationSheetMm{210, 297};

// Paints every sheet on a device prepared for CalculationSheetMm. The sheets are laid out first, so that
// the first sheet's title block knows their count. Returns the count, 0 when the device could not be
// painted on.
int paintCalculationSheets(QPagedPaintDevice &device, const CalculationContent &content);

} // namespace orvika
