#pragma once

#include "pictures/picture_scene.h"
#include "pictures/room_plan.h"
#include "sound_level/norms_profile.h"
#include "sound_level/room_calculation.h"
#include "sound_level/room_fixtures.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

// The rooms of the method's worked examples with their plans, and the plan's parts read back from its
// scene.
namespace orvika::test {

inline const LoudspeakerData CeilingSpeaker{QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}};
inline const LoudspeakerData WallSpeaker{QStringLiteral("Настенный"), 89, {0.75, 1.5, 3, 6}, 100, {}};
// A narrow beam: from high on a wall it does not reach the far line of a narrow room.
inline const LoudspeakerData NarrowSpeaker{QStringLiteral("Узконаправленный"), 95, {1.5, 3, 6}, 60, {}};

struct PlanCase
{
    const char *title;
    Room room;
    int count;
    double scale;         // picture units per metre: the room with its coverage fits 900 × 600
    QStringList expected; // texts the plan shows, whole
};

// A failure names the case, not its bytes.
inline void PrintTo(const PlanCase &plan, std::ostream *out)
{
    *out << plan.title;
}

inline std::string caseName(const ::testing::TestParamInfo<PlanCase> &info)
{
    return QString::fromLatin1(info.param.title).replace(u' ', u'_').toStdString();
}

inline QList<PlanCase> planCases()
{
    const Room office = with(testRoom(12, 8, 3, 60, Mounting::Ceiling, CeilingSpeaker.name),
                             [](Room &room) { room.name = QStringLiteral("Офис 101"); });
    const Room corridor = with(testRoom(30, 6, 3.2, 60, Mounting::Wall, WallSpeaker.name), [](Room &room) {
        room.name = QStringLiteral("Коридор");
        room.zone = 2;
        room.speakerHeight = 2.9;
        room.density = Density::Full;
    });
    const Room hall = with(testRoom(20, 12, 3.5, 65, Mounting::Walls, WallSpeaker.name), [](Room &room) {
        room.name = QStringLiteral("Зал");
        room.zone = 3;
        room.speakerHeight = 3.0;
    });
    const Room passage = with(testRoom(2, 50, 3, 60, Mounting::Ceiling, CeilingSpeaker.name),
                              [](Room &room) { room.name = QStringLiteral("Переход"); });
    const Room gallery = with(testRoom(10, 1, 6, 60, Mounting::Wall, NarrowSpeaker.name),
                              [](Room &room) { room.name = QStringLiteral("Галерея"); });
    return {
        {"office on the ceiling",
         office,
         24,
         600.0 / 9, // the circles reach 0,5 m past the walls
         {QStringLiteral("Зона 1, «Офис 101»: 24 шт. × 0,75 Вт, потолок"), QStringLiteral("a = 2,00 м"),
          QStringLiteral("b = 2,00 м"), QStringLiteral("L = 76,9 дБА"), QStringLiteral("12,00 м"),
          QStringLiteral("8,00 м"), QStringLiteral("2 м"),
          QStringLiteral("зона покрытия на высоте 1,5 м: радиус R = 1,50 м; шаг не более 2,12 м "
                         "(минимальное перекрытие)")}},
        {"corridor on one wall",
         corridor,
         5,
         23.669, // the sectors reach 4,01 m past the end walls
         {QStringLiteral("Зона 2, «Коридор»: 5 шт. × 3 Вт, стена"), QStringLiteral("s = 6,00 м"),
          QStringLiteral("L = 75,1 дБА"), QStringLiteral("30,00 м"), QStringLiteral("6,00 м"),
          QStringLiteral("10 м")}},
        {"hall on two walls",
         hall,
         4,
         37.527,
         {QStringLiteral("Зона 3, «Зал»: 4 шт. × 6 Вт, две стены"), QStringLiteral("s = 10,00 м"),
          QStringLiteral("L = 74,7 дБА"), QStringLiteral("20,00 м"), QStringLiteral("12,00 м"),
          QStringLiteral("5 м"),
          QStringLiteral("громкоговоритель на стене, верх на высоте 3 м: по 2 шт. на двух длинных стенах")}},
        {"narrow passage on the ceiling",
         passage,
         24,
         600 / 50.9167, // the circles reach 0,46 m past the end walls
         {QStringLiteral("Зона 1, «Переход»: 24 шт. × 0,75 Вт, потолок"), QStringLiteral("b = 2,08 м"),
          QStringLiteral("2,00 м"), QStringLiteral("50,00 м"), QStringLiteral("20 м")}},
        {"far line outside the beam",
         gallery,
         1,
         90,
         {QStringLiteral("дальняя линия (1,00 м от стены, на высоте 1,5 м) вне зоны покрытия "
                         "громкоговорителя: показан один громкоговоритель на стену"),
          QStringLiteral("10,00 м"), QStringLiteral("1,00 м")}},
    };
}

inline const LoudspeakerData &speakerOf(const Room &room)
{
    if (room.loudspeaker == NarrowSpeaker.name)
        return NarrowSpeaker;
    return room.mounting == Mounting::Ceiling ? CeilingSpeaker : WallSpeaker;
}

inline RoomResult resultOf(const Room &room)
{
    const RoomCalculation calculation = calculateRoom(room, {speakerOf(room)}, sp3_13130_2009());
    EXPECT_TRUE(calculation.result) << calculation.error.toStdString();
    return calculation.result.value_or(RoomResult{});
}

// The parts of one layer and kind.
inline QList<SceneShape> shapesOf(const PictureScene &scene, SceneLayer layer, SceneShape::Kind kind)
{
    QList<SceneShape> found;
    for (const SceneItem &item : scene.items)
        if (const auto *shape = std::get_if<SceneShape>(&item);
            shape && shape->layer == layer && shape->kind == kind)
            found.append(*shape);
    return found;
}

// The room's walls: the one box on the layer "room".
inline QRectF wallsOf(const PictureScene &scene)
{
    const QList<SceneShape> walls = shapesOf(scene, SceneLayer::Room, SceneShape::Kind::Rect);
    EXPECT_EQ(walls.size(), 1);
    return walls.value(0).rect;
}

inline bool nearPoint(const QPointF &a, const QPointF &b, double tolerance = 1e-6)
{
    return std::abs(a.x() - b.x()) < tolerance && std::abs(a.y() - b.y()) < tolerance;
}

} // namespace orvika::test
