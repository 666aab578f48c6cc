#include "sound_level/room_calculation.h"
#include "sound_level/room_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

Room verdictRoom(double length, double width, double height, double noise, Mounting mounting,
                 const char *speaker)
{
    return test::testRoom(length, width, height, noise, mounting, QString::fromUtf8(speaker));
}

const QList<LoudspeakerData> verdictLibrary{
    {QStringLiteral("90"), 90, {0.75, 1.5, 3, 6}, 90, {}},
    {QStringLiteral("узкий"), 89, {0.75, 1.5, 3, 6}, 20, {}},
    {QStringLiteral("громкий"), 125, {0.75, 1.5, 3, 6}, 90, {}},
    // The office's worst point at 0.75 W: 74.97 dBA, shown as 75,0 yet short of 75.
    {QStringLiteral("на грани"), 88.06, {0.75, 1.5, 3, 6}, 90, {}},
    {QStringLiteral("настенный"), 89, {0.75, 1.5, 3, 6}, 100, {}},
};

struct VerdictCase
{
    const char *name;
    Room room;
    int verdict; // 0: 4.1, 1: 4.2 or 4.3, 2: 4.4, 3: 4.5
    Verdict::Outcome outcome;
    double tap;
    const char *text;
};

using enum Verdict::Outcome;

const VerdictCase verdictCases[] = {
    {"far line outside the coverage",
     test::with(verdictRoom(10, 3, 3.2, 60, Mounting::Wall, "узкий"), [](Room &r) { r.speakerHeight = 3.0; }),
     1, NotMet, 6, "п. 4.2: дальняя линия на высоте 1,5 м вне зоны охвата громкоговорителей"},
    {"too loud at every tap", verdictRoom(12, 8, 3, 60, Mounting::Ceiling, "громкий"), 0, NotMet, 6,
     "п. 4.1: на 3 м 123,2 дБА ≥ 75,0 дБА; наибольший 135,9 дБА > 120,0 дБА, нужен отвод не более 0,15 Вт"},
    {"shown level rounds up to the norm", verdictRoom(12, 8, 3, 60, Mounting::Ceiling, "на грани"), 1, Met,
     1.5, "п. 4.2: 78,0 дБА ≥ 75,0 дБА"},
    {"sleeping room",
     test::with(verdictRoom(6, 4, 2.7, 40, Mounting::Ceiling, "90"),
                [](Room &r) { r.sleeping = true, r.listening = 0.7; }),
     1, Met, 0.75, "п. 4.3: 77,3 дБА ≥ 70,0 дБА"},
    {"noise calls for light signals", verdictRoom(12, 8, 3, 100, Mounting::Ceiling, "90"), 3, LightSignals, 6,
     "п. 4.5: шум 100,0 дБА > 95,0 дБА: нужны и световые оповещатели"},
    {"default top 0.15 m below the ceiling", verdictRoom(30, 6, 3.2, 60, Mounting::Wall, "настенный"), 2, Met,
     6, "п. 4.4: верх громкоговорителя на 3,05 м от пола ≥ 2,3 м и на 0,15 м ниже потолка ≥ 0,15 м"},
    {"wall top too low", verdictRoom(10, 5, 2.4, 50, Mounting::Wall, "настенный"), 2, NotMet, 0.75,
     "п. 4.4: верх громкоговорителя на 2,25 м от пола < 2,3 м и на 0,15 м ниже потолка ≥ 0,15 м"},
    // The top 0.75 m over the listener's head counts as 1 m away.
    {"loudspeaker nearer than 1 m", verdictRoom(10, 5, 2.4, 50, Mounting::Wall, "настенный"), 0, Met, 0.75,
     "п. 4.1: на 3 м 78,2 дБА ≥ 75,0 дБА; наибольший 87,8 дБА ≤ 120,0 дБА"},
    {"wall top too close to the ceiling",
     test::with(verdictRoom(10, 5, 3, 50, Mounting::Walls, "настенный"),
                [](Room &r) { r.speakerHeight = 2.9; }),
     2, NotMet, 0.75,
     "п. 4.4: верх громкоговорителя на 2,9 м от пола ≥ 2,3 м и на 0,1 м ниже потолка < 0,15 м"},
};

class RoomVerdictCaseTest : public testing::TestWithParam<VerdictCase>
{
};

TEST_P(RoomVerdictCaseTest, JudgesTheClause)
{
    const VerdictCase &c = GetParam();
    const RoomCalculation calculation = calculateRoom(c.room, verdictLibrary, sp3_13130_2009());
    ASSERT_TRUE(calculation.result) << calculation.error.toStdString();
    const Verdict &verdict = calculation.result->verdicts.at(c.verdict);
    EXPECT_EQ(verdict.outcome, c.outcome);
    EXPECT_EQ(verdict.text.toStdString(), c.text);
    EXPECT_EQ(calculation.result->tap, c.tap);
}

INSTANTIATE_TEST_SUITE_P(Clauses, RoomVerdictCaseTest, testing::ValuesIn(verdictCases), [](const auto &info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

TEST(NormsProfileTest, TheCalculationJudgesByTheProfileItIsGiven)
{
    NormsProfile stricter = sp3_13130_2009();
    stricter.edition = QStringLiteral("проект");
    stricter.overNoise = {20, QStringLiteral("5.2")};
    const Room office = verdictRoom(12, 8, 3, 60, Mounting::Ceiling, "90");
    const RoomCalculation calculation = calculateRoom(office, verdictLibrary, stricter);
    ASSERT_TRUE(calculation.result);
    // 76.9 dBA at 0.75 W; 80 needs 3 W.
    EXPECT_EQ(calculation.result->tap, 3);
    EXPECT_EQ(calculation.result->verdicts.at(1).text.toStdString(), "п. 5.2: 82,9 дБА ≥ 80,0 дБА");
}

} // namespace
