#include "sound_level/room_calculation.h"

#include <gtest/gtest.h>
#include <limits>

using namespace orvika;

namespace {

const QList<LoudspeakerData> inputLibrary{{QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}},
                                          {QStringLiteral("Без отводов"), 90, {}, 90, {}}};

Room validRoom()
{
    Room room;
    room.zone = 3;
    room.name = QStringLiteral("Склад");
    room.length = 12;
    room.width = 8;
    room.height = 3;
    room.noise = 60;
    room.loudspeaker = QStringLiteral("Потолочный");
    return room;
}

using RoomChange = void (*)(Room &);
using LibraryChange = void (*)(LoudspeakerData &);

struct BadInput
{
    RoomChange changeRoom;
    LibraryChange changeLoudspeaker;
    const char *error;
};

const double notANumber = std::numeric_limits<double>::quiet_NaN();

const BadInput badInputs[] = {
    {[](Room &r) { r.length = 0; }, nullptr, "Зона 3, «Склад»: длина — число больше 0 и не больше 1000 м"},
    {[](Room &r) { r.length = 1000.5; }, nullptr,
     "Зона 3, «Склад»: длина — число больше 0 и не больше 1000 м"},
    {[](Room &r) { r.width = -1; }, nullptr, "Зона 3, «Склад»: ширина — число больше 0 и не больше 1000 м"},
    {[](Room &r) { r.width = notANumber; }, nullptr,
     "Зона 3, «Склад»: ширина — число больше 0 и не больше 1000 м"},
    {[](Room &r) { r.height = 1001; }, nullptr,
     "Зона 3, «Склад»: высота — число больше 0 и не больше 1000 м"},
    {[](Room &r) { r.listening = 0; }, nullptr,
     "Зона 3, «Склад»: высота прослушивания — число больше 0 и не больше 1000 м"},
    {[](Room &r) { r.noise = -0.1; }, nullptr, "Зона 3, «Склад»: допустимый шум — число от 0 до 130 дБА"},
    {[](Room &r) { r.noise = 130.1; }, nullptr, "Зона 3, «Склад»: допустимый шум — число от 0 до 130 дБА"},
    {[](Room &r) { r.listening = 3; }, nullptr, "Зона 3, «Склад»: высота прослушивания — ниже потолка"},
    {[](Room &r) { r.mounting = Mounting::Wall, r.speakerHeight = 3.01; }, nullptr,
     "Зона 3, «Склад»: высота верха громкоговорителя — число больше 0 и не выше потолка"},
    {[](Room &r) { r.mounting = Mounting::Walls, r.speakerHeight = 0; }, nullptr,
     "Зона 3, «Склад»: высота верха громкоговорителя — число больше 0 и не выше потолка"},
    {[](Room &r) { r.loudspeaker.clear(); }, nullptr, "Зона 3, «Склад»: громкоговоритель не выбран"},
    {[](Room &r) { r.loudspeaker = QStringLiteral("Другой"); }, nullptr,
     "Зона 3, «Склад»: громкоговорителя «Другой» нет в библиотеке"},
    {[](Room &r) { r.loudspeaker = QStringLiteral("Без отводов"); }, nullptr,
     "Зона 3, «Склад»: у громкоговорителя «Без отводов» нет отводов"},
    {nullptr,
     [](LoudspeakerData &l) {
         l.taps = {0.75, 0};
     },
     "Зона 3, «Склад»: отвод громкоговорителя «Потолочный» — число больше 0 Вт"},
    {nullptr, [](LoudspeakerData &l) { l.sensitivity = notANumber; },
     "Зона 3, «Склад»: чувствительность громкоговорителя «Потолочный» — не число"},
    {nullptr, [](LoudspeakerData &l) { l.angle = 0; },
     "Зона 3, «Склад»: угол охвата громкоговорителя «Потолочный» — число больше 0 и меньше 180°"},
    {nullptr, [](LoudspeakerData &l) { l.angle = 180; },
     "Зона 3, «Склад»: угол охвата громкоговорителя «Потолочный» — число больше 0 и меньше 180°"},
};

TEST(RoomInputTest, BadInputNamesTheRoomAndTheFieldAndGivesNoResult)
{
    for (const BadInput &bad : badInputs) {
        Room room = validRoom();
        QList<LoudspeakerData> library = inputLibrary;
        if (bad.changeRoom)
            bad.changeRoom(room);
        if (bad.changeLoudspeaker)
            bad.changeLoudspeaker(library.first());
        const RoomCalculation calculation = calculateRoom(room, library, sp3_13130_2009());
        EXPECT_FALSE(calculation.result) << bad.error;
        EXPECT_EQ(calculation.error.toStdString(), bad.error);
    }
}

TEST(RoomInputTest, TheLimitsThemselvesAreValid)
{
    const RoomChange limits[] = {
        [](Room &r) { r.length = 1000; },
        [](Room &r) { r.noise = 0; },
        [](Room &r) { r.noise = 130; },
        [](Room &r) { r.mounting = Mounting::Wall, r.speakerHeight = 3; },
    };
    for (RoomChange change : limits) {
        Room room = validRoom();
        change(room);
        const RoomCalculation calculation = calculateRoom(room, inputLibrary, sp3_13130_2009());
        EXPECT_TRUE(calculation.result) << calculation.error.toStdString();
    }
}

} // namespace
