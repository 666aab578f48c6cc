#include "cad/room_plan_drawing.h"

#include "cad/sheet_drawing.h"
#include "project_documents/drawing_sheet.h"

namespace orvika {

CadDrawing roomPlanDrawing(const Picture &plan, const ProjectCard &card)
{
    // Landscape as the other drawings of the set, whatever the room's shape: the plan's legend and
    // caption run across the picture's whole width.
    const QString name = plan.title.isEmpty() ? QStringLiteral("План помещения") : plan.title;
    return sheetDrawing(layoutDrawingSheet(plan.size, card, name, SheetOrientation::Landscape), plan);
}

} // namespace orvika
