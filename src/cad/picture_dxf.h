#pragma once

#include "cad/cad_drawing.h"
#include "documents/picture.h"
#include "project/project_card.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The pictures as CAD drawings: each on its drawing sheet with the title block filled from the card,
// written as DXF by the module orvika_dxf, loaded on first use.
namespace orvika {

inline const QString RackDrawingName = QStringLiteral("Размещение оборудования в шкафу");

// The rack elevation on an A3 sheet, portrait when it is taller than wide; the block diagram on the
// sheet of the structural scheme.
CadDrawing rackDrawing(const Picture &rack, const ProjectCard &card);
CadDrawing diagramDrawing(const Picture &diagram, const ProjectCard &card);

// The drawing as DXF; empty without the module.
QByteArray drawingDxf(const CadDrawing &drawing);

// Written whole or not at all; the reason when it failed.
std::optional<QString> writeDrawingDxf(const QString &path, const CadDrawing &drawing);

} // namespace orvika
