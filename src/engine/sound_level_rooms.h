#pragma once

#include "project/loudspeaker_library_file.h"
#include "sound_level/acoustic_data.h"
#include "sound_level/room_calculation.h"

#include <QList>
#include <QString>

// The sound-level window's rules without its widgets: the rooms being edited with their results, the
// user's loudspeaker library and the card's copies of the loudspeakers the rooms use. A change the
// checks refuse keeps nothing and says why, naming the room (or the entry) and the field.
namespace orvika {

class MainWindowModel;

class SoundLevelRooms
{
public:
    // The card's acoustics, and the library read from libraryPath.
    SoundLevelRooms(const Acoustics &card, const QString &libraryPath);

    // Why the library file cannot be used or written (foreign or damaged) and what of it was not taken;
    // empty when it read well or is missing. The window tells it once.
    const QString &libraryProblem() const { return m_libraryProblem; }
    // A file that is not a library is never written over: its entries cannot be edited here.
    bool libraryEditable() const { return m_libraryEditable; }
    const LoudspeakerLibrary &library() const { return m_library; }

    // The rooms and a copy of each loudspeaker they use, for the card.
    const Acoustics &acoustics() const { return m_acoustics; }
    // Each room's result or the reason it has none, in the rooms' order.
    const QList<RoomCalculation> &calculations() const { return m_calculations; }

    // The loudspeakers a room may name: the library's, then the card's copies the library lacks.
    QList<LoudspeakerData> choices() const;
    // A copy of the card's that the library does not hold: shown "из проекта".
    bool fromProject(const QString &name) const;
    // The data a room of that name is calculated with: the library's entry, or the card's copy.
    const LoudspeakerData *loudspeaker(const QString &name) const;

    // The room added (index -1) or put in place of the one at index; the error, keeping nothing.
    QString setRoom(qsizetype index, const Room &room);
    void removeRoom(qsizetype index);
    // A copy of the room after it, "(копия)" added to its name; its index.
    qsizetype duplicateRoom(qsizetype index);

    // The entry added (index -1) or put in place of the one at index, and the library written; the
    // error or the write's failure, keeping nothing.
    QString setLibraryEntry(qsizetype index, const LoudspeakerData &entry);
    QString removeLibraryEntry(qsizetype index);

private:
    QString writeLibrary(const LoudspeakerLibrary &library);
    void takeFromLibrary(const QString &name);
    void keepUsedCopies();
    void recalculate();

    QString m_libraryPath;
    LoudspeakerLibrary m_library;
    QString m_libraryProblem;
    bool m_libraryEditable = true;
    Acoustics m_acoustics;
    QList<RoomCalculation> m_calculations;
};

// "Перенести в линии": each zone's loudspeaker, count and power of one into the model's lines; the zones
// refused are named in one message through the model's dialog seam. The zone powers follow from the lines
// window.
void transferRoomsToLines(MainWindowModel &model, const SoundLevelRooms &rooms);

} // namespace orvika
