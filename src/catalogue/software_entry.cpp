#include "catalogue/software_entry.h"

#include "files/numbers.h"

namespace orvika {

std::int32_t softwareZoneCapacity(QStringView name)
{
    return toInt32(leadingNumber(name.mid(4, 2))).value_or(0);
}

} // namespace orvika
