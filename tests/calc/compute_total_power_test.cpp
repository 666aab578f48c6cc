#include "calc/compute_total_power.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

struct PowerCase
{
    const char *label;
    PowerMode mode;
    const char16_t *totalText;
    QStringList zoneLines;
    bool reserve;
    const char16_t *percent;
    double expected;
};

class ComputeTotalPowerTest : public ::testing::TestWithParam<PowerCase>
{
};

TEST_P(ComputeTotalPowerTest, GivesTheRequiredPower)
{
    const PowerCase &c = GetParam();
    Requirements requirements;
    requirements.powerMode = c.mode;
    requirements.totalPowerText = QString::fromUtf16(c.totalText);
    requirements.zoneLines = c.zoneLines;
    requirements.powerReserve = c.reserve;
    requirements.reservePercentText = QString::fromUtf16(c.percent);
    EXPECT_DOUBLE_EQ(computeTotalPower(requirements), c.expected);
}

const QStringList TwoZones{QStringLiteral("Зона 1 - 100 Вт"), QStringLiteral("Зона 2 - 250 Вт")};

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeTotalPowerTest,
    ::testing::Values(
        PowerCase{"TotalWithReserve", PowerMode::Total, u"1200", {}, true, u"20", 1440},
        PowerCase{"TotalWithoutReserve", PowerMode::Total, u"1200", {}, false, u"20", 1200},
        PowerCase{"FractionalReserve", PowerMode::Total, u"33", {}, true, u"5", 34.65},
        PowerCase{"TotalKeepsItsFraction", PowerMode::Total, u"1500.6", {}, false, u"20", 1500.6},
        PowerCase{
            "TotalReadUpToTheFirstOtherCharacter", PowerMode::Total, u"12 00Вт", {}, false, u"20", 1200},
        PowerCase{"EmptyTotal", PowerMode::Total, u"", {}, true, u"20", 0},
        PowerCase{"ZoneLines", PowerMode::PerZone, u"999", TwoZones, false, u"20", 350},
        PowerCase{"ZoneLinesWithReserve", PowerMode::PerZone, u"", TwoZones, true, u"10", 385},
        PowerCase{"ZoneLineRoundedHalfToEven",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Зона 1 - 2.5 Вт"), QStringLiteral("Зона 2 - 3.5 Вт")},
                  false,
                  u"20",
                  6},
        PowerCase{"ZoneLineWithoutWattsCountsNothing",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Зона 1 - 100"), QStringLiteral("Зона 2 - 40 Вт")},
                  false,
                  u"20",
                  40},
        PowerCase{"LetterBeforeTheWatts",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Зона В1 - 70 Вт")},
                  false,
                  u"20",
                  70},
        PowerCase{"WattsBeforeTheDashCountsNothing",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Вт 1 - 100")},
                  false,
                  u"20",
                  0},
        PowerCase{"NoModeGivesZero", PowerMode::None, u"1200", TwoZones, true, u"20", 0}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ComputeTotalPower, HugeZoneLineKeepsItsSizeForTheRangeCheck)
{
    Requirements requirements;
    requirements.powerMode = PowerMode::PerZone;
    requirements.zoneLines = {QStringLiteral("Зона 1 - 1E20 Вт")};
    EXPECT_GT(computeTotalPower(requirements), 160000);
}

} // namespace
