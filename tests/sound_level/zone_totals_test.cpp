#include "sound_level/norms_profile.h"
#include "sound_level/room_fixtures.h"
#include "sound_level/zone_totals.h"

#include <gtest/gtest.h>

// The rooms summed by zone and carried into the lines: count × power of one is the zone's power, and a
// zone the lines cannot take as it is gets named rather than guessed.
namespace orvika {
namespace {

using test::testRoom;
using test::with;

const QString Ceiling = QStringLiteral("Потолочный 6 Вт");
const QString Wall = QStringLiteral("Настенный 6 Вт");

Acoustics building(QList<Room> rooms)
{
    Acoustics acoustics;
    acoustics.loudspeakers = {{Ceiling, 90, {0.75, 1.5, 3, 6}, 90, {}},
                              {Wall, 90, {0.75, 1.5, 3, 6}, 90, {}}};
    acoustics.rooms = rooms;
    return acoustics;
}

Room office(int zone, const QString &name, const QString &loudspeaker = Ceiling)
{
    return with(testRoom(12, 8, 3, 60, Mounting::Ceiling, loudspeaker), [&](Room &room) {
        room.zone = zone;
        room.name = name;
    });
}

TEST(ZoneTotals, SumsTheRoomsOfEachZoneInZoneOrder)
{
    // The worked example: 24 loudspeakers at 0.75 W in each 12 × 8 × 3 m office.
    const Acoustics acoustics = building({office(3, "A"), office(1, "B"), office(3, "C")});
    const QList<ZoneTotal> totals = zoneTotals(acoustics, calculateRooms(acoustics, sp3_13130_2009()));
    ASSERT_EQ(totals.size(), 2);
    EXPECT_EQ(totals[0].zone, 1);
    EXPECT_EQ(totals[0].count, 24);
    EXPECT_EQ(totals[1].zone, 3);
    EXPECT_EQ(totals[1].rooms, (QList<qsizetype>{0, 2}));
    EXPECT_EQ(totals[1].count, 48);
    EXPECT_DOUBLE_EQ(totals[1].power, 36);
    EXPECT_TRUE(totals[1].notMet.isEmpty());
}

TEST(ZoneTotals, TransferFillsTheLineAndKeepsWhatTheDesignerTyped)
{
    // A quiet office at 0.75 W and a loud hall at a larger tap: the power of one is their mean.
    const Room hall = with(office(1, "Зал"), [](Room &room) { room.noise = 70; });
    const Acoustics acoustics = building({office(1, "Офис"), hall});
    const QList<RoomCalculation> calculations = calculateRooms(acoustics, sp3_13130_2009());
    LoudspeakerLines lines;
    ZoneLine typed;
    typed.zone = 1;
    typed.name = QStringLiteral("Этаж 1");
    typed.length = 120;
    typed.cable = QStringLiteral("КПСнг(А)-FRLS 1x2x1,5");
    lines.zones = {typed};

    const LinesTransfer transfer = transferToLines(zoneTotals(acoustics, calculations), lines, 4);
    EXPECT_TRUE(transfer.refused.isEmpty());
    ASSERT_EQ(transfer.lines.zones.size(), 1);
    const ZoneLine &line = transfer.lines.zones.first();
    EXPECT_EQ(line.name, typed.name);
    EXPECT_EQ(line.length, typed.length);
    EXPECT_EQ(line.cable, typed.cable);
    EXPECT_EQ(line.loudspeaker, Ceiling);
    EXPECT_EQ(line.count, 48);
    const double zonePower = calculations[0].result->power + calculations[1].result->power;
    EXPECT_GT(calculations[1].result->tap, calculations[0].result->tap);
    EXPECT_DOUBLE_EQ(*line.zonePower(), zonePower);
}

TEST(ZoneTotals, ZonesTheLinesCannotTakeAreNamed)
{
    const Room unsolved = with(office(2, "Склад"), [](Room &room) { room.height = 0; });
    const Room huge = with(office(4, "Ангар"), [](Room &room) {
        room.length = 1000;
        room.width = 1000;
    });
    const Acoustics acoustics = building({office(1, "Офис"), office(1, "Коридор", Wall), office(2, "Холл"),
                                          unsolved, office(9, "Далеко"), huge});
    const LinesTransfer transfer =
        transferToLines(zoneTotals(acoustics, calculateRooms(acoustics, sp3_13130_2009())), {}, 5);
    EXPECT_TRUE(transfer.lines.zones.isEmpty());
    ASSERT_EQ(transfer.refused.size(), 4);
    EXPECT_TRUE(transfer.refused[0].startsWith(u"Зона 1: в помещениях зоны разные громкоговорители"));
    EXPECT_TRUE(transfer.refused[0].contains(Wall));
    EXPECT_EQ(transfer.refused[1], QStringLiteral("Зона 2: не рассчитаны помещения «Склад»"));
    EXPECT_TRUE(transfer.refused[2].startsWith(u"Зона 4: громкоговорителей "));
    EXPECT_EQ(transfer.refused[3], QStringLiteral("Зона 9: зоны нет в системе (зон: 5)"));
}

TEST(ZoneTotals, NewLinesGoInZoneOrder)
{
    LoudspeakerLines lines;
    lines.zones = {ZoneLine{1, {}, {}, {}, {}, {}, {}, {}}, ZoneLine{4, {}, {}, {}, {}, {}, {}, {}}};
    const Acoustics acoustics = building({office(3, "Офис")});
    const LinesTransfer transfer =
        transferToLines(zoneTotals(acoustics, calculateRooms(acoustics, sp3_13130_2009())), lines, 4);
    ASSERT_EQ(transfer.lines.zones.size(), 3);
    EXPECT_EQ(transfer.lines.zones[1].zone, 3);
    EXPECT_EQ(transfer.lines.zones[1].count, 24);
}

} // namespace
} // namespace orvika
