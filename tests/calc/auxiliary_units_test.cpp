#include "calc/auxiliary_units.h"
#include "calc_fixtures.h"

#include <gtest/gtest.h>

using namespace orvika;
using namespace orvika::testing;

namespace {

const QString Ar = QStringLiteral("K-3600 Блок коммутации");
const QString Ml = QStringLiteral("K-3620 Блок контроля");
const QString Pd = QStringLiteral("K-3640 Блок включения");
const QString Up = QStringLiteral("K-3660 Блок питания");
const QString Rem = QStringLiteral("K-4024 Усилитель (240)");
const QString Block = QStringLiteral("K-4150 Усилитель (1500)");

Catalogue auxiliaryCatalogue(std::int32_t arNumber = 6, std::int32_t figure = 8)
{
    Catalogue catalogue = emptyCatalogue();
    addUnitLine(catalogue, Ar, 20, 1, QStringLiteral("AR"));
    addUnitLine(catalogue, QStringLiteral("K-3610 Ручной контроль"), 15, 1, QStringLiteral("MO"));
    addUnitLine(catalogue, Ml, 25, 1, QStringLiteral("ML"));
    addUnitLine(catalogue, QStringLiteral("K-3630 Аттенюаторы"), 15, 1, QStringLiteral("RP"));
    addUnitLine(catalogue, Pd, 10, 1, QStringLiteral("PD"));
    addUnitLine(catalogue, Bl, 5, 1, QStringLiteral("BL"));
    addUnitLine(catalogue, Up, 50, 3, QStringLiteral("UP"));
    addUnitLine(catalogue, QStringLiteral("K-3105 Блок резервирования"), 20, 1, QStringLiteral("BR"));
    addUnitLine(catalogue, QStringLiteral("K-3240 Блок переключения"), 20, 1, QStringLiteral("BR"));
    addAmplifier(catalogue, Rem, 240, QStringLiteral("1|1+0/1//1"), 380, 2);
    addAmplifier(catalogue, Block, 1500, QStringLiteral("1|1+0/1//1"), 2000, 4);
    catalogue.arName = Ar;
    catalogue.arNumber = arNumber;
    catalogue.moName = QStringLiteral("K-3610 Ручной контроль");
    catalogue.mlName = Ml;
    catalogue.mlNumber = figure;
    catalogue.rpName = QStringLiteral("K-3630 Аттенюаторы");
    catalogue.pdName = Pd;
    catalogue.pdNumber = figure;
    catalogue.blName = Bl;
    catalogue.blNumber = figure;
    catalogue.upName = Up;
    catalogue.upNumber = figure;
    return catalogue;
}

QString databaseError(const QString &unit)
{
    return QStringLiteral("Ошибка в базе данных: ") + unit;
}

// AR: integer part of (amplifiers - 4 x groups) / (ArNumber - 1), plus one, once a group holds more than
// four.
struct ArCase
{
    const char *label;
    std::int32_t amplifiers;
    std::int32_t groups;
    std::int32_t arNumber;
    std::int32_t quantity; // 0: no line
    const char *reason = "";
};

class ArUnitsTest : public ::testing::TestWithParam<ArCase>
{
};

TEST_P(ArUnitsTest, CountsTheSwitchingUnits)
{
    const ArCase &c = GetParam();
    const Catalogue catalogue = auxiliaryCatalogue(c.arNumber);
    CalculationState state;
    state.amplifierCount = c.amplifiers;
    state.ampGroupCount = c.groups;
    addArUnits(catalogue, state);
    EXPECT_EQ(state.lines,
              c.quantity ? QStringList{Ar + QStringLiteral(" - %1 шт.").arg(c.quantity)} : QStringList{});
    EXPECT_EQ(state.totals, (Totals{c.quantity, 20 * c.quantity, c.quantity}));
    EXPECT_EQ(state.items.value(0).reason, QString::fromUtf8(c.reason));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArUnitsTest,
    ::testing::Values(ArCase{"NineInOneGroup", 9, 1, 6, 2,
                             "9 усилителей, по 4 на группу: сверх них 5, 1 блок и ещё 1 на каждые 5"},
                      ArCase{"EightInOneGroup", 8, 1, 5, 2,
                             "8 усилителей, по 4 на группу: сверх них 4, 1 блок и ещё 1 на каждые 4"},
                      ArCase{"EightWithArNumberSix", 8, 1, 6, 1,
                             "8 усилителей, по 4 на группу: сверх них 4, 1 блок и ещё 1 на каждые 5"},
                      ArCase{"FourPerGroupNeedNone", 4, 1, 6, 0},
                      ArCase{"FivePerGroupNeedOne", 5, 1, 6, 1,
                             "5 усилителей, по 4 на группу: сверх них 1, 1 блок и ещё 1 на каждые 5"},
                      ArCase{"NoGroupCountsAsOne", 5, 0, 6, 1,
                             "5 усилителей, по 4 на группу: сверх них 1, 1 блок и ещё 1 на каждые 5"},
                      ArCase{"TwoGroups", 10, 2, 6, 1,
                             "10 усилителей, по 4 на группу × 2: сверх них 2, 1 блок и ещё 1 на каждые 5"},
                      ArCase{"FourGroups", 16, 4, 6, 0}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(AuxiliaryUnits, ArNumberOfOneIsACatalogueError)
{
    const Catalogue catalogue = auxiliaryCatalogue(1);
    CalculationState state;
    state.amplifierCount = 9;
    addArUnits(catalogue, state);
    EXPECT_TRUE(state.lines.isEmpty());
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{databaseError(Ar), true}}));
}

