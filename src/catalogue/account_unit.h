#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <cstdint>

namespace orvika {

// AccountUnit: adds quantity to the block count and, for every non-empty catalogue line that contains
// the name, quantity times the line's consumption and height fields (rounded half to even).
// Returns false, leaving the totals unchanged, when a sum would leave the 32-bit range.
bool accountUnit(const Catalogue &catalogue, const QString &name, std::int32_t quantity, Totals &totals);

} // namespace orvika
