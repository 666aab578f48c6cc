#include "model_fixture.h"

// Frame1, Frame4, the reserve and Frame5 on the model: what each box and counter opens, which counts
// follow, and that every requirement change drops the last calculation's results.
namespace orvika::test {
namespace {

struct BoxCase
{
    const char *name;
    CheckBoxId box;
    bool dropsResults;
    std::optional<CounterId> opensCounter;
    std::optional<PickerId> opensPicker;
};

class BoxRules : public ModelTest, public ::testing::WithParamInterface<BoxCase>
{
};

TEST_P(BoxRules, TickingOpensWhatTheBoxGovernsAndUntickingClosesIt)
{
    const BoxCase &c = GetParam();
    for (const bool tick : {true, false}) {
        leaveResults();
        const int before = changes;
        model->setTicked(c.box, tick);
        EXPECT_EQ(model->ticked(c.box), tick);
        EXPECT_EQ(changes, before + 1);
        EXPECT_EQ(resultsDropped(), c.dropsResults) << tick;
        if (c.opensCounter) {
            EXPECT_EQ(model->counter(*c.opensCounter).enabled, tick);
        }
        if (c.opensPicker) {
            EXPECT_EQ(model->picker(*c.opensPicker).enabled, tick);
        }
    }
    // The value it already holds runs nothing.
    leaveResults();
    const int before = changes;
    model->setTicked(c.box, false);
    EXPECT_EQ(changes, before);
    EXPECT_FALSE(resultsDropped());
    EXPECT_TRUE(seam.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    , BoxRules,
    ::testing::Values(BoxCase{"Semiautomatic", CheckBoxId::Check4, false, std::nullopt, PickerId::CmbMC},
                      BoxCase{"Automatic", CheckBoxId::Check3, false, std::nullopt, PickerId::CmbAL},
                      BoxCase{"Music", CheckBoxId::Check5, false, std::nullopt, PickerId::CmbMZ},
                      BoxCase{"Console", CheckBoxId::Check6, false, std::nullopt, PickerId::CmbRM},
                      BoxCase{"Zones", CheckBoxId::Check1, true, CounterId::VSKZ, std::nullopt},
                      BoxCase{"Channels", CheckBoxId::Check2, true, CounterId::VSCH, std::nullopt},
                      BoxCase{"PowerReserve", CheckBoxId::ChkZP, true, CounterId::VSZP, std::nullopt},
                      BoxCase{"AmplifierReserve", CheckBoxId::ChkBR, true, std::nullopt, PickerId::CmbBR},
                      BoxCase{"Attenuators", CheckBoxId::ChkAtt, true, std::nullopt, std::nullopt},
                      BoxCase{"Fans", CheckBoxId::ChkBL, true, std::nullopt, std::nullopt},
                      BoxCase{"PowerOn", CheckBoxId::ChkPD, true, std::nullopt, std::nullopt},
                      BoxCase{"PowerSupplyReserve", CheckBoxId::ChkRP, true, std::nullopt, std::nullopt},
                      BoxCase{"Cabinet", CheckBoxId::ChkRU, true, std::nullopt, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

// A source row's unticking closes the counter a pick opened.
TEST_F(ModelTest, UntickingASourceRowClosesItsCounterButNotItsButton)
{
    model->setTicked(CheckBoxId::Check4, true);
    pick(PickerId::CmbMC, unit::DeskMicrophone);
    ASSERT_TRUE(model->counter(CounterId::VSMC).enabled);
    model->setTicked(CheckBoxId::Check4, false);
    EXPECT_FALSE(model->counter(CounterId::VSMC).enabled);
    EXPECT_FALSE(model->picker(PickerId::CmbMC).enabled);
    EXPECT_TRUE(model->buttonEnabled(ButtonId::CmdMC));
}

struct CounterCase
{
    const char *name;
    CounterId counter;
    int set;
    int value;     // within the counter's range
    QString shown; // the label beside it
    std::int32_t zoneCount, channelCount;
    bool dropsResults;
};

class CounterRules : public ModelTest, public ::testing::WithParamInterface<CounterCase>
{
};

TEST_P(CounterRules, ACounterShowsItsValueAndSetsItsCount)
{
    const CounterCase &c = GetParam();
    leaveResults();
    model->setCounterValue(c.counter, c.set);
    EXPECT_EQ(model->counter(c.counter).value, c.value);
    EXPECT_EQ(model->counter(c.counter).shown, c.shown);
    EXPECT_EQ(state.zoneCount, c.zoneCount);
    EXPECT_EQ(state.channelCount, c.channelCount);
    EXPECT_EQ(resultsDropped(), c.dropsResults);
}

INSTANTIATE_TEST_SUITE_P(
    , CounterRules,
    ::testing::Values(CounterCase{"Zones", CounterId::VSKZ, 12, 12, "12", 12, 1, true},
                      CounterCase{"ZonesAboveTheRange", CounterId::VSKZ, 500, 160, "160", 160, 1, true},
                      CounterCase{"ChannelsBelowTheRange", CounterId::VSCH, 0, 2, "2", 1, 1, false},
                      CounterCase{"Channels", CounterId::VSCH, 8, 8, "8", 1, 8, true},
                      CounterCase{"Reserve", CounterId::VSZP, 10, 10, "10", 1, 1, true},
                      CounterCase{"Microphones", CounterId::VSMC, 7, 7, "7", 1, 1, false},
                      CounterCase{"MessageBlocksStayOne", CounterId::VSAL, 5, 1, "1", 1, 1, false}),
    [](const auto &info) { return std::string(info.param.name); });

// The count follows its spinner only while the box is ticked; the label keeps the last number.
TEST_F(ModelTest, TheZoneCountFollowsTheSpinnerOnlyWhileMultiZoneIsTicked)
{
    model->setCounterValue(CounterId::VSKZ, 6);
    model->setTicked(CheckBoxId::Check1, true);
    EXPECT_EQ(state.zoneCount, 6);
    model->setTicked(CheckBoxId::Check1, false);
    EXPECT_EQ(state.zoneCount, 1);
    EXPECT_EQ(model->counter(CounterId::VSKZ).shown, "6");
    // The procedure sets the label and the count without the spinner, as a load does.
    model->ppkz(12);
    EXPECT_EQ(model->counter(CounterId::VSKZ).value, 6);
    EXPECT_EQ(model->counter(CounterId::VSKZ).shown, "12");
    EXPECT_EQ(state.zoneCount, 12);
}

TEST_F(ModelTest, EveryLineControlChoiceDropsTheResults)
{
    for (const LineControl control : {LineControl::Manual, LineControl::Automatic, LineControl::None}) {
        leaveResults();
        model->setLineControl(control);
        EXPECT_EQ(model->lineControl(), control);
        EXPECT_TRUE(resultsDropped());
    }
    leaveResults();
    model->setLineControl(LineControl::None);
    EXPECT_FALSE(resultsDropped());
}

TEST_F(ModelTest, NestedProceduresAnnounceOneChange)
{
    model->setCounterValue(CounterId::VSKZ, 3); // the rule calls ppkz, which calls ОчистСпиУс
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace orvika::test