TEST(AuxiliaryUnits, LineControlAndAttenuators)
{
    const Catalogue catalogue = auxiliaryCatalogue();
    Requirements requirements;
    CalculationState state;
    state.zoneCount = 30;
    state.selectorCount = 3;

    requirements.lineControl = LineControl::Manual;
    requirements.attenuatorControl = true;
    addLineControlUnits(catalogue, requirements, state);
    addAttenuatorUnits(catalogue, requirements, state);
    requirements.lineControl = LineControl::Automatic;
    addLineControlUnits(catalogue, requirements, state);
    requirements.lineControl = LineControl::None;
    requirements.attenuatorControl = false;
    addLineControlUnits(catalogue, requirements, state);
    addAttenuatorUnits(catalogue, requirements, state);

    // 30 zones with 8 per ML unit: 4.
    EXPECT_EQ(state.lines,
              (QStringList{QStringLiteral("K-3610 Ручной контроль - 3 шт."),
                           QStringLiteral("K-3630 Аттенюаторы - 3 шт."), Ml + QStringLiteral(" - 4 шт.")}));
    EXPECT_EQ(state.totals, (Totals{10, 45 + 45 + 100, 10}));
    QStringList reasons;
    for (const ProposedItem &item : state.items)
        reasons.append(item.reason);
    EXPECT_EQ(reasons, (QStringList{QStringLiteral("ручной контроль линий: по 1 на селектор зон → 3 шт."),
                                    QStringLiteral("управление аттенюаторами: по 1 на селектор зон → 3 шт."),
                                    QStringLiteral("автоматический контроль линий: 30 зон, по 8 на блок")}));
}

// Redundancy: y = ceiling(amplifiers of one channel / 4) units.
struct RedundancyCase
{
    const char *label;
    const char16_t *unit;
    std::int32_t qty1; // per the whole system, as the amplifier choice leaves them
    std::int32_t qty2;
    std::int32_t channels;
    QStringList lines;
    QStringList reasons;
};

const QString ReserveSet = QStringLiteral("резервный комплект усилителей одного канала");

class RedundancyTest : public ::testing::TestWithParam<RedundancyCase>
{
};

