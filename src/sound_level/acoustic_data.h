#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// What the sound-level calculation starts from: the loudspeakers' data sheets and the rooms. The comments
// name each field's key in the project card's "acoustics" object.
namespace orvika {

// One loudspeaker's acoustic data, entered from its maker's data sheet ("acoustics.loudspeakers[]").
struct LoudspeakerData
{
    QString name;           // "name": a catalogue loudspeaker or a typed name
    double sensitivity = 0; // "sensitivity": dB SPL at 1 W and 1 m; NaN: not stated
    QList<double> taps;     // "taps": the transformer's taps, W, ascending
    double angle =
        0; // "angle": the included coverage angle at -6 dB, degrees, 0 < angle < 180; NaN: not stated
    QJsonObject kept; // the entry's keys this program does not know, written back as they were

    // A figure the card does not state is NaN; two of them are the same.
    friend bool operator==(const LoudspeakerData &, const LoudspeakerData &);
};

// "mounting": "ceiling" | "wall" | "walls" (a row on each of the two long walls)
enum class Mounting { Ceiling, Wall, Walls };
// "density": "minimum" (every point covered) | "full" (each edge reaches the neighbour's axis)
enum class Density { Minimum, Full };

// One room of a zone ("acoustics.rooms[]"). A figure a card does not state (noise, length, width, height)
// is NaN: the room is then not calculated.
struct Room
{
    int zone = 1;                          // "zone"
    QString name;                          // "name"
    QString kind;                          // "kind": free text or a typical kind
    double noise = 0;                      // "noise": the permissible constant noise, dBA; NaN: not stated
    bool sleeping = false;                 // "sleeping"
    double length = 0;                     // "length", m
    double width = 0;                      // "width", m
    double height = 0;                     // "height": to the ceiling, m
    double listening = 1.5;                // "listening": the listening height, m
    Mounting mounting = Mounting::Ceiling; // "mounting"
    Density density = Density::Minimum;    // "density"
    std::optional<double> speakerHeight; // "speakerHeight": a wall loudspeaker's top, m; unset: height - 0.15
    QString loudspeaker;                 // "loudspeaker": the name of a LoudspeakerData
    QJsonObject kept;                    // the entry's keys this program does not know

    // Where a wall loudspeaker's top is: as given, or 0.15 m below the ceiling.
    double wallSpeakerHeight() const { return speakerHeight.value_or(height - 0.15); }

    friend bool operator==(const Room &, const Room &);
};

// What the project's card keeps for the calculation ("acoustics"): a copy of each loudspeaker its rooms
// use, so that the project stays whole when it is sent to someone else, and the rooms in the user's order.
struct Acoustics
{
    QList<LoudspeakerData> loudspeakers;
    QList<Room> rooms;
    QJsonObject kept; // the object's keys this program does not know

    bool isEmpty() const { return loudspeakers.isEmpty() && rooms.isEmpty(); }
    friend bool operator==(const Acoustics &, const Acoustics &) = default;
};

} // namespace orvika
