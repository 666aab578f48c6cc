#pragma once

#include "cad/cad_drawing.h"
#include "documents/picture.h"
#include "project/project_card.h"

// A room's plan as a CAD drawing: alone on a framed A3 landscape sheet with the title block of a
// drawing (form 3) named as the plan is, "План помещения «…»", filled from the project's card.
namespace orvika {

CadDrawing roomPlanDrawing(const Picture &plan, const ProjectCard &card);

} // namespace orvika
