#include "sound_level/room_calculation.h"

#include "files/number_text.h"
#include "sound_level/room_input.h"
#include "sound_level/room_verdicts.h"

#include <algorithm>
#include <cmath>

namespace orvika {
namespace {

constexpr double AxisDistance = 3;    // m, where the least level is measured
constexpr double NearestDistance = 1; // m, nearer than this a point source's law fails

// The direct sound of 1 W at distance r.
double levelAt1W(double sensitivity, double r)
{
    return sensitivity - 20 * std::log10(std::max(r, NearestDistance));
}

// The main lobe as a Gaussian: 0 dB on the axis, 6 dB at the coverage edge.
double offAxisLoss(double angle, double coverageAngle)
{
    const double ratio = angle / (coverageAngle / 2);
    return 6 * ratio * ratio;
}

double distance(const RoomPoint &a, const RoomPoint &b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// Every loudspeaker of the room at 1 W, summed by energy, without directivity.
double loudestAt1W(const RoomLayout &layout, double sensitivity)
{
    double energy = 0;
    for (const RoomPoint &loudspeaker : layout.loudspeakers)
        energy += std::pow(10, levelAt1W(sensitivity, distance(loudspeaker, layout.loudestPoint)) / 10);
    return 10 * std::log10(energy);
}

double requiredLevel(const Room &room, const NormsProfile &norms)
{
    const double overNoise = room.noise + norms.overNoise.value;
    return room.sleeping ? std::max(overNoise, norms.sleepingLeast.value) : overNoise;
}

} // namespace

RoomCalculation calculateRoom(const Room &room, const QList<LoudspeakerData> &loudspeakers,
                              const NormsProfile &norms)
{
    const LoudspeakerData *loudspeaker = findLoudspeaker(loudspeakers, room.loudspeaker);
    if (QString error = roomInputError(room, loudspeaker); !error.isEmpty())
        return {std::nullopt, error};

    RoomResult result;
    result.layout = layOutRoom(room, loudspeaker->angle);
    result.required = requiredLevel(room, norms);
    const double worst1W = levelAt1W(loudspeaker->sensitivity, result.layout.worstDistance) -
                           offAxisLoss(result.layout.worstAngle, loudspeaker->angle);
    const double at3m1W = levelAt1W(loudspeaker->sensitivity, AxisDistance);
    const double loudest1W = loudestAt1W(result.layout, loudspeaker->sensitivity);

    QList<double> taps = loudspeaker->taps;
    std::sort(taps.begin(), taps.end());
    const auto meets = [&](double tap) {
        const double gain = 10 * std::log10(tap);
        return !result.layout.farLineOutside && worst1W + gain >= result.required &&
               at3m1W + gain >= norms.leastAt3m.value && loudest1W + gain <= norms.loudest.value;
    };
    const auto chosen = std::find_if(taps.cbegin(), taps.cend(), meets);
    result.tap = chosen != taps.cend() ? *chosen : taps.last();
    const double gain = 10 * std::log10(result.tap);
    result.worst = worst1W + gain;
    result.at3m = at3m1W + gain;
    result.loudest = loudest1W + gain;
    result.power = result.tap * result.count();
    result.verdicts = roomVerdicts(room, result, norms);
    result.met = std::none_of(result.verdicts.cbegin(), result.verdicts.cend(), [](const Verdict &verdict) {
        return verdict.outcome == Verdict::Outcome::NotMet;
    });
    return {result, {}};
}

QString levelText(double level)
{
    return russianFixed(level, 1);
}

} // namespace orvika
