#pragma once

#include "project/project_card.h"

#include <QJsonObject>
#include <QList>
#include <QString>

// The card's values as its file holds them, each held to what the card's window and the lines window
// take: other programs write the file too. A value they would not take is dropped (the card keeps a
// new card's value there) and named for the user.
namespace orvika {

struct DroppedValue
{
    int zone = 0;     // the zone the value is of; 0 for the card's own values and the lines' settings
    QString key;      // as the file names it: "revision", "lines.voltage", "count", "lines.zones[3]"
    QString value;    // as the file writes it, shortened when long
    QString expected; // what is taken there: "целое число от 1 до 1000"

    friend bool operator==(const DroppedValue &, const DroppedValue &) = default;
};

// Reads the card's known keys from its object into card, which holds a new card's values.
void readCardValues(const QJsonObject &object, ProjectCard &card, QList<DroppedValue> &dropped);

// The window's message: the file, then a line for each value dropped with its zone and key.
QString droppedValuesMessage(const QString &fileName, const QList<DroppedValue> &dropped);

// A line of standard error for one value dropped: "Школа.json, зона 3, «count» = 1e+12 не взято: …".
QString droppedValueLine(const QString &fileName, const DroppedValue &value);

} // namespace orvika
