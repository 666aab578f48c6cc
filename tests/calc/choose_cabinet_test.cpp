#include "calc/choose_cabinet.h"
#include "calc_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;
using namespace orvika::testing;

namespace {

Catalogue cabinetCatalogue()
{
    Catalogue catalogue = emptyCatalogue();
    catalogue.cabinets60 = {{QStringLiteral("K-3700 Шкаф 24"), 24}, {QStringLiteral("K-3702 Шкаф 42"), 42}};
    catalogue.cabinets80 = {{QStringLiteral("K-3710 Шкаф АКБ 24"), 24},
                            {QStringLiteral("K-3712 Шкаф АКБ 42"), 42}};
    return catalogue;
}

struct CabinetCase
{
    const char *label;
    bool powerReserve;
    std::int32_t height;
    const char16_t *line; // "" when none fits
    const char16_t *reason = u"";
};

class ChooseCabinetTest : public ::testing::TestWithParam<CabinetCase>
{
};

TEST_P(ChooseCabinetTest, FewestCabinetsThenCatalogueOrder)
{
    const CabinetCase &c = GetParam();
    Requirements requirements;
    requirements.powerSupplyReserve = c.powerReserve;
    CalculationState state;
    state.totals = {30, 500, c.height};
    chooseCabinet(cabinetCatalogue(), requirements, state);

    const QString line = QString::fromUtf16(c.line);
    EXPECT_EQ(state.lines, line.isEmpty() ? QStringList{} : QStringList{line});
    EXPECT_EQ(state.cabinetCount, line.isEmpty() ? 0 : line.section(u' ', -2, -2).toInt());
    EXPECT_EQ(state.totals, (Totals{30, 500, c.height})); // cabinets hold units, they are not accounted
    if (*c.reason != u'\0') {
        EXPECT_EQ(state.items.value(0).reason, QString::fromUtf16(c.reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseCabinetTest,
    ::testing::Values(
        CabinetCase{"FortyUnits", false, 40, u"K-3702 Шкаф 42 - 1 шт.", u"40 U: 1 шкаф по 42 U"},
        CabinetCase{"FortyFiveUnits", false, 45, u"K-3700 Шкаф 24 - 2 шт.", u"45 U: 2 шкафа по 24 U"},
        CabinetCase{"ExactlyOneSmall", false, 24, u"K-3700 Шкаф 24 - 1 шт."},
        CabinetCase{"NothingToHold", false, 0, u"K-3700 Шкаф 24 - 1 шт."},
        CabinetCase{"TwentyOneOfTheLargest", false, 882, u"K-3702 Шкаф 42 - 21 шт.",
                    u"882 U: 21 шкаф по 42 U"},
        CabinetCase{"TooHighForTwentyOne", false, 883, u""},
        CabinetCase{"ClassEightyKeepsItsOwnNames", true, 20, u"K-3710 Шкаф АКБ 24 - 1 шт."},
        CabinetCase{"ClassEightySearchesAllItsRecords", true, 30, u"K-3712 Шкаф АКБ 42 - 1 шт."},
        CabinetCase{"ClassEightyTwoCabinets", true, 45, u"K-3710 Шкаф АКБ 24 - 2 шт.",
                    u"45 U: 2 шкафа по 24 U"}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ChooseCabinet, NoRecordsOfTheClassAddNothing)
{
    Catalogue catalogue = cabinetCatalogue();
    catalogue.cabinets80.clear();
    Requirements requirements;
    requirements.powerSupplyReserve = true;
    CalculationState state;
    chooseCabinet(catalogue, requirements, state);
    EXPECT_TRUE(state.lines.isEmpty());
    EXPECT_EQ(state.cabinetCount, 0);
}

TEST(ChooseCabinet, HeightBeyondTheIntegerRangeIsACatalogueError)
{
    Catalogue catalogue = emptyCatalogue();
    catalogue.cabinets60 = {{QStringLiteral("K-1 Шкаф"), 10}, {QStringLiteral("K-2 Шкаф"), 2'000'000'000}};
    Requirements requirements;
    CalculationState state;
    state.totals.heightUnits = 2'100'000'000;
    chooseCabinet(catalogue, requirements, state);
    EXPECT_TRUE(state.lines.isEmpty());
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{QStringLiteral("Ошибка в базе данных: K-2 Шкаф"), true}}));
}

} // namespace
