// The loudspeaker library is a file the user and other programs edit: whatever it holds, reading it must
// not crash, and what is read is a library the window would take, so written again it reads back the
// same with nothing dropped. Each loudspeaker is then used by a room as the calculation would.
#include "project/loudspeaker_library_file.h"
#include "sound_level/room_calculation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orvika;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LoudspeakerLibraryRead read = loudspeakerLibraryFromJson(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (read.outcome != LoudspeakerLibraryRead::Library)
        return 0;
    droppedValuesMessage(QStringLiteral("loudspeakers.json"), read.dropped);
    for (const LoudspeakerData &loudspeaker : read.library.loudspeakers) {
        Room room;
        room.length = 12;
        room.width = 8;
        room.height = 3;
        room.noise = 60;
        room.loudspeaker = loudspeaker.name;
        calculateRoom(room, read.library.loudspeakers, sp3_13130_2009());
    }
    const LoudspeakerLibraryRead again = loudspeakerLibraryFromJson(loudspeakerLibraryJson(read.library));
    if (again.outcome != LoudspeakerLibraryRead::Library || !again.dropped.isEmpty() ||
        again.library != read.library)
        std::abort();
    return 0;
}
