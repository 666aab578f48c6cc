#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <optional>

namespace orvika {

// What one piece of a unit draws and takes in a rack, as its own catalogue line gives it.
struct UnitFigures
{
    std::optional<double> powerDraw;   // W; empty when the line has no such number
    std::optional<double> heightUnits; // rack units
};

// The figures of the first catalogue line whose name (the text before "#", or before "*" for a
// line without "#") is exactly the designation; both empty when no line is.
UnitFigures unitFigures(const Catalogue &catalogue, const QString &designation);

} // namespace orvika
