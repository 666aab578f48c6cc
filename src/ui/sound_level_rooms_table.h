#pragma once

#include <QTableWidget>

namespace orvika {

class SoundLevelRooms;

// The rooms with their results, in the order of their zones (the card's order within a zone). A room
// whose input is bad shows the reason across its results; a room that fails a clause names it.
class SoundLevelRoomsTable : public QTableWidget
{
    Q_OBJECT
public:
    enum Column {
        ZoneColumn,
        NameColumn,
        LoudspeakerColumn,
        CountColumn,
        LayoutColumn,
        TapColumn,
        PowerColumn,
        RequiredColumn,
        WorstColumn,
        At3mColumn,
        LoudestColumn,
        VerdictColumn,
        ColumnCount
    };

    explicit SoundLevelRoomsTable(QWidget *parent);

    void showRooms(const SoundLevelRooms &rooms);
    // The room of the selected row in the card's order; -1 when none.
    qsizetype selectedRoom() const;
    void selectRoom(qsizetype room);
};

} // namespace orvika
