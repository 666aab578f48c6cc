#include "sound_level/room_verdicts.h"

#include "files/number_text.h"

#include <cmath>

namespace orvika {
namespace {

// Heights are typed to the centimetre; their sums may miss a limit by a rounding error.
constexpr double HeightTolerance = 1e-9;

using Outcome = Verdict::Outcome;

QString clauseText(const NormFigure &figure, const QString &text)
{
    return QStringLiteral("п. %1: %2").arg(figure.clause, text);
}

// The power one loudspeaker would need to move a level by `shortfall` dB, rounded away from the limit.
QString powerNeeded(double tap, double shortfall, bool atLeast)
{
    const double power = tap * std::pow(10, shortfall / 10);
    const double shown = atLeast ? std::ceil(power * 100) / 100 : std::floor(power * 100) / 100;
    return atLeast ? QStringLiteral("нужен отвод не менее %1 Вт").arg(russianDecimal(shown, 2))
                   : QStringLiteral("нужен отвод не более %1 Вт").arg(russianDecimal(shown, 2));
}

Verdict axisAndLoudest(const RoomResult &result, const NormsProfile &norms)
{
    const double least = norms.leastAt3m.value;
    const double most = norms.loudest.value;
    const bool axisMet = result.at3m >= least;
    const bool loudestMet = result.loudest <= most;
    QString axis = QStringLiteral("на 3 м %1 дБА %2 %3 дБА")
                       .arg(levelText(result.at3m), axisMet ? QStringLiteral("≥") : QStringLiteral("<"),
                            levelText(least));
    if (!axisMet)
        axis += QStringLiteral(", ") + powerNeeded(result.tap, least - result.at3m, true);
    QString loudest = QStringLiteral("наибольший %1 дБА %2 %3 дБА")
                          .arg(levelText(result.loudest),
                               loudestMet ? QStringLiteral("≤") : QStringLiteral(">"), levelText(most));
    if (!loudestMet)
        loudest += QStringLiteral(", ") + powerNeeded(result.tap, most - result.loudest, false);
    return {norms.leastAt3m.clause, axisMet && loudestMet ? Outcome::Met : Outcome::NotMet,
            clauseText(norms.leastAt3m, axis + QStringLiteral("; ") + loudest)};
}

Verdict worstPoint(const Room &room, const RoomResult &result, const NormsProfile &norms)
{
    const NormFigure &figure = room.sleeping ? norms.sleepingLeast : norms.overNoise;
    if (result.layout.farLineOutside)
        return {figure.clause, Outcome::NotMet,
                clauseText(figure,
                           QStringLiteral("дальняя линия на высоте %1 м вне зоны охвата громкоговорителей")
                               .arg(russianDecimal(room.listening, 2)))};
    const bool met = result.worst >= result.required;
    QString text = QStringLiteral("%1 дБА %2 %3 дБА")
                       .arg(levelText(result.worst), met ? QStringLiteral("≥") : QStringLiteral("<"),
                            levelText(result.required));
    if (!met)
        text += QStringLiteral(", ") + powerNeeded(result.tap, result.required - result.worst, true);
    return {figure.clause, met ? Outcome::Met : Outcome::NotMet, clauseText(figure, text)};
}

Verdict wallHeight(const Room &room, const NormsProfile &norms)
{
    const NormFigure &floor = norms.wallTopAboveFloor;
    const NormFigure &ceiling = norms.wallTopBelowCeiling;
    if (room.mounting == Mounting::Ceiling)
        return {floor.clause, Outcome::NotApplicable,
                clauseText(floor, QStringLiteral("не относится: громкоговорители на потолке"))};
    const double top = room.wallSpeakerHeight();
    const bool floorMet = top >= floor.value - HeightTolerance;
    const bool ceilingMet = room.height - top >= ceiling.value - HeightTolerance;
    const QString text =
        QStringLiteral("верх громкоговорителя на %1 м от пола %2 %3 м и на %4 м ниже потолка %5 %6 м")
            .arg(russianDecimal(top, 2), floorMet ? QStringLiteral("≥") : QStringLiteral("<"),
                 russianDecimal(floor.value, 2), russianDecimal(room.height - top, 2),
                 ceilingMet ? QStringLiteral("≥") : QStringLiteral("<"), russianDecimal(ceiling.value, 2));
    return {floor.clause, floorMet && ceilingMet ? Outcome::Met : Outcome::NotMet, clauseText(floor, text)};
}

Verdict lightSignals(const Room &room, const NormsProfile &norms)
{
    const NormFigure &figure = norms.lightSignalsAbove;
    if (room.noise > figure.value)
        return {figure.clause, Outcome::LightSignals,
                clauseText(figure, QStringLiteral("шум %1 дБА > %2 дБА: нужны и световые оповещатели")
                                       .arg(levelText(room.noise), levelText(figure.value)))};
    return {figure.clause, Outcome::Met,
            clauseText(figure, QStringLiteral("шум %1 дБА ≤ %2 дБА: световые оповещатели по шуму не нужны")
                                   .arg(levelText(room.noise), levelText(figure.value)))};
}

} // namespace

QList<Verdict> roomVerdicts(const Room &room, const RoomResult &result, const NormsProfile &norms)
{
    return {axisAndLoudest(result, norms), worstPoint(room, result, norms), wallHeight(room, norms),
            lightSignals(room, norms)};
}

} // namespace orvika
