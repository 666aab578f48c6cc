#pragma once

#include "documents/picture.h"
#include "project/project_card.h"
#include "project_documents/drawing_sheet.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The structural scheme: the block diagram alone on a framed A3 landscape sheet with the title block
// of a drawing (form 3), the diagram scaled to the space above the title block.
namespace orvika {

inline const QString StructuralSchemeName = QStringLiteral("Схема структурная");

// The sheet of the scheme, A3 landscape.
DrawingSheet structuralSchemeSheet(const Picture &diagram, const ProjectCard &card);

// Where the diagram goes on the sheet, mm: the frame above the title block, less a margin.
QRectF schemeAreaMm();

QByteArray structuralSchemePdf(const Picture &diagram, const ProjectCard &card);
std::optional<QString> writeStructuralSchemePdf(const QString &path, const Picture &diagram,
                                                const ProjectCard &card);

} // namespace orvika
