#pragma once

#include "pictures/picture.h"
#include "pictures/rack_layout.h"

// The rack elevation: each cabinet with its rails and U numbers, every unit a box of its height with
// its model and name, the free space, and per cabinet the units used, the consumption and the heat;
// beside them the units that are not rack-mounted and, with a warning, those that found no place.
namespace orvika {

Picture rackPicture(const RackLayout &layout);

} // namespace orvika
