#include "calc/check_input_capacity.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

struct ParseCase
{
    const char16_t *text;
    std::optional<InputDescriptor> expected;
};

class ParseInputDescriptorTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseInputDescriptorTest, ReadsFivePieces)
{
    EXPECT_EQ(parseInputDescriptor(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseInputDescriptorTest,
                         ::testing::Values(ParseCase{u"2|4+0/1//1", InputDescriptor{2, 4, 0, 1, 1}},
                                           ParseCase{u"8|2+4/4//4", InputDescriptor{8, 2, 4, 4, 4}},
                                           ParseCase{u" 1 | 1 2+x/2.5//3.5", InputDescriptor{1, 12, 0, 2, 4}},
                                           ParseCase{u"|+///", InputDescriptor{0, 0, 0, 0, 0}},
                                           ParseCase{u"", InputDescriptor{0, 0, 0, 0, 0}},
                                           ParseCase{u"2|4+0/1/1", std::nullopt},
                                           ParseCase{u"2|4/0+1//1", std::nullopt},
                                           ParseCase{u"2 4+0/1//1", std::nullopt},
                                           ParseCase{u"1|9E9+0/0//1", std::nullopt}));

struct CheckCase
{
    const char *label;
    const char16_t *descriptor;
    InputCheck kind;
    std::int32_t channels;
    double requiredInputs;
    std::int32_t inputsLeft;
    bool found;
    std::int32_t groupsAfter; // AmpGroupCount starts at 0
    double requiredInputsAfter;
    std::int32_t inputsLeftAfter;
};

class CheckInputCapacityTest : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(CheckInputCapacityTest, ServesOrLowersTheInputs)
{
    const CheckCase &c = GetParam();
    CalculationState state;
    state.channelCount = c.channels;
    state.requiredInputs = c.requiredInputs;
    state.inputsLeft = c.inputsLeft;

    EXPECT_TRUE(checkInputCapacity(QString::fromUtf16(c.descriptor), c.kind, QStringLiteral("K-1"), state));

    EXPECT_EQ(state.ampInputsFound, c.found);
    EXPECT_EQ(state.ampGroupCount, c.groupsAfter);
    EXPECT_DOUBLE_EQ(state.requiredInputs, c.requiredInputsAfter);
    EXPECT_EQ(state.inputsLeft, c.inputsLeftAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckInputCapacityTest,
    ::testing::Values(
        CheckCase{"AmplifierServes", u"1|2+1/1//3", InputCheck::Amplifier, 1, 3, 1, true, 0, 3, 1},
        CheckCase{"AmplifierShortOfMicrophones", u"1|2+1/1//3", InputCheck::Amplifier, 1, 3, 2, false, 0, 3,
                  2},
        CheckCase{"AmplifierIgnoresChannels", u"1|2+1/1//3", InputCheck::Amplifier, 4, 3, 1, true, 0, 3, 1},
        // A unit line without "*" declares no inputs: it serves sources only when none are chosen.
        CheckCase{"NoDescriptorNoSources", u"", InputCheck::Amplifier, 1, 0, 0, true, 0, 0, 0},
        CheckCase{"NoDescriptorOneSource", u"", InputCheck::Amplifier, 1, 1, 0, false, 0, 1, 0},
        CheckCase{"PreampTakesItsGroups", u"1|4+0/2//3", InputCheck::FirstPreamp, 1, 4, 2, true, 3, 4, 2},
        CheckCase{"PreampTooFewChannels", u"2|4+0/4//2", InputCheck::FirstPreamp, 3, 1, 1, false, 0, 1, 1},
        CheckCase{"OneChannelPreampInTwoChannels", u"1|8+0/4//1", InputCheck::FirstPreamp, 2, 1, 1, false, 0,
                  1, 1},
        CheckCase{"LineInputsPerChannel", u"4|3+2/0//1", InputCheck::FirstPreamp, 3, 11, 0, true, 3, 11, 0},
        CheckCase{"LineInputsPerChannelShort", u"4|3+2/0//1", InputCheck::FirstPreamp, 3, 12, 0, false, 0, 12,
                  0},
        CheckCase{"FirstPassLowersNothing", u"1|4+4/4//1", InputCheck::FirstPreamp, 1, 20, 6, false, 0, 20,
                  6},
        CheckCase{"CascadeLowersBoth", u"1|4+4/4//1", InputCheck::CascadePreamp, 1, 20, 6, false, 0, 13, 2},
        CheckCase{"CascadeLowersLinesOnly", u"1|4+4/4//1", InputCheck::CascadePreamp, 1, 13, 2, false, 0, 6,
                  2},
        CheckCase{"CascadeServes", u"1|4+4/4//5", InputCheck::CascadePreamp, 1, 6, 2, true, 5, 6, 2},
        CheckCase{"CascadeGroupsFollowChannels", u"1|4+4/4//5", InputCheck::CascadePreamp, 2, 6, 2, true, 2,
                  6, 2}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(CheckInputCapacity, FirstPassRemembersTheLargestUnitEvenWhenItLacksChannels)
{
    CalculationState state;
    state.channelCount = 2;
    state.requiredInputs = 50;
    ASSERT_TRUE(checkInputCapacity(QStringLiteral("1|4+4/4//1"), InputCheck::FirstPreamp, QStringLiteral("A"),
                                   state));
    ASSERT_TRUE(checkInputCapacity(QStringLiteral("2|4+4/3//1"), InputCheck::FirstPreamp, QStringLiteral("B"),
                                   state));
    ASSERT_TRUE(checkInputCapacity(QStringLiteral("2|6+0/6//1"), InputCheck::FirstPreamp, QStringLiteral("C"),
                                   state));

    EXPECT_FALSE(state.ampInputsFound);
    EXPECT_EQ(state.bestPreampName, QStringLiteral("A")); // 12, and C's 12 is not more
    EXPECT_EQ(state.bestPreampTail, QStringLiteral("1|4+4/4//1"));
    EXPECT_DOUBLE_EQ(state.bestPreampCapacity, 12);
}

TEST(CheckInputCapacity, UnreadableDescriptorStopsWithTheUnitName)
{
    CalculationState state;
    EXPECT_FALSE(
        checkInputCapacity(QStringLiteral("1|4+4//4"), InputCheck::Amplifier, QStringLiteral("K-9"), state));
    EXPECT_TRUE(state.stopped);
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: K-9"), true}}));
}

TEST(CheckInputCapacity, SumBeyondTheIntegerRangeStopsWithTheUnitName)
{
    CalculationState state;
    EXPECT_FALSE(checkInputCapacity(QStringLiteral("1|2000000000+2000000000/0//1"), InputCheck::FirstPreamp,
                                    QStringLiteral("K-8"), state));
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: K-8"), true}}));
}

} // namespace
