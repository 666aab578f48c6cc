#include "sound_level/norms_profile.h"

namespace orvika {

const NormsProfile &sp3_13130_2009()
{
    static const NormsProfile profile{
        QStringLiteral("СП 3.13130.2009"), {75, QStringLiteral("4.1")},   {120, QStringLiteral("4.1")},
        {15, QStringLiteral("4.2")},       {1.5, QStringLiteral("4.2")},  {70, QStringLiteral("4.3")},
        {2.3, QStringLiteral("4.4")},      {0.15, QStringLiteral("4.4")}, {95, QStringLiteral("4.5")},
    };
    return profile;
}

} // namespace orvika
