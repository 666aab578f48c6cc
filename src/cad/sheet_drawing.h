#pragma once

#include "cad/cad_drawing.h"
#include "documents/picture.h"
#include "project_documents/drawing_sheet.h"

// A picture's drawing sheet as a CAD drawing: the frame and the title block on the layer "frame", the
// picture at its place and scale on the sheet, its parts on the layers the picture gives them. Every
// text is whole: where the picture shortened one to fit, the CAD text is pressed narrower instead,
// and each unit's box holds one text with its model, quantity and whole designation.
namespace orvika {

CadDrawing sheetDrawing(const DrawingSheet &sheet, const Picture &picture);

} // namespace orvika
