#include "sound_level/room_calculation.h"

#include <benchmark/benchmark.h>

namespace {

// A building of 500 rooms: offices, corridors, halls, bedrooms, on ceiling and wall loudspeakers.
QList<orvika::Room> buildingRooms()
{
    QList<orvika::Room> rooms;
    for (int index = 0; index < 500; ++index) {
        orvika::Room room;
        room.zone = 1 + index / 25;
        room.name = QStringLiteral("Помещение %1").arg(index + 1);
        room.loudspeaker = QStringLiteral("Потолочный");
        switch (index % 5) {
        case 0: // an office
            room.length = 12, room.width = 8, room.height = 3, room.noise = 60;
            break;
        case 1: // a corridor
            room.length = 30 + index % 40, room.width = 2.4, room.height = 3.2, room.noise = 60;
            room.mounting = orvika::Mounting::Wall, room.loudspeaker = QStringLiteral("Настенный");
            break;
        case 2: // a hall at full overlap
            room.length = 40, room.width = 20, room.height = 5, room.noise = 65;
            room.density = orvika::Density::Full;
            break;
        case 3: // a classroom from two walls
            room.length = 9, room.width = 7, room.height = 3.3, room.noise = 40;
            room.mounting = orvika::Mounting::Walls, room.loudspeaker = QStringLiteral("Настенный");
            break;
        default: // a bedroom
            room.length = 6, room.width = 4, room.height = 2.7, room.noise = 40, room.sleeping = true;
            room.listening = 0.7;
        }
        rooms.append(room);
    }
    return rooms;
}

void roomsOfABuilding(benchmark::State &state)
{
    const QList<orvika::LoudspeakerData> loudspeakers{
        {QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}},
        {QStringLiteral("Настенный"), 89, {0.75, 1.5, 3, 6}, 100, {}}};
    const QList<orvika::Room> rooms = buildingRooms();
    for (auto _ : state) {
        for (const orvika::Room &room : rooms)
            benchmark::DoNotOptimize(orvika::calculateRoom(room, loudspeakers, orvika::sp3_13130_2009()));
    }
}
BENCHMARK(roomsOfABuilding)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
