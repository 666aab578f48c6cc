#pragma once

#include "documents/picture.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A room's plan alone on an A4 landscape page, fitted within its margins: for a plan to print or send
// without the calculation's document.
namespace orvika {

QByteArray roomPlanPdf(const Picture &plan);
std::optional<QString> writeRoomPlanPdf(const QString &path, const Picture &plan);

} // namespace orvika
