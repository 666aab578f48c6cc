#include "calc/choose_amplifiers.h"
#include "calc_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;
using namespace orvika::testing;

namespace {

struct PowerCase
{
    const char *label;
    double totalPower;
    std::int32_t channels;
    QStringList lines;
    std::int32_t amplifierCount;
    QStringList reasons; // one for each line
};

QStringList reasonsOf(const CalculationState &state)
{
    QStringList reasons;
    for (const ProposedItem &item : state.items)
        reasons.append(item.reason);
    return reasons;
}

class ChooseAmplifiersPowerTest : public ::testing::TestWithParam<PowerCase>
{
};

TEST_P(ChooseAmplifiersPowerTest, CoversThePowerInBlocks)
{
    const PowerCase &c = GetParam();
    Catalogue catalogue = emptyCatalogue();
    addExampleAmplifiers(catalogue, QStringLiteral("1|1+0/1//1"));
    CalculationState state = stateFor(c.totalPower, c.channels);

    chooseAmplifiers(catalogue, state);

    EXPECT_TRUE(state.ampPowerFound);
    EXPECT_TRUE(state.ampInputsFound); // nothing to serve
    EXPECT_EQ(state.lines, c.lines);
    EXPECT_EQ(state.amplifierCount, c.amplifierCount);
    EXPECT_EQ(reasonsOf(state), c.reasons);
    EXPECT_FALSE(state.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseAmplifiersPowerTest,
    ::testing::Values(
        PowerCase{
            "NoWholeBlock", 300, 1, {A500 + " - 1 шт."}, 1, {"300 Вт ≤ 500 Вт; по 1 на канал, 1 канал"}},
        PowerCase{"TwoBlocksAndARemainder",
                  3200,
                  1,
                  {A240 + " - 1 шт.", A1500 + " - 2 шт."},
                  3,
                  {"остаток 200 Вт ≤ 240 Вт; по 1 на канал, 1 канал", "2 блока по 1500 Вт × 1 канал"}},
        PowerCase{"WholeMultiple", 3000, 1, {A1500 + " - 2 шт."}, 2, {"2 блока по 1500 Вт × 1 канал"}},
        PowerCase{"TwoChannels",
                  3200,
                  2,
                  {A240 + " - 2 шт.", A1500 + " - 4 шт."},
                  6,
                  {"остаток 200 Вт ≤ 240 Вт; по 1 на канал, 2 канала", "2 блока по 1500 Вт × 2 канала"}},
        PowerCase{"ExactlyOneBlock", 1500, 3, {A1500 + " - 3 шт."}, 3, {"1 блок по 1500 Вт × 3 канала"}},
        PowerCase{"JustBelowOneBlock",
                  1499,
                  2,
                  {A1500 + " - 2 шт."},
                  2,
                  {"1499 Вт ≤ 1500 Вт; по 1 на канал, 2 канала"}},
        PowerCase{"FractionBelowOneWattDropped",
                  1500.6,
                  1,
                  {A1500 + " - 1 шт."},
                  1,
                  {"1 блок по 1500 Вт × 1 канал"}},
        PowerCase{"RemainderTakenByTheBlockModel",
                  2600,
                  1,
                  {A1500 + " - 1 шт.", A1500 + " - 1 шт."},
                  2,
                  {"остаток 1100 Вт ≤ 1500 Вт; по 1 на канал, 1 канал", "1 блок по 1500 Вт × 1 канал"}},
        PowerCase{"SmallPowerTakesTheFirstModel",
                  0.4,
                  1,
                  {A120 + " - 1 шт."},
                  1,
                  {"0 Вт ≤ 120 Вт; по 1 на канал, 1 канал"}}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ChooseAmplifiers, RemembersBothLinesForTheRedundancyRule)
{
    Catalogue catalogue = emptyCatalogue();
    addExampleAmplifiers(catalogue);
    CalculationState state = stateFor(3200, 2);
    chooseAmplifiers(catalogue, state);
    EXPECT_EQ(state.ampName1, A240);
    EXPECT_EQ(state.ampQty1, 2);
    EXPECT_EQ(state.ampName2, A1500);
    EXPECT_EQ(state.ampQty2, 4);
}

// An amplifier whose line has no "*" is chosen by its power and serves no input; a unit that is both
// an amplifier and a preamplifier then serves the message block as the preamplifier.
TEST(ChooseAmplifiers, AmplifierWithoutDescriptorLeavesTheInputsToAPreamplifier)
{
    Catalogue catalogue = emptyCatalogue();
    const QString plain = QStringLiteral("K-4003 Усилитель (30)");
    const QString mixer = QStringLiteral("K-4006 Усилитель-микшер (60)");
    addAmplifier(catalogue, plain, 30, QString(), 60, 1);
    addAmplifier(catalogue, mixer, 60, QStringLiteral("2|4+2/4//2"), 90, 1);
    catalogue.preamps.append({mixer, QStringLiteral("2|4+2/4//2")});
    CalculationState state = stateFor(25);
    state.requiredInputs = 1; // one message block

    chooseAmplifiers(catalogue, state);

    EXPECT_FALSE(state.stopped);
    EXPECT_TRUE(state.ampInputsFound);
    EXPECT_EQ(state.lines, (QStringList{plain + " - 1 шт.", mixer + " - 1 шт."}));
    EXPECT_EQ(state.preampCount, 1);
    EXPECT_EQ(state.ampGroupCount, 2);
}

TEST(ChooseAmplifiers, AccountsTheAmplifierLines)
{
    Catalogue catalogue = emptyCatalogue();
    addExampleAmplifiers(catalogue, QStringLiteral("1|1+0/1//1"));
    CalculationState state = stateFor(3200);
    state.totals = {1, 10, 1};
    chooseAmplifiers(catalogue, state);
    EXPECT_EQ(state.totals, (Totals{1 + 3, 10 + 350 + 2 * 2000, 1 + 2 + 2 * 4}));
}

TEST(ChooseAmplifiers, NoAmplifierForTheRemainder)
{
    Catalogue catalogue = emptyCatalogue();
    addAmplifier(catalogue, A120, 120, QStringLiteral("1|1+0/1//1"));
    CalculationState state = stateFor(300);
    chooseAmplifiers(catalogue, state);
    EXPECT_FALSE(state.ampPowerFound);
    EXPECT_TRUE(state.lines.isEmpty());
    EXPECT_FALSE(state.stopped);
}

TEST(ChooseAmplifiers, BlocksWithoutABlockModelChooseNothing)
{
    Catalogue catalogue = emptyCatalogue();
    addAmplifier(catalogue, A500, 500, QStringLiteral("1|1+0/1//1"));
    addAmplifier(catalogue, QStringLiteral("K-4200 Усилитель (2000)"), 2000, QStringLiteral("1|1+0/1//1"));
    for (double power : {3200.0, 3000.0}) {
        CalculationState state = stateFor(power);
        chooseAmplifiers(catalogue, state);
        EXPECT_FALSE(state.ampPowerFound) << power;
        EXPECT_TRUE(state.lines.isEmpty()) << power;
        EXPECT_EQ(state.totals, Totals{}) << power;
    }
}

// Preamplifiers: the amplifiers serve no source.
struct PreampFixture
{
    Catalogue catalogue = emptyCatalogue();
    CalculationState state = stateFor(300);

    PreampFixture(double lineInputs, std::int32_t microphones, std::int32_t channels = 1)
    {
        addExampleAmplifiers(catalogue);
        state.requiredInputs = lineInputs;
        state.inputsLeft = microphones;
        state.channelCount = channels;
    }
};

TEST(ChooseAmplifiers, FirstServingPreampIsAddedOnce)
{
    PreampFixture f(6, 2);
    addPreamp(f.catalogue, QStringLiteral("P-small"), QStringLiteral("1|4+0/2//1"), 30, 1);
    addPreamp(f.catalogue, QStringLiteral("P-mid"), QStringLiteral("1|4+2/2//3"), 40, 1);
    addPreamp(f.catalogue, QStringLiteral("P-big"), QStringLiteral("1|8+0/4//1"), 50, 1);
    chooseAmplifiers(f.catalogue, f.state);
    EXPECT_TRUE(f.state.ampInputsFound);
    EXPECT_TRUE(f.state.preampChosen);
    EXPECT_EQ(f.state.preampCount, 1);
    EXPECT_EQ(f.state.ampGroupCount, 3);
    EXPECT_EQ(f.state.lines, (QStringList{A500 + " - 1 шт.", QStringLiteral("P-mid - 1 шт.")}));
    EXPECT_EQ(f.state.items.last().reason, QStringLiteral("входы: линейных 6, микрофонных 2"));
    EXPECT_EQ(f.state.totals, (Totals{2, 700 + 40, 3 + 1}));
}

struct CascadeCase
{
    const char *label;
    std::int32_t channels;
    std::int32_t quantity;
    const char *reason;
};

class CascadeTest : public ::testing::TestWithParam<CascadeCase>
{
};

TEST_P(CascadeTest, UsesTheLargestPreampAndAccountsIt)
{
    PreampFixture f(20, 6, GetParam().channels);
    addPreamp(f.catalogue, QStringLiteral("P-small"), QStringLiteral("8|2+0/1//1"), 30, 1);
    addPreamp(f.catalogue, QStringLiteral("P-best"), QStringLiteral("8|4+4/4//1"), 40, 2);
    addPreamp(f.catalogue, QStringLiteral("P-same"), QStringLiteral("8|4+4/4//1"), 50, 3);
    chooseAmplifiers(f.catalogue, f.state);

    const std::int32_t quantity = GetParam().quantity;
    const std::int32_t channels = GetParam().channels;
    EXPECT_TRUE(f.state.ampInputsFound);
    EXPECT_TRUE(f.state.preampChosen);
    EXPECT_EQ(f.state.preampCount, quantity);
    EXPECT_EQ(f.state.lines, (QStringList{A500 + " - " + QString::number(channels) + " шт.",
                                          QStringLiteral("P-best - %1 шт.").arg(quantity)}));
    EXPECT_EQ(f.state.totals,
              (Totals{channels + quantity, 700 * channels + 40 * quantity, 3 * channels + 2 * quantity}));
    EXPECT_EQ(f.state.items.last().reason, QString::fromUtf8(GetParam().reason));
}

#define Cascade3 "каскад: 3 предусилителя; входы: линейных 20, микрофонных 6"

// 20 line inputs and 6 microphones with 8 + 4 per unit: 13 and 2 left, then 6 and 2, then served.
// The cascade counts B + C per unit whatever the channels; the quantity is at least the channel count.
INSTANTIATE_TEST_SUITE_P(
    Cases, CascadeTest,
    ::testing::Values(CascadeCase{"OneChannel", 1, 3, Cascade3}, CascadeCase{"TwoChannels", 2, 3, Cascade3},
                      CascadeCase{"MoreChannelsThanUnits", 5, 5, Cascade3 "; не меньше числа каналов (5)"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ChooseAmplifiers, CascadeUsesAUnitTooSmallInChannels)
{
    PreampFixture f(10, 0, 2);
    addPreamp(f.catalogue, QStringLiteral("P-one"), QStringLiteral("1|6+0/0//1"));
    chooseAmplifiers(f.catalogue, f.state);
    // 10 -> 5 left, then served: two units, as many as channels.
    EXPECT_TRUE(f.state.ampInputsFound);
    EXPECT_EQ(f.state.lines.last(), QStringLiteral("P-one - 2 шт."));
}

TEST(ChooseAmplifiers, CascadeGivesUpAfterElevenUnits)
{
    PreampFixture f(1000, 0);
    addPreamp(f.catalogue, QStringLiteral("P-one"), QStringLiteral("1|6+0/0//1"));
    chooseAmplifiers(f.catalogue, f.state);
    EXPECT_FALSE(f.state.ampInputsFound);
    EXPECT_FALSE(f.state.preampChosen);
    EXPECT_DOUBLE_EQ(f.state.requiredInputs, 1000 - 11 * 5);
    EXPECT_EQ(f.state.lines, QStringList{A500 + " - 1 шт."});
    EXPECT_FALSE(f.state.stopped);
}

TEST(ChooseAmplifiers, NoPreampWithCapacityEndsAtOnce)
{
    PreampFixture f(3, 1);
    addPreamp(f.catalogue, QStringLiteral("P-empty"), QStringLiteral("1|0+0/0//1"));
    addPreamp(f.catalogue, QStringLiteral("P-none"), QString());
    chooseAmplifiers(f.catalogue, f.state);
    EXPECT_FALSE(f.state.ampInputsFound);
    EXPECT_TRUE(f.state.bestPreampTail.isEmpty());
    EXPECT_EQ(f.state.lines, QStringList{A500 + " - 1 шт."});
}

TEST(ChooseAmplifiers, UnreadablePreampDescriptorStops)
{
    PreampFixture f(3, 1);
    addPreamp(f.catalogue, QStringLiteral("P-bad"), QStringLiteral("1|4+0"));
    chooseAmplifiers(f.catalogue, f.state);
    EXPECT_TRUE(f.state.stopped);
    EXPECT_EQ(f.state.messages.last().text, QStringLiteral("Ошибка в базе данных: P-bad"));
}

} // namespace
