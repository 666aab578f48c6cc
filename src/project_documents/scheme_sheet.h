#pragma once

#include "documents/picture.h"
#include "project/project_card.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QPagedPaintDevice;

// The structural scheme: the block diagram alone on a framed A3 landscape sheet with the title block
// of a drawing (form 3), the diagram scaled to the space above the title block.
namespace orvika {

inline const QString StructuralSchemeName = QStringLiteral("Схема структурная");

// Paints the sheet on a device prepared by prepareSpecificationSheet; 1, or 0 when the device could
// not be painted on.
int paintStructuralScheme(QPagedPaintDevice &device, const Picture &diagram, const ProjectCard &card);

// Where the diagram goes on the sheet, mm: the frame above the title block, less a margin.
QRectF schemeAreaMm();

QByteArray structuralSchemePdf(const Picture &diagram, const ProjectCard &card);
std::optional<QString> writeStructuralSchemePdf(const QString &path, const Picture &diagram,
                                                const ProjectCard &card);

} // namespace orvika
