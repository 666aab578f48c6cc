#include "calc/compute_total_power.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

struct TotalCase
{
    const char *label;
    PowerMode mode;
    const char16_t *totalText;
    QStringList zoneLines;
    bool reserve;
    const char16_t *percent;
    double expected;
};

class ComputeTotalPowerTest : public ::testing::TestWithParam<TotalCase>
{
};

TEST_P(ComputeTotalPowerTest, GivesTheRequiredPower)
{
    const TotalCase &c = GetParam();
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
        TotalCase{"TotalWithReserve", PowerMode::Total, u"1200", {}, true, u"20", 1440},
        TotalCase{"TotalWithoutReserve", PowerMode::Total, u"1200", {}, false, u"20", 1200},
        TotalCase{"FractionalReserve", PowerMode::Total, u"33", {}, true, u"5", 34.65},
        TotalCase{"TotalKeepsItsFraction", PowerMode::Total, u"1500.6", {}, false, u"20", 1500.6},
        TotalCase{
            "TotalReadUpToTheFirstOtherCharacter", PowerMode::Total, u"12 00Вт", {}, false, u"20", 1200},
        TotalCase{"EmptyTotal", PowerMode::Total, u"", {}, true, u"20", 0},
        TotalCase{"ZoneLines", PowerMode::PerZone, u"999", TwoZones, false, u"20", 350},
        TotalCase{"ZoneLinesWithReserve", PowerMode::PerZone, u"", TwoZones, true, u"10", 385},
        TotalCase{"ZoneLineRoundedHalfToEven",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Зона 1 - 2.5 Вт"), QStringLiteral("Зона 2 - 3.5 Вт")},
                  false,
                  u"20",
                  6},
        TotalCase{"ZoneLineWithoutWattsCountsNothing",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Зона 1 - 100"), QStringLiteral("Зона 2 - 40 Вт")},
                  false,
                  u"20",
                  40},
        TotalCase{"LetterBeforeTheWatts",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Зона В1 - 70 Вт")},
                  false,
                  u"20",
                  70},
        TotalCase{"WattsBeforeTheDashCountsNothing",
                  PowerMode::PerZone,
                  u"",
                  {QStringLiteral("Вт 1 - 100")},
                  false,
                  u"20",
                  0},
        TotalCase{"NoModeGivesZero", PowerMode::None, u"1200", TwoZones, true, u"20", 0}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(ComputeTotalPower, HugeZoneLineKeepsItsSizeForTheRangeCheck)
{
    Requirements requirements;
    requirements.powerMode = PowerMode::PerZone;
    requirements.zoneLines = {QStringLiteral("Зона 1 - 1E20 Вт")};
    EXPECT_GT(computeTotalPower(requirements), 160000);
}

} // namespace