TEST_P(RedundancyTest, AddsUnitsAndReserveAmplifiers)
{
    const RedundancyCase &c = GetParam();
    const Catalogue catalogue = auxiliaryCatalogue();
    Requirements requirements;
    requirements.amplifierReserve = true;
    requirements.reserveUnitText = QString::fromUtf16(c.unit);
    CalculationState state;
    state.channelCount = c.channels;
    state.ampQty1 = c.qty1;
    state.ampName1 = c.qty1 ? Rem : QString();
    state.ampQty2 = c.qty2;
    state.ampName2 = c.qty2 ? Block : QString();
    state.amplifierCount = c.qty1 + c.qty2;
    addRedundancyUnits(catalogue, requirements, state);
    EXPECT_EQ(state.lines, c.lines);
    QStringList reasons;
    for (const ProposedItem &item : state.items)
        reasons.append(item.reason);
    EXPECT_EQ(reasons, c.reasons);
    EXPECT_FALSE(state.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RedundancyTest,
    ::testing::Values(
        RedundancyCase{
            "ThreeAmplifiers",
            u"K-3105 Блок резервирования",
            1,
            2,
            1,
            {"K-3105 Блок резервирования - 1 шт.", Rem + " - 1 шт.", Block + " - 2 шт."},
            {"резервирование усилителей: 3 усилителя на канал, по 4 на блок", ReserveSet, ReserveSet}},
        RedundancyCase{
            "FiveAmplifiers",
            u"K-3105 Блок резервирования",
            1,
            4,
            1,
            {"K-3105 Блок резервирования - 2 шт.", Rem + " - 1 шт.", Block + " - 4 шт."},
            {"резервирование усилителей: 5 усилителей на канал, по 4 на блок", ReserveSet, ReserveSet}},
        RedundancyCase{
            "FullSetOfOneChannel",
            u"K-3105 Блок резервирования",
            2,
            6,
            2,
            {"K-3105 Блок резервирования - 1 шт.", Rem + " - 1 шт.", Block + " - 3 шт."},
            {"резервирование усилителей: 4 усилителя на канал, по 4 на блок", ReserveSet, ReserveSet}},
        RedundancyCase{"SwitchWithoutBlocks",
                       u"K-3240 Блок переключения",
                       5,
                       0,
                       1,
                       {"K-3240 Блок переключения - 2 шт.", Rem + " - 2 шт."},
                       {"резервирование усилителей: 5 усилителей на канал, по 4 на блок",
                        "резервный усилитель: по 1 на блок переключения → 2 шт."}},
        RedundancyCase{"SwitchWithBlocks",
                       u"K-3240 Блок переключения",
                       1,
                       4,
                       1,
                       {"K-3240 Блок переключения - 2 шт.", Block + " - 2 шт."},
                       {"резервирование усилителей: 5 усилителей на канал, по 4 на блок",
                        "резервный усилитель: по 1 на блок переключения → 2 шт."}},
        RedundancyCase{"NothingChosen", u"Выберите блок", 1, 4, 1, {}, {}},
        RedundancyCase{"LowerCaseModel", u"k-3105 Блок", 1, 4, 1, {}, {}}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(AuxiliaryUnits, RedundancyLeavesTheAmplifiersOfOneChannel)
{
    const Catalogue catalogue = auxiliaryCatalogue();
    Requirements requirements; // box not ticked: nothing at all
    CalculationState state;
    state.channelCount = 2;
    state.ampQty1 = 2;
    state.ampQty2 = 6;
    state.amplifierCount = 8;
    addRedundancyUnits(catalogue, requirements, state);
    EXPECT_EQ(state.ampQty2, 6);
    requirements.amplifierReserve = true;
    requirements.reserveUnitText = QStringLiteral("Выберите блок");
    addRedundancyUnits(catalogue, requirements, state);
    EXPECT_EQ(state.ampQty1, 1);
    EXPECT_EQ(state.ampQty2, 3);
    EXPECT_TRUE(state.lines.isEmpty());
}

TEST(AuxiliaryUnits, PowerOnUnitsAreAccountedEitherWay)
{
    const Catalogue catalogue = auxiliaryCatalogue(6, 4);
    Requirements requirements;
    requirements.automaticPowerOn = true;
    CalculationState state;
    state.totals = {9, 100, 9};
    addPowerOnUnits(catalogue, requirements, state);
    EXPECT_EQ(state.lines, QStringList{Pd + " - 3 шт."});
    EXPECT_EQ(state.totals, (Totals{12, 130, 12}));

    requirements.automaticPowerOn = false;
    addPowerOnUnits(catalogue, requirements, state);
    EXPECT_EQ(state.lines.last(), Bl + " - 3 шт.");
    EXPECT_EQ(state.totals, (Totals{15, 145, 15}));
}

TEST(AuxiliaryUnits, PowerRedundancyFromTheConsumption)
{
    const Catalogue catalogue = auxiliaryCatalogue(6, 1000);
    Requirements requirements;
    requirements.powerSupplyReserve = true;
    CalculationState state;
    state.totals = {5, 1000, 5};
    addPowerReserveUnits(catalogue, requirements, state);
    EXPECT_EQ(state.lines, QStringList{Up + " - 2 шт."}); // 1250 W by 1000 W units
    EXPECT_EQ(state.totals, (Totals{7, 1100, 11}));
}

struct FigureCase
{
    const char *label;
    void (*rule)(const Catalogue &, const Requirements &, CalculationState &);
    std::int32_t figure;
    QString unit;
};

class ZeroFigureTest : public ::testing::TestWithParam<FigureCase>
{
};

TEST_P(ZeroFigureTest, IsACatalogueError)
{
    const Catalogue catalogue = auxiliaryCatalogue(6, GetParam().figure);
    Requirements requirements;
    requirements.lineControl = LineControl::Automatic;
    requirements.automaticPowerOn = GetParam().unit == Pd;
    requirements.powerSupplyReserve = true;
    CalculationState state;
    state.zoneCount = 10;
    state.totals = {5, 100, 5};
    GetParam().rule(catalogue, requirements, state);
    EXPECT_TRUE(state.lines.isEmpty());
    EXPECT_EQ(state.totals, (Totals{5, 100, 5}));
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{databaseError(GetParam().unit), true}}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ZeroFigureTest,
                         ::testing::Values(FigureCase{"Ml", addLineControlUnits, 0, Ml},
                                           FigureCase{"Pd", addPowerOnUnits, 0, Pd},
                                           FigureCase{"Bl", addPowerOnUnits, 0, Bl},
                                           FigureCase{"Up", addPowerReserveUnits, 0, Up},
                                           FigureCase{"NegativeBl", addPowerOnUnits, -3, Bl}),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(AuxiliaryUnits, MissingEntryIsACatalogueErrorNamingItsCode)
{
    Catalogue catalogue = auxiliaryCatalogue();
    catalogue.blName.clear();
    Requirements requirements;
    CalculationState state;
    addPowerOnUnits(catalogue, requirements, state);
    EXPECT_TRUE(state.lines.isEmpty());
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{databaseError(QStringLiteral("BL")), true}}));
}

