#pragma once

#include "catalogue/catalogue.h"

#include <QStringList>

namespace orvika {

// The catalogue's loudspeakers: the units whose name says "Громкоговоритель" or "колонна", in the
// catalogue's order.
QStringList loudspeakerUnits(const Catalogue &catalogue);

} // namespace orvika
