#pragma once

#include <QList>
#include <QString>

// The typical kinds of room with their permissible constant noise. The figures are typical values from
// the sanitary norms; each names its source, and the user may change the noise a kind fills in.
namespace orvika {

struct RoomKind
{
    QString name;   // "Офисы, административные помещения"
    double noise;   // dBA
    bool sleeping;  // a room people sleep in: its level is at least the sleeping rooms' least
    QString source; // where the figure comes from, for the user and the document
};

const QList<RoomKind> &typicalRoomKinds();

// The typical kind of that name, or none: a kind typed by the user is free text.
const RoomKind *findRoomKind(const QString &name);

} // namespace orvika
