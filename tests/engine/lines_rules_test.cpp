#include "model_fixture.h"

// The loudspeaker lines give the zone list its powers through the zone dialog's own rule.
namespace orvika::test {
namespace {

class LinesRules : public ModelTest
{
protected:
    void zonesByPower(int zones)
    {
        model->setTicked(CheckBoxId::Check1, true);
        model->setCounterValue(CounterId::VSKZ, zones);
        model->setPowerMode(PowerMode::PerZone);
        seam.takeMessages();
    }

    void giveLines(const QList<std::pair<double, int>> &loudspeakers)
    {
        LoudspeakerLines lines;
        int zone = 0;
        for (const auto &[power, count] : loudspeakers) {
            ZoneLine line;
            line.zone = ++zone;
            line.power = power;
            line.count = count;
            lines.zones.append(line);
        }
        model->setLoudspeakerLines(lines);
    }
};

TEST_F(LinesRules, TheZonePowersGoIntoTheZoneListAsIfTyped)
{
    zonesByPower(3);
    model->click(ButtonId::CmdAdd); // a zone typed earlier goes with the clearing
    seam.takeMessages();
    giveLines({{6, 12}, {30, 10}, {2.5, 3}});
    ASSERT_TRUE(model->canTransferZonePowers());
    model->transferZonePowers();
    EXPECT_EQ(seam.messages, QStringList());
    EXPECT_EQ(model->zoneList().items, QStringList({"Зона 1 - 72 Вт", "Зона 2 - 300 Вт", "Зона 3 - 7.5 Вт"}));
    EXPECT_EQ(model->zoneListPower(2), 300);
    EXPECT_EQ(model->zoneListPower(3), 7.5);
    EXPECT_EQ(model->zoneListPower(4), std::nullopt);
    EXPECT_EQ(state.zoneListCount, 3);
}

// A zone the dialog would refuse is refused with its message; the zones before it stay.
TEST_F(LinesRules, AZoneTheDialogRefusesStopsTheTransfer)
{
    zonesByPower(3);
    giveLines({{100, 5}, {40, 50}, {6, 1}});
    model->transferZonePowers();
    EXPECT_EQ(seam.messages, QStringList{"Мощность зоны не должна превышать 1500 Вт"});
    EXPECT_EQ(model->zoneList().items, QStringList{"Зона 1 - 500 Вт"});
}

TEST_F(LinesRules, OfferedOnlyByZonesAndWithEveryZonesPower)
{
    zonesByPower(3);
    giveLines({{6, 12}, {30, 10}});
    EXPECT_FALSE(model->canTransferZonePowers()) << "zone 3 has no line";
    LoudspeakerLines edited = model->projectCard().lines;
    edited.zones.append(ZoneLine{3, {}, {}, 10, 2, {}, {}, {}});
    EXPECT_TRUE(model->canTransferZonePowers(edited)) << "lines not stored yet";
    giveLines({{6, 12}, {30, 10}, {10, 2}});
    EXPECT_TRUE(model->canTransferZonePowers());
    model->setPowerMode(PowerMode::Total);
    EXPECT_FALSE(model->canTransferZonePowers());
    model->transferZonePowers();
    EXPECT_TRUE(model->zoneList().items.isEmpty());

    EXPECT_EQ(model->lineZoneCount(), 3);
    model->setTicked(CheckBoxId::Check1, false);
    EXPECT_EQ(model->lineZoneCount(), 1);
}

} // namespace
} // namespace orvika::test
