#pragma once

#include "sound_level/acoustic_data.h"
#include "sound_level/room_calculation.h"
#include "sound_level/room_table.h" // layoutText, shared with the documents

#include <QList>
#include <QString>
#include <optional>

// What the sound-level window reads from its fields and shows of a room: figures typed with a decimal
// comma or point, a loudspeaker's taps as a list, a room's layout and verdicts in words.
namespace orvika {

// A figure as typed, with a comma or a point; NaN when it is not one, so that the room's checks name the
// field ("abc" and "" alike).
double typedFigure(const QString &text);
// "0,75; 1,5; 3; 6" (";" or spaces between): ascending, each once; none when a part is not a figure.
std::optional<QList<double>> typedTaps(const QString &text);
QString tapsText(const QList<double> &taps);
// A figure for a field: "2,85", "1,5", "40".
QString figureText(double value);

// "нормы выполнены", or the clauses not met with their figures; light signals are named either way.
QString verdictsText(const RoomResult &result);
// The same for a table's cell: "не выполнены п. 4.2, 4.4", "нормы выполнены; п. 4.5: световые оповещатели".
QString verdictsSummary(const RoomResult &result);

// Why the library cannot take the entry (the field and what it takes); empty when it can. others are
// the library's other entries: a name is taken once.
QString loudspeakerEntryError(const LoudspeakerData &entry, const QList<LoudspeakerData> &others);

} // namespace orvika
