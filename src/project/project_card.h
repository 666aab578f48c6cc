#pragma once

#include "lines/loudspeaker_lines.h"
#include "offer/offer_settings.h"
#include "sound_level/acoustic_data.h"

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The project's card: what the title blocks of the project's documents name (the object, the
// document's designation, the stage, the people who signed it). It belongs to a report and is kept
// beside it as "<the report's name>.json".
namespace orvika {

inline const QString DefaultSupplier = QStringLiteral("ORVIKA"); // the maker of the catalogue
inline const QString WorkingStage = QStringLiteral("Р");         // "Рабочая документация"
inline const QString DesignStage = QStringLiteral("П"); // "Проектная документация"
// The stages a card may name, the last for a document without one.
inline const QStringList CardStages = {DesignStage, WorkingStage, QString()};
// The highest change number: "Изм." of a title block holds two digits.
inline constexpr int LastRevision = 99;
// The longest text of a card's field: what a line edit holds.
inline constexpr int LongestCardText = 32767;

struct ProjectPeople
{
    QString developer;     // Разраб.
    QString checker;       // Пров.
    QString normControl;   // Н. контр.
    QString chiefEngineer; // ГИП
    QString approver;      // Утв.

    friend bool operator==(const ProjectPeople &, const ProjectPeople &) = default;
};

struct ProjectCard
{
    QString object;
    QString address;
    QString customer;
    QString designation; // the document's designation, its "шифр"
    QString stage = WorkingStage;
    QString organisation;
    QString supplier = DefaultSupplier;
    ProjectPeople people;
    int revision = 0;       // Изм.
    QDate date;             // null when left empty
    LoudspeakerLines lines; // each zone's loudspeakers and cable
    Acoustics acoustics;    // the rooms and the loudspeakers' data of the sound-level calculation
    OfferSettings offer;    // the commercial offer's settings, prices set by hand and works
    // The keys of the file this program does not know, written back as they were.
    QJsonObject kept;

    friend bool operator==(const ProjectCard &, const ProjectCard &) = default;
};

// A card for a new report: the organisation, the supplier and the people carry over from the last
// card used; the object, address, customer and designation start empty; the stage and the revision
// start from their defaults, the date is the day given.
ProjectCard newProjectCard(const ProjectCard &lastUsed, const QDate &today);

} // namespace orvika
