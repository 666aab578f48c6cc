#include "calc/choose_zone_selector.h"
#include "calc_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;
using namespace orvika::testing;

namespace {

const QString TooMuchPerZone =
    QStringLiteral("Средняя мощность 1 зоны превышает коммутационные возможности "
                   "селекторов.\n\rРазбейте свою систему на большее количество зон.");

struct SelectorCase
{
    const char *label;
    QList<std::int32_t> capacities; // selectors "S0", "S1", ... in catalogue order
    std::int32_t zones;
    std::int32_t selectorCount;
    double totalPower;
    const char *expected; // "" when none fits
    bool perZoneMessage;
};

class ChooseZoneSelectorTest : public ::testing::TestWithParam<SelectorCase>
{
};

TEST_P(ChooseZoneSelectorTest, PicksTheFirstFittingModel)
{
    const SelectorCase &c = GetParam();
    Catalogue catalogue = emptyCatalogue();
    for (qsizetype i = 0; i < c.capacities.size(); ++i)
        addSelector(catalogue, QStringLiteral("S%1").arg(i), c.capacities.at(i));
    CalculationState state;
    state.zoneCount = c.zones;
    state.selectorCount = c.selectorCount;
    state.totalPower = c.totalPower;

    chooseZoneSelector(catalogue, state);

    EXPECT_EQ(state.selectorName, QString::fromLatin1(c.expected));
    EXPECT_FALSE(state.stopped);
    if (c.perZoneMessage)
        EXPECT_EQ(state.messages, (QList<CalcMessage>{{TooMuchPerZone, false}}));
    else
        EXPECT_TRUE(state.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseZoneSelectorTest,
    ::testing::Values(SelectorCase{"TwentyFiveZones", {500, 1000}, 25, 3, 2400, "S1", false},
                      SelectorCase{"AverageExactly1500Passes", {3000}, 2, 1, 3000, "S0", false},
                      SelectorCase{"AverageAbove1500", {20000}, 2, 1, 3001, "", true},
                      SelectorCase{"FirstFittingNotSmallest", {1000, 500}, 1, 1, 400, "S0", false},
                      SelectorCase{"ExactCapacityFits", {500, 1000}, 20, 2, 1000, "S0", false},
                      SelectorCase{"NoneLargeEnough", {500, 1000}, 10, 1, 1200, "", false},
                      SelectorCase{"NoSelectorsAtAll", {}, 10, 1, 100, "", false}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ChooseZoneSelector, CapacityBeyondTheIntegerRangeIsACatalogueError)
{
    Catalogue catalogue = emptyCatalogue();
    addSelector(catalogue, QStringLiteral("K-1 Селектор"), 200'000'000);
    addSelector(catalogue, QStringLiteral("K-2 Селектор"), 1000);
    CalculationState state;
    state.zoneCount = 160;
    state.selectorCount = 16;
    state.totalPower = 100;

    chooseZoneSelector(catalogue, state);

    EXPECT_TRUE(state.stopped);
    EXPECT_TRUE(state.selectorName.isEmpty());
    EXPECT_EQ(state.messages,
              (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: K-1 Селектор"), true}}));
}

} // namespace
