#include "engine/sound_level_rooms.h"

#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "engine/sound_level_input.h"
#include "sound_level/norms_profile.h"
#include "sound_level/room_input.h"
#include "sound_level/zone_totals.h"

#include <QFileInfo>
#include <algorithm>

namespace orvika {
namespace {

QString droppedText(const QList<DroppedValue> &dropped)
{
    QStringList shown;
    for (const DroppedValue &value : dropped)
        shown.append(QStringLiteral("%1 = %2: нужно %3").arg(value.key, value.value, value.expected));
    return shown.join(u'\n');
}

} // namespace

SoundLevelRooms::SoundLevelRooms(const Acoustics &card, const QString &libraryPath)
    : m_libraryPath(libraryPath), m_acoustics(card)
{
    const LoudspeakerLibraryRead read = readLoudspeakerLibrary(libraryPath);
    const QString file = QFileInfo(libraryPath).fileName();
    switch (read.outcome) {
    case LoudspeakerLibraryRead::Library:
    case LoudspeakerLibraryRead::Missing:
        m_library = read.library;
        if (!read.dropped.isEmpty())
            m_libraryProblem = QStringLiteral("Из библиотеки громкоговорителей «%1» не взяты значения:\n%2")
                                   .arg(file, droppedText(read.dropped));
        break;
    case LoudspeakerLibraryRead::Foreign:
    case LoudspeakerLibraryRead::Unusable:
        m_libraryEditable = false;
        m_libraryProblem = QStringLiteral("Библиотека громкоговорителей «%1» не прочитана: %2. Файл не будет "
                                          "изменён; громкоговорители берутся из проекта.")
                               .arg(file, read.reason);
        break;
    }
    recalculate();
}

QList<LoudspeakerData> SoundLevelRooms::choices() const
{
    QList<LoudspeakerData> all = m_library.loudspeakers;
    for (const LoudspeakerData &copy : m_acoustics.loudspeakers) {
        if (fromProject(copy.name))
            all.append(copy);
    }
    return all;
}

bool SoundLevelRooms::fromProject(const QString &name) const
{
    return !findLoudspeaker(m_library.loudspeakers, name) && findLoudspeaker(m_acoustics.loudspeakers, name);
}

const LoudspeakerData *SoundLevelRooms::loudspeaker(const QString &name) const
{
    const LoudspeakerData *copy = findLoudspeaker(m_acoustics.loudspeakers, name);
    return copy ? copy : findLoudspeaker(m_library.loudspeakers, name);
}

QString SoundLevelRooms::setRoom(qsizetype index, const Room &room)
{
    // A library loudspeaker is taken as the library has it now; one only the card has, as the card has it.
    const LoudspeakerData *chosen = findLoudspeaker(m_library.loudspeakers, room.loudspeaker);
    if (!chosen)
        chosen = findLoudspeaker(m_acoustics.loudspeakers, room.loudspeaker);
    if (QString error = roomInputError(room, chosen); !error.isEmpty())
        return error;
    if (index < 0 || index >= m_acoustics.rooms.size())
        m_acoustics.rooms.append(room);
    else
        m_acoustics.rooms[index] = room;
    takeFromLibrary(room.loudspeaker);
    keepUsedCopies();
    recalculate();
    return {};
}

void SoundLevelRooms::removeRoom(qsizetype index)
{
    if (index < 0 || index >= m_acoustics.rooms.size())
        return;
    m_acoustics.rooms.removeAt(index);
    keepUsedCopies();
    recalculate();
}

qsizetype SoundLevelRooms::duplicateRoom(qsizetype index)
{
    if (index < 0 || index >= m_acoustics.rooms.size())
        return -1;
    Room copy = m_acoustics.rooms.at(index);
    copy.name += QStringLiteral(" (копия)");
    m_acoustics.rooms.insert(index + 1, copy);
    recalculate();
    return index + 1;
}

QString SoundLevelRooms::setLibraryEntry(qsizetype index, const LoudspeakerData &entry)
{
    if (!m_libraryEditable)
        return m_libraryProblem;
    const bool replacing = index >= 0 && index < m_library.loudspeakers.size();
    QList<LoudspeakerData> others = m_library.loudspeakers;
    if (replacing)
        others.removeAt(index);
    if (QString error = loudspeakerEntryError(entry, others); !error.isEmpty())
        return error;
    LoudspeakerLibrary library = m_library;
    if (replacing)
        library.loudspeakers[index] = entry;
    else
        library.loudspeakers.append(entry);
    if (QString failure = writeLibrary(library); !failure.isEmpty())
        return failure;
    // The rooms that use it are calculated with the entry as edited.
    takeFromLibrary(entry.name);
    keepUsedCopies();
    recalculate();
    return {};
}

QString SoundLevelRooms::removeLibraryEntry(qsizetype index)
{
    if (!m_libraryEditable)
        return m_libraryProblem;
    if (index < 0 || index >= m_library.loudspeakers.size())
        return {};
    LoudspeakerLibrary library = m_library;
    library.loudspeakers.removeAt(index);
    // The rooms that use it keep the card's copy.
    return writeLibrary(library);
}

QString SoundLevelRooms::writeLibrary(const LoudspeakerLibrary &library)
{
    if (const std::optional<QString> failure = writeLoudspeakerLibrary(m_libraryPath, library))
        return QStringLiteral("Библиотека громкоговорителей «%1» не записана: %2")
            .arg(QFileInfo(m_libraryPath).fileName(), *failure);
    m_library = library;
    return {};
}

// The card's copy of a library loudspeaker a room uses follows the library.
void SoundLevelRooms::takeFromLibrary(const QString &name)
{
    const LoudspeakerData *entry = findLoudspeaker(m_library.loudspeakers, name);
    const bool used = std::any_of(m_acoustics.rooms.cbegin(), m_acoustics.rooms.cend(),
                                  [&name](const Room &room) { return room.loudspeaker == name; });
    if (!entry || !used)
        return;
    QList<LoudspeakerData> &copies = m_acoustics.loudspeakers;
    const auto copy = std::find_if(copies.begin(), copies.end(),
                                   [&name](const LoudspeakerData &data) { return data.name == name; });
    if (copy == copies.end())
        copies.append(*entry);
    else
        *copy = *entry;
}

// A copy no room uses goes when the library holds the loudspeaker; one only the card holds stays.
void SoundLevelRooms::keepUsedCopies()
{
    m_acoustics.loudspeakers.removeIf([this](const LoudspeakerData &copy) {
        const bool used = std::any_of(m_acoustics.rooms.cbegin(), m_acoustics.rooms.cend(),
                                      [&copy](const Room &room) { return room.loudspeaker == copy.name; });
        return !used && findLoudspeaker(m_library.loudspeakers, copy.name);
    });
}

void SoundLevelRooms::recalculate()
{
    m_calculations = calculateRooms(m_acoustics, sp3_13130_2009());
}

void transferRoomsToLines(MainWindowModel &model, const SoundLevelRooms &rooms)
{
    const LinesTransfer transfer = transferToLines(zoneTotals(rooms.acoustics(), rooms.calculations()),
                                                   model.projectCard().lines, model.lineZoneCount());
    QStringList moved;
    for (const int zone : transfer.moved)
        moved.append(QString::number(zone));
    model.setLoudspeakerLines(transfer.lines);
    QStringList told;
    if (!moved.isEmpty())
        told.append(QStringLiteral("В линии громкоговорителей перенесены зоны: %1. Мощности зон переносит "
                                   "окно «Линии громкоговорителей».")
                        .arg(moved.join(QStringLiteral(", "))));
    if (!transfer.refused.isEmpty())
        told.append(QStringLiteral("Не перенесены:\n") + transfer.refused.join(u'\n'));
    if (!told.isEmpty())
        model.dialogs().message(told.join(u'\n'));
}

} // namespace orvika
