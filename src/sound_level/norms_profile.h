#pragma once

#include <QString>

// The figures of the fire code's sound-level norms, each with its clause. A new edition of the code is
// another profile; the calculation takes the profile it judges by.
namespace orvika {

struct NormFigure
{
    double value;
    QString clause; // "4.1"
};

struct NormsProfile
{
    QString edition;                // named in the calculation document
    NormFigure leastAt3m;           // dBA at 3 m from a loudspeaker, at least
    NormFigure loudest;             // dBA anywhere in the room, at most
    NormFigure overNoise;           // dBA over the permissible noise, at least
    NormFigure measuringHeight;     // m above the floor, where overNoise is measured
    NormFigure sleepingLeast;       // dBA in a sleeping room, at least
    NormFigure wallTopAboveFloor;   // m, a wall loudspeaker's top, at least
    NormFigure wallTopBelowCeiling; // m, a wall loudspeaker's top under the ceiling, at least
    NormFigure lightSignalsAbove;   // dBA of noise over which light signals go with the sound
};

// СП 3.13130.2009, section 4.
const NormsProfile &sp3_13130_2009();

} // namespace orvika
