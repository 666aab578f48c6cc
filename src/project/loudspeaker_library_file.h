#pragma once

#include "project/project_card_values.h"
#include "sound_level/acoustic_data.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// The user's library of loudspeakers' acoustic data, entered once from the makers' data sheets: UTF-8
// JSON in the user's data folder, {"format": "orvika-loudspeakers", "version": 1, "loudspeakers": [...]},
// each entry as the card's "acoustics.loudspeakers" (card_acoustics.h). Keys it does not know are kept.
namespace orvika {

inline const QString LoudspeakerLibraryFormat = QStringLiteral("orvika-loudspeakers");
inline const QString LoudspeakerLibraryFileName = QStringLiteral("loudspeakers.json");

struct LoudspeakerLibrary
{
    QList<LoudspeakerData> loudspeakers;
    QJsonObject kept; // the file's keys this program does not know

    friend bool operator==(const LoudspeakerLibrary &, const LoudspeakerLibrary &) = default;
};

struct LoudspeakerLibraryRead
{
    enum Outcome {
        Library,  // read whole
        Missing,  // no file of that name: an empty library
        Foreign,  // JSON, but not a loudspeaker library
        Unusable, // damaged or unreadable
    };
    Outcome outcome = Missing;
    LoudspeakerLibrary library;
    QString reason;              // why it is foreign or unusable, for the user
    QList<DroppedValue> dropped; // the values not taken, for the user
};

QByteArray loudspeakerLibraryJson(const LoudspeakerLibrary &library);
LoudspeakerLibraryRead loudspeakerLibraryFromJson(const QByteArray &bytes);
LoudspeakerLibraryRead readLoudspeakerLibrary(const QString &path);

// Writes the library, replacing the file whole or not at all. A file of that name that is not a library
// (unreadable, damaged or foreign) is never replaced. The reason for the user when it was not written.
std::optional<QString> writeLoudspeakerLibrary(const QString &path, const LoudspeakerLibrary &library);

} // namespace orvika