TEST(AuxiliaryUnits, ConsumptionBeyondTheRangeIsACatalogueError)
{
    const Catalogue catalogue = auxiliaryCatalogue();
    Requirements requirements;
    requirements.powerSupplyReserve = true;
    CalculationState state;
    state.totals = {1, 2'000'000'000, 1};
    addPowerReserveUnits(catalogue, requirements, state);
    EXPECT_EQ(state.messages, (QList<CalcMessage>{{databaseError(Up), true}}));
}

TEST(AuxiliaryUnits, RunInOrderAndReadTheTotalsTheEarlierRulesLeft)
{
    const Catalogue catalogue = auxiliaryCatalogue(6, 4);
    Requirements requirements;
    requirements.lineControl = LineControl::Manual;
    requirements.attenuatorControl = true;
    requirements.amplifierReserve = true;
    requirements.reserveUnitText = QStringLiteral("K-3240 Блок переключения");
    requirements.automaticPowerOn = true;
    requirements.powerSupplyReserve = true;
    CalculationState state;
    state.amplifierCount = 5;
    state.ampQty1 = 1;
    state.ampName1 = Rem;
    state.ampQty2 = 4;
    state.ampName2 = Block;
    state.totals = {5, 1000, 10};

    addAuxiliaryUnits(catalogue, requirements, state);

    // AR 1, MO 1, RP 1, K-3240 2 with 2 block amplifiers: 12 units, so 3 PD; then UP for the consumption.
    const std::int32_t draw = 1000 + 20 + 15 + 15 + 2 * 20 + 2 * 2000 + 3 * 10;
    const std::int32_t upUnits = (draw * 5 / 4 + 3) / 4;
    EXPECT_EQ(state.lines,
              (QStringList{Ar + " - 1 шт.", QStringLiteral("K-3610 Ручной контроль - 1 шт."),
                           QStringLiteral("K-3630 Аттенюаторы - 1 шт."),
                           QStringLiteral("K-3240 Блок переключения - 2 шт."), Block + " - 2 шт.",
                           Pd + " - 3 шт.", Up + QStringLiteral(" - %1 шт.").arg(upUnits)}));
    EXPECT_EQ(state.totals.powerDraw, draw + 50 * upUnits);
}

} // namespace
