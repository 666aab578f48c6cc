#include "sound_level/acoustic_data.h"

#include <cmath>

namespace orvika {
namespace {

bool sameFigure(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

bool operator==(const LoudspeakerData &a, const LoudspeakerData &b)
{
    return a.name == b.name && sameFigure(a.sensitivity, b.sensitivity) && a.taps == b.taps &&
           sameFigure(a.angle, b.angle) && a.kept == b.kept;
}

bool operator==(const Room &a, const Room &b)
{
    return a.zone == b.zone && a.name == b.name && a.kind == b.kind && sameFigure(a.noise, b.noise) &&
           a.sleeping == b.sleeping && sameFigure(a.length, b.length) && sameFigure(a.width, b.width) &&
           sameFigure(a.height, b.height) && sameFigure(a.listening, b.listening) &&
           a.mounting == b.mounting && a.density == b.density && a.speakerHeight == b.speakerHeight &&
           a.loudspeaker == b.loudspeaker && a.kept == b.kept;
}

} // namespace orvika
