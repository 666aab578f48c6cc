#pragma once

#include "project/project_card.h"
#include "project_documents/drawing_form.h"
#include "project_documents/sheet_form.h"

#include <QString>

// The title blocks (основная надпись) of the project's sheets, filled from the project's card: form 5
// on the first sheet of a text document, form 6 on every further one, form 3 on a drawing. Empty fields of
// the card leave their cells empty; the lines are drawn all the same.
namespace orvika {

inline constexpr double TitleBlockWidthMm = 185;
inline constexpr double FirstSheetTitleBlockHeightMm = 40;
inline constexpr double FurtherSheetTitleBlockHeightMm = 15;

// Form 5, 185 × 40 mm: the changes, the signatures with the card's people and date, the designation,
// the object and the document's name, the stage, this sheet and the count of sheets, the organisation.
DrawingForm firstSheetTitleBlock(const ProjectCard &card, const QString &documentName, int sheetCount);

// Form 6, 185 × 15 mm: the changes, the designation and the sheet's number.
DrawingForm furtherSheetTitleBlock(const ProjectCard &card, int sheet);

inline constexpr double DrawingTitleBlockHeightMm = 55;

// Form 3, 185 × 55 mm, of a drawing or a scheme: the changes, eight signature rows (the card's people
// first), the designation, the object, the drawing's name, the stage, this sheet and the count of
// sheets, the organisation.
DrawingForm drawingTitleBlock(const ProjectCard &card, const QString &drawingName, int sheet, int sheetCount);

// Where a title block of that size stands: in the frame's bottom right corner (mm on the sheet).
QRectF titleBlockPlaceMm(const QSizeF &sizeMm, const QRectF &frameMm = sheetFrameMm());

} // namespace orvika
