#include "sound_level/room_calculation.h"
#include "sound_level/room_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;

QT_BEGIN_NAMESPACE
// Failures show the text, not its bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}
QT_END_NAMESPACE

namespace {

const QList<LoudspeakerData> soundLibrary{{QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}},
                                          {QStringLiteral("Настенный"), 89, {6, 0.75, 3, 1.5}, 100, {}}};

Room soundRoom(double length, double width, double height, double noise,
               Mounting mounting = Mounting::Ceiling)
{
    return test::testRoom(length, width, height, noise, mounting,
                          mounting == Mounting::Ceiling ? QStringLiteral("Потолочный")
                                                        : QStringLiteral("Настенный"));
}

using test::with;

// Levels as the reader sees them; empty where the worked result gives none.
struct WorkedRoom
{
    const char *name;
    Room room;
    int columns, rows;
    double tap;
    const char *required, *worst, *at3m, *loudest;
    bool met;
};

const Room office = soundRoom(12, 8, 3, 60);
const Room corridor = with(soundRoom(30, 6, 3.2, 60, Mounting::Wall), [](Room &r) { r.speakerHeight = 2.9; });

const WorkedRoom workedRooms[] = {
    {"office", office, 6, 4, 0.75, "75,0", "76,9", "79,2", "91,9", true},
    {"office at full overlap", with(office, [](Room &r) { r.density = Density::Full; }), 8, 6, 0.75, "75,0",
     "80,2", "79,2", "94,9", true},
    {"bedroom", with(soundRoom(6, 4, 2.7, 40), [](Room &r) { r.sleeping = true, r.listening = 0.7; }), 3, 2,
     0.75, "70,0", "77,3", "", "", true},
    {"hall no tap reaches", soundRoom(40, 20, 8, 80), 5, 3, 6, "95,0", "74,9", "", "", false},
    {"corridor", corridor, 3, 1, 6, "75,0", "74,8", "", "", false},
    {"corridor at full overlap", with(corridor, [](Room &r) { r.density = Density::Full; }), 5, 1, 3, "75,0",
     "75,1", "84,2", "91,4", true},
    {"two walls", with(soundRoom(20, 12, 3.5, 65, Mounting::Walls), [](Room &r) { r.speakerHeight = 3.0; }),
     2, 2, 6, "80,0", "74,7", "", "", false},
    {"wall too low", soundRoom(10, 5, 2.4, 50, Mounting::Wall), 1, 1, 0.75, "65,0", "65,8", "", "", false},
};

class WorkedRoomTest : public testing::TestWithParam<WorkedRoom>
{
};

TEST_P(WorkedRoomTest, GivesTheWorkedResult)
{
    const WorkedRoom &worked = GetParam();
    const RoomCalculation calculation = calculateRoom(worked.room, soundLibrary, sp3_13130_2009());
    ASSERT_TRUE(calculation.result) << calculation.error.toStdString();
    const RoomResult &result = *calculation.result;
    EXPECT_EQ(result.layout.columns, worked.columns);
    EXPECT_EQ(result.layout.rows, worked.rows);
    EXPECT_EQ(result.tap, worked.tap);
    EXPECT_DOUBLE_EQ(result.power, worked.tap * worked.columns * worked.rows);
    EXPECT_EQ(levelText(result.required), QString::fromUtf8(worked.required));
    EXPECT_EQ(levelText(result.worst), QString::fromUtf8(worked.worst));
    if (*worked.at3m) {
        EXPECT_EQ(levelText(result.at3m), QString::fromUtf8(worked.at3m));
    }
    if (*worked.loudest) {
        EXPECT_EQ(levelText(result.loudest), QString::fromUtf8(worked.loudest));
    }
    EXPECT_EQ(result.met, worked.met);
}

INSTANTIATE_TEST_SUITE_P(Reference, WorkedRoomTest, testing::ValuesIn(workedRooms), [](const auto &info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

QStringList verdictTexts(const Room &room, const QList<LoudspeakerData> &library = soundLibrary)
{
    QStringList texts;
    const RoomCalculation calculation = calculateRoom(room, library, sp3_13130_2009());
    for (const Verdict &verdict : calculation.result->verdicts)
        texts << verdict.text;
    return texts;
}

TEST(RoomVerdictTest, NamesEachClauseInWords)
{
    const struct
    {
        Room room;
        QStringList texts;
    } cases[] = {
        {office,
         {"п. 4.1: на 3 м 79,2 дБА ≥ 75,0 дБА; наибольший 91,9 дБА ≤ 120,0 дБА",
          "п. 4.2: 76,9 дБА ≥ 75,0 дБА", "п. 4.4: не относится: громкоговорители на потолке",
          "п. 4.5: шум 60,0 дБА ≤ 95,0 дБА: световые оповещатели по шуму не нужны"}},
        // The power the worst point would need: 6 W · 10^((75 - 74.78)/10), rounded up.
        {corridor,
         {"п. 4.1: на 3 м 87,2 дБА ≥ 75,0 дБА; наибольший 94,0 дБА ≤ 120,0 дБА",
          "п. 4.2: 74,8 дБА < 75,0 дБА, нужен отвод не менее 6,31 Вт",
          "п. 4.4: верх громкоговорителя на 2,9 м от пола ≥ 2,3 м и на 0,3 м ниже потолка ≥ 0,15 м",
          "п. 4.5: шум 60,0 дБА ≤ 95,0 дБА: световые оповещатели по шуму не нужны"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(verdictTexts(c.room), c.texts);
}

} // namespace
