#pragma once

#include "sound_level/acoustic_data.h"
#include "sound_level/norms_profile.h"
#include "sound_level/room_layout.h"

#include <QList>
#include <QString>
#include <optional>

// A room's loudspeakers, their tap and the levels they give, judged clause by clause against a norms
// profile. Levels come from the direct sound alone, so the figures err on the quiet side.
namespace orvika {

struct Verdict
{
    enum class Outcome { Met, NotMet, NotApplicable, LightSignals };
    QString clause; // "4.2"
    Outcome outcome = Outcome::Met;
    QString text; // "п. 4.2: 71,3 дБА < 75,0 дБА"
};

struct RoomResult
{
    RoomLayout layout;
    double tap = 0;          // W, one loudspeaker's
    double power = 0;        // W, the room's
    double required = 0;     // dBA at the worst point
    double worst = 0;        // dBA at the worst point
    double at3m = 0;         // dBA at 3 m on a loudspeaker's axis
    double loudest = 0;      // dBA where the room is loudest
    bool met = false;        // every clause
    QList<Verdict> verdicts; // one per clause, in the clauses' order

    int count() const { return layout.count(); }
};

struct RoomCalculation
{
    std::optional<RoomResult> result;
    QString error; // the room and the field, when there is no result
};

RoomCalculation calculateRoom(const Room &room, const QList<LoudspeakerData> &loudspeakers,
                              const NormsProfile &norms);

// A level for the reader: one decimal and a decimal comma, "76,9".
QString levelText(double level);

} // namespace orvika
