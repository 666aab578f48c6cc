#include "sound_level/room_fixtures.h"
#include "sound_level/room_layout.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

Room layoutRoom(double length, double width, double height, Mounting mounting, std::optional<double> top)
{
    return test::with(test::testRoom(length, width, height, 60, mounting),
                      [top](Room &room) { room.speakerHeight = top; });
}

struct LayoutCase
{
    const char *name;
    Room room;
    double angle;
    int columns, rows;
    double pitch, coverage, worstDistance, worstAngle;
    RoomPoint worstPoint, loudestPoint;
};

const LayoutCase layoutCases[] = {
    // R = 1.5 · tan 45°, a = √2·R; the worst point a cell's corner.
    {"ceiling",
     layoutRoom(12, 8, 3, Mounting::Ceiling, {}),
     90,
     6,
     4,
     2.12132,
     1.5,
     2.06155,
     43.31386,
     {2, 2, 1.5},
     {5, 3, 1.5}},
    // y_max = √((6 · tan 50°)² − 1.4²); 28 m is just under two pitches of 2·y_max.
    {"one wall",
     layoutRoom(28, 6, 3.2, Mounting::Wall, 2.9),
     100,
     2,
     1,
     14.02426,
     7.01213,
     9.32523,
     49.95302,
     {14, 6, 1.5},
     {7, 0, 1.5}},
    {"two walls",
     layoutRoom(28, 12, 3.2, Mounting::Walls, 2.9),
     100,
     2,
     2,
     14.02426,
     7.01213,
     9.32523,
     49.95302,
     {14, 6, 1.5},
     {7, 0, 1.5}},
};

class RoomLayoutTest : public testing::TestWithParam<LayoutCase>
{
};

TEST_P(RoomLayoutTest, PlacesTheLoudspeakersAndFindsTheWorstPoint)
{
    const LayoutCase &c = GetParam();
    const RoomLayout layout = layOutRoom(c.room, c.angle);
    EXPECT_EQ(layout.columns, c.columns);
    EXPECT_EQ(layout.rows, c.rows);
    EXPECT_EQ(layout.loudspeakers.size(), c.columns * c.rows);
    EXPECT_NEAR(layout.pitch, c.pitch, 1e-5);
    EXPECT_NEAR(layout.coverage, c.coverage, 1e-5);
    EXPECT_NEAR(layout.worstDistance, c.worstDistance, 1e-5);
    EXPECT_NEAR(layout.worstAngle, c.worstAngle, 1e-5);
    for (const auto &[got, expected] :
         {std::pair{layout.worstPoint, c.worstPoint}, std::pair{layout.loudestPoint, c.loudestPoint}}) {
        EXPECT_NEAR(got.x, expected.x, 1e-9);
        EXPECT_NEAR(got.y, expected.y, 1e-9);
        EXPECT_NEAR(got.z, expected.z, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Mountings, RoomLayoutTest, testing::ValuesIn(layoutCases), [](const auto &info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

TEST(WallLayoutTest, TheSecondWallFacesTheFirst)
{
    const RoomLayout layout = layOutRoom(layoutRoom(28, 12, 3.2, Mounting::Walls, 2.9), 100);
    ASSERT_EQ(layout.loudspeakers.size(), 4);
    EXPECT_EQ(layout.loudspeakers[0].y, 0);
    EXPECT_EQ(layout.loudspeakers[2].y, 12);
    EXPECT_EQ(layout.loudspeakers[3].x, 21);
    EXPECT_EQ(layout.loudspeakers[3].z, 2.9);
}

} // namespace
