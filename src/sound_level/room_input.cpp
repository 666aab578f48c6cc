#include "sound_level/room_input.h"

#include <cmath>

namespace orvika {
namespace {

constexpr double LargestDimension = 1000; // m

bool isDimension(double value)
{
    return std::isfinite(value) && value > 0 && value <= LargestDimension;
}

QString dimensionError(const char *field, double value)
{
    return isDimension(value)
               ? QString()
               : QStringLiteral("%1 — число больше 0 и не больше 1000 м").arg(QString::fromUtf8(field));
}

QString fieldError(const Room &room, const LoudspeakerData *loudspeaker)
{
    for (const auto &[field, value] :
         {std::pair{"длина", room.length}, std::pair{"ширина", room.width}, std::pair{"высота", room.height},
          std::pair{"высота прослушивания", room.listening}}) {
        if (QString error = dimensionError(field, value); !error.isEmpty())
            return error;
    }
    if (!std::isfinite(room.noise) || room.noise < 0 || room.noise > 130)
        return QStringLiteral("допустимый шум — число от 0 до 130 дБА");
    if (room.listening >= room.height)
        return QStringLiteral("высота прослушивания — ниже потолка");
    if (room.mounting != Mounting::Ceiling) {
        const double top = room.wallSpeakerHeight();
        if (!isDimension(top) || top > room.height)
            return QStringLiteral("высота верха громкоговорителя — число больше 0 и не выше потолка");
    }
    if (!loudspeaker)
        return room.loudspeaker.isEmpty()
                   ? QStringLiteral("громкоговоритель не выбран")
                   : QStringLiteral("громкоговорителя «%1» нет в библиотеке").arg(room.loudspeaker);
    if (!std::isfinite(loudspeaker->sensitivity))
        return QStringLiteral("чувствительность громкоговорителя «%1» — не число").arg(loudspeaker->name);
    if (loudspeaker->taps.isEmpty())
        return QStringLiteral("у громкоговорителя «%1» нет отводов").arg(loudspeaker->name);
    for (double tap : loudspeaker->taps) {
        if (!std::isfinite(tap) || tap <= 0)
            return QStringLiteral("отвод громкоговорителя «%1» — число больше 0 Вт").arg(loudspeaker->name);
    }
    if (!std::isfinite(loudspeaker->angle) || loudspeaker->angle <= 0 || loudspeaker->angle >= 180)
        return QStringLiteral("угол охвата громкоговорителя «%1» — число больше 0 и меньше 180°")
            .arg(loudspeaker->name);
    return {};
}

} // namespace

const LoudspeakerData *findLoudspeaker(const QList<LoudspeakerData> &loudspeakers, const QString &name)
{
    for (const LoudspeakerData &loudspeaker : loudspeakers) {
        if (loudspeaker.name == name)
            return &loudspeaker;
    }
    return nullptr;
}

QString roomInputError(const Room &room, const LoudspeakerData *loudspeaker)
{
    const QString error = fieldError(room, loudspeaker);
    return error.isEmpty() ? error : QStringLiteral("Зона %1, «%2»: %3").arg(room.zone).arg(room.name, error);
}

} // namespace orvika
