#pragma once

#include "project_documents/equipment_specification.h"

class QPagedPaintDevice;

// The specification of equipment in form 1 on A3 sheets: the frame, the table with its header on
// every sheet, the totals under the table on the last sheet, and the title blocks (form 5 on the
// first sheet, form 6 on the others). One painting function for the PDF file and the printer.
namespace orvika {

// Paints every sheet on a device prepared by prepareSpecificationSheet (sheet_form.h). The sheets are
// laid out first, so that the first sheet's title block knows their count. Returns the count, 0 when
// the device could not be painted on.
int paintEquipmentSpecification(QPagedPaintDevice &device, const EquipmentSpecification &specification);

} // namespace orvika
