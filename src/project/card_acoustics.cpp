#include "project/card_acoustics.h"

#include "project/json_values.h"
#include "sound_level/acoustic_limits.h"

#include <QSet>
#include <array>
#include <cmath>
#include <limits>

namespace orvika {
namespace {

template <typename Enum> struct Named
{
    Enum value;
    const char *name;
};
constexpr std::array<Named<Mounting>, 3> Mountings = {
    {{Mounting::Ceiling, "ceiling"}, {Mounting::Wall, "wall"}, {Mounting::Walls, "walls"}}};
constexpr std::array<Named<Density>, 2> Densities = {
    {{Density::Minimum, "minimum"}, {Density::Full, "full"}}};

template <typename Enum, std::size_t N> QString nameOf(const std::array<Named<Enum>, N> &names, Enum value)
{
    for (const auto &named : names) {
        if (named.value == value)
            return QLatin1String(named.name);
    }
    return {};
}

template <typename Enum, std::size_t N>
void readChoice(const JsonValues &values, const char *key, const std::array<Named<Enum>, N> &names,
                Enum &field)
{
    const QJsonValue value = values.value(key);
    if (!given(value))
        return;
    QStringList choice;
    for (const auto &named : names) {
        if (value.toString() == QLatin1String(named.name)) {
            field = named.value;
            return;
        }
        choice.append(QStringLiteral("«%1»").arg(QLatin1String(named.name)));
    }
    values.drop(key, value, QStringLiteral("одно из ") + choice.join(QStringLiteral(", ")));
}

// The keys of the object this program does not know.
QJsonObject unknownKeys(QJsonObject object, std::initializer_list<const char *> known)
{
    for (const char *key : known)
        object.remove(QLatin1String(key));
    return object;
}

// A figure the file does not state (absent, or left out as out of range) is NaN: never a guess, and
// written back as null.
constexpr double NotStated = std::numeric_limits<double>::quiet_NaN();

QJsonValue figureJson(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

const std::initializer_list<const char *> LoudspeakerKeys = {"name", "sensitivity", "taps", "angle"};
const std::initializer_list<const char *> RoomKeys = {
    "zone",   "name",      "kind",     "noise",   "sleeping",      "length",     "width",
    "height", "listening", "mounting", "density", "speakerHeight", "loudspeaker"};

LoudspeakerData readLoudspeaker(const JsonValues &values, const QJsonObject &object)
{
    LoudspeakerData loudspeaker;
    values.text("name", loudspeaker.name);
    loudspeaker.sensitivity = values.number("sensitivity", SensitivityRule).value_or(NotStated);
    const QJsonArray taps = values.array("taps");
    for (const QJsonValue &tap : taps) {
        if (tap.isDouble() && TapRule.admits(tap.toDouble()))
            loudspeaker.taps.append(tap.toDouble());
        else
            values.drop("taps", tap, QString::fromUtf8(TapRule.range));
    }
    std::sort(loudspeaker.taps.begin(), loudspeaker.taps.end());
    loudspeaker.taps.erase(std::unique(loudspeaker.taps.begin(), loudspeaker.taps.end()),
                           loudspeaker.taps.end());
    loudspeaker.angle =
        values.number("angle", isCoverageAngle, QString::fromUtf8(CoverageAngleRange)).value_or(NotStated);
    loudspeaker.kept = unknownKeys(object, LoudspeakerKeys);
    return loudspeaker;
}

Room readRoom(const JsonValues &values, const QJsonObject &object, int zone)
{
    Room room;
    room.zone = zone;
    values.text("name", room.name);
    values.text("kind", room.kind);
    // No noise is no room to judge: 0 dBA would pass a room whose noise was mistyped.
    room.noise = values.number("noise", NoiseRule).value_or(NotStated);
    const QJsonValue sleeping = values.value("sleeping");
    if (sleeping.isBool())
        room.sleeping = sleeping.toBool();
    else if (given(sleeping))
        values.drop("sleeping", sleeping, QStringLiteral("true или false"));
    room.length = values.number("length", DimensionRule).value_or(NotStated);
    room.width = values.number("width", DimensionRule).value_or(NotStated);
    room.height = values.number("height", DimensionRule).value_or(NotStated);
    room.listening = values.number("listening", DimensionRule).value_or(room.listening);
    readChoice(values, "mounting", Mountings, room.mounting);
    readChoice(values, "density", Densities, room.density);
    room.speakerHeight = values.number("speakerHeight", DimensionRule);
    values.text("loudspeaker", room.loudspeaker);
    room.kept = unknownKeys(object, RoomKeys);
    return room;
}

QList<Room> readRooms(const QJsonArray &entries, QList<DroppedValue> &dropped)
{
    QList<Room> rooms;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString at = QStringLiteral("acoustics.rooms[%1]").arg(i);
        if (!entries.at(i).isObject()) {
            dropped.append({0, at, shownValue(entries.at(i)), QStringLiteral("объект JSON помещения")});
            continue;
        }
        const QJsonObject object = entries.at(i).toObject();
        const JsonValues place(object, at + u'.', 0, dropped);
        const QJsonValue number = object.value(QStringLiteral("zone"));
        if (!number.isDouble() || !ZoneNumberRule.admits(number.toDouble())) {
            place.drop("zone", number, QString::fromUtf8(ZoneNumberRule.range));
            continue;
        }
        const int zone = int(number.toDouble());
        rooms.append(readRoom(JsonValues(object, at + u'.', zone, dropped), object, zone));
    }
    return rooms;
}

} // namespace

QJsonObject loudspeakerDataJson(const LoudspeakerData &loudspeaker)
{
    QJsonObject object = loudspeaker.kept;
    object.insert(QStringLiteral("name"), loudspeaker.name);
    object.insert(QStringLiteral("sensitivity"), std::isfinite(loudspeaker.sensitivity)
                                                     ? QJsonValue(loudspeaker.sensitivity)
                                                     : QJsonValue());
    QJsonArray taps;
    for (double tap : loudspeaker.taps)
        taps.append(tap);
    object.insert(QStringLiteral("taps"), taps);
    object.insert(QStringLiteral("angle"), figureJson(loudspeaker.angle));
    return object;
}

QJsonObject roomJson(const Room &room)
{
    QJsonObject object = room.kept;
    object.insert(QStringLiteral("zone"), room.zone);
    object.insert(QStringLiteral("name"), room.name);
    object.insert(QStringLiteral("kind"), room.kind);
    object.insert(QStringLiteral("noise"), figureJson(room.noise));
    object.insert(QStringLiteral("sleeping"), room.sleeping);
    object.insert(QStringLiteral("length"), figureJson(room.length));
    object.insert(QStringLiteral("width"), figureJson(room.width));
    object.insert(QStringLiteral("height"), figureJson(room.height));
    object.insert(QStringLiteral("listening"), figureJson(room.listening));
    object.insert(QStringLiteral("mounting"), nameOf(Mountings, room.mounting));
    object.insert(QStringLiteral("density"), nameOf(Densities, room.density));
    object.insert(QStringLiteral("speakerHeight"),
                  room.speakerHeight ? QJsonValue(*room.speakerHeight) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("loudspeaker"), room.loudspeaker);
    return object;
}

QJsonObject acousticsJson(const Acoustics &acoustics)
{
    QJsonObject object = acoustics.kept;
    QJsonArray loudspeakers;
    for (const LoudspeakerData &loudspeaker : acoustics.loudspeakers)
        loudspeakers.append(loudspeakerDataJson(loudspeaker));
    QJsonArray rooms;
    for (const Room &room : acoustics.rooms)
        rooms.append(roomJson(room));
    object.insert(QStringLiteral("loudspeakers"), loudspeakers);
    object.insert(QStringLiteral("rooms"), rooms);
    return object;
}

QList<LoudspeakerData> readLoudspeakerList(const QJsonArray &entries, const QString &prefix,
                                           QList<DroppedValue> &dropped)
{
    QList<LoudspeakerData> loudspeakers;
    QSet<QString> names;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString at = QStringLiteral("%1[%2]").arg(prefix).arg(i);
        if (!entries.at(i).isObject()) {
            dropped.append(
                {0, at, shownValue(entries.at(i)), QStringLiteral("объект JSON громкоговорителя")});
            continue;
        }
        const QJsonObject object = entries.at(i).toObject();
        const JsonValues values(object, at + u'.', 0, dropped);
        LoudspeakerData loudspeaker = readLoudspeaker(values, object);
        if (loudspeaker.name.trimmed().isEmpty() || names.contains(loudspeaker.name)) {
            values.drop("name", object.value(QStringLiteral("name")),
                        QStringLiteral("название, не пустое и не повторённое выше"));
            continue;
        }
        names.insert(loudspeaker.name);
        loudspeakers.append(loudspeaker);
    }
    return loudspeakers;
}

Acoustics readAcoustics(const QJsonObject &object, QList<DroppedValue> &dropped)
{
    const JsonValues values(object, QStringLiteral("acoustics."), 0, dropped);
    Acoustics acoustics;
    acoustics.loudspeakers =
        readLoudspeakerList(values.array("loudspeakers"), QStringLiteral("acoustics.loudspeakers"), dropped);
    acoustics.rooms = readRooms(values.array("rooms"), dropped);
    acoustics.kept = unknownKeys(object, {"loudspeakers", "rooms"});
    return acoustics;
}

} // namespace orvika
