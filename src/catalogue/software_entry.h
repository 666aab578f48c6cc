#pragma once

#include <QStringView>
#include <cstdint>

namespace orvika {

// The control software: a source whose name starts with "ZEP", in capitals.
inline bool isSoftwareEntry(QStringView name)
{
    return name.startsWith(u"ZEP", Qt::CaseSensitive);
}

// The number of zones the control software handles, written as the 5th and 6th characters of its name.
std::int32_t softwareZoneCapacity(QStringView name);

} // namespace orvika
