#pragma once

#include "project/project_card.h"
#include "project/project_card_values.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The project's card as a file: UTF-8 JSON, pretty-printed, beside its report. The keys are an
// interface other programs read and write: "format": "orvika-project", "version": 1, "object",
// "address", "customer", "designation", "stage", "organisation", "supplier", "people" {"developer",
// "checker", "normControl", "chiefEngineer", "approver"}, "revision", "date" (YYYY-MM-DD). Keys it
// does not know are kept when the file is written again. "lines" and "acoustics" (card_acoustics.h) hold
// the loudspeaker lines and the sound-level calculation.
namespace orvika {

inline const QString ProjectCardFormat = QStringLiteral("orvika-project");
inline constexpr int ProjectCardVersion = 1;

// "<the report's name>.json" beside the report: Спецификация.dat → Спецификация.json.
QString projectCardPathFor(const QString &reportPath);

QByteArray projectCardJson(const ProjectCard &card);

struct ProjectCardRead
{
    enum Outcome {
        Card,     // read whole
        Missing,  // no file of that name
        Foreign,  // JSON, but not a project's card
        Unusable, // damaged or unreadable
    };
    Outcome outcome = Missing;
    ProjectCard card;
    QString reason;              // why it is foreign or unusable, for the user
    QList<DroppedValue> dropped; // of a card: the values not taken, for the user
};

ProjectCardRead projectCardFromJson(const QByteArray &bytes);
ProjectCardRead readProjectCard(const QString &path);

// Writes the card, replacing the file whole or not at all. A file of that name that is not a card
// (unreadable, damaged or foreign) is never replaced. The reason for the user when it was not written.
std::optional<QString> writeProjectCard(const QString &path, const ProjectCard &card);

// What the user is told when the card beside a report could not be read: it names the file.
QString cardReadFailureMessage(const QString &fileName, const QString &reason);

} // namespace orvika
