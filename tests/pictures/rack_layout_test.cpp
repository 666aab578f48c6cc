#include "calc/calculation_state.h"
#include "pictures/rack_layout.h"

#include <gtest/gtest.h>
#include <map>

// The rack elevation before it is drawn: which racks, and where each unit stands.
namespace orvika::test {
namespace {

// A catalogue of units by height and two cabinet classes; the proposal lists what the test names.
Catalogue rackCatalogue()
{
    Catalogue catalogue;
    catalogue.numberLocale = QLocale::c();
    for (int height = 0; height <= 30; ++height)
        catalogue.lines.append(QStringLiteral("K-%1 Блок").arg(height) + u'#' + QString::number(height * 10) +
                               u'%' + QString::number(height) + u'&');
    catalogue.lines.append(QStringLiteral("K-900 Микрофон#2%0&MC"));
    catalogue.lines.append(QStringLiteral("K-3700 Шкаф 24*RU/60|24"));
    catalogue.lines.append(QStringLiteral("K-3702 Шкаф 42*RU/60|42"));
    catalogue.lines.append(QStringLiteral("K-3710 Шкаф АКБ 12*RU/80|12"));
    catalogue.cabinets60 = {{QStringLiteral("K-3700 Шкаф 24"), 24}, {QStringLiteral("K-3702 Шкаф 42"), 42}};
    catalogue.cabinets80 = {{QStringLiteral("K-3710 Шкаф АКБ 12"), 12}};
    return catalogue;
}

QString unit(int height)
{
    return QStringLiteral("K-%1 Блок").arg(height);
}

Proposal proposalOf(const QList<ProposedItem> &items)
{
    Proposal proposal;
    proposal.items = items;
    for (const ProposedItem &item : items)
        proposal.lines.append(unitLine(item.designation, item.quantity));
    proposal.complete = true;
    return proposal;
}

ProposedItem cabinet(const char *name, std::int32_t quantity)
{
    return {QString::fromUtf8(name), quantity, {}, LineRole::Cabinet};
}

struct RackCase
{
    const char *label;
    bool cabinetTicked;
    QList<ProposedItem> items;
    QStringList racks; // "designation/height", chosen ones marked with "*"
    int unplaced;
    int pieces;  // rack-mounted pieces, placed or not
    int outside; // lines without a height
};

void PrintTo(const RackCase &value, std::ostream *out)
{
    *out << value.label;
}

class RackLayoutTest : public ::testing::TestWithParam<RackCase>
{
};

TEST_P(RackLayoutTest, PlacesEveryUnitWholeWithoutOverlap)
{
    const RackCase &c = GetParam();
    Requirements requirements;
    requirements.cabinet = c.cabinetTicked;
    const Proposal proposal = proposalOf(c.items);
    const RackLayout layout = layoutRacks(rackCatalogue(), requirements, proposal);

    QStringList racks;
    for (const Rack &rack : layout.racks)
        racks.append(rack.designation + u'/' + QString::number(rack.height) +
                     (rack.chosen ? QStringLiteral("*") : QString()));
    EXPECT_EQ(racks, c.racks);
    EXPECT_EQ(layout.unplaced.size(), c.unplaced);

    // Every piece with a height is placed or named as unplaced; the others stand outside.
    EXPECT_EQ(layout.placed.size() + layout.unplaced.size(), c.pieces);
    EXPECT_EQ(layout.outside.size(), c.outside);

    // Within its rack, no unit overlaps another or runs past the bottom, and the used height adds up.
    std::map<int, double> used;
    for (qsizetype i = 0; i < layout.placed.size(); ++i) {
        const PlacedUnit &a = layout.placed[i];
        EXPECT_GE(a.top, 0);
        EXPECT_LE(a.top + a.unit.height, layout.racks[a.rack].height);
        used[a.rack] += a.unit.height;
        for (qsizetype j = i + 1; j < layout.placed.size(); ++j) {
            const PlacedUnit &b = layout.placed[j];
            if (a.rack == b.rack) {
                EXPECT_TRUE(a.top + a.unit.height <= b.top || b.top + b.unit.height <= a.top)
                    << i << ' ' << j;
            }
        }
    }
    for (int rack = 0; rack < layout.racks.size(); ++rack)
        EXPECT_DOUBLE_EQ(layout.racks[rack].used, used[rack]) << rack;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RackLayoutTest,
    ::testing::Values(RackCase{"ChosenCabinetsInTheirNumber",
                               true,
                               {{unit(10), 3, {}, LineRole::Amplifier},
                                {unit(2), 4, {}, LineRole::Selector},
                                cabinet("K-3700 Шкаф 24", 2)},
                               {"K-3700 Шкаф 24/24*", "K-3700 Шкаф 24/24*"},
                               0,
                               7,
                               0},
                      RackCase{"FirstFitLeavesAPieceWithoutRoom",
                               true,
                               {{unit(13), 3, {}, LineRole::Amplifier}, cabinet("K-3700 Шкаф 24", 2)},
                               {"K-3700 Шкаф 24/24*", "K-3700 Шкаф 24/24*"},
                               1,
                               3,
                               0},
                      RackCase{"WithoutTheRequirementTheSmallestCabinetThatHoldsAll",
                               false,
                               {{unit(10), 2, {}, LineRole::Amplifier}, {unit(3), 1, {}, LineRole::Selector}},
                               {"K-3700 Шкаф 24/24"},
                               0,
                               3,
                               0},
                      RackCase{"TheSmallestMayBeOfTheOtherClass",
                               false,
                               {{unit(5), 2, {}, LineRole::Amplifier}},
                               {"K-3710 Шкаф АКБ 12/12"},
                               0,
                               2,
                               0},
                      RackCase{
                          "TooHighForEveryCabinetARackOfExactlyTheirHeight",
                          false,
                          {{unit(30), 1, {}, LineRole::Amplifier}, {unit(20), 1, {}, LineRole::Amplifier}},
                          {"/50"},
                          0,
                          2,
                          0},
                      RackCase{"ATallerUnitThanEveryRackIsNamed",
                               true,
                               {{unit(30), 1, {}, LineRole::Amplifier},
                                {unit(1), 2, {}, LineRole::Amplifier},
                                cabinet("K-3700 Шкаф 24", 1)},
                               {"K-3700 Шкаф 24/24*"},
                               1,
                               3,
                               0},
                      RackCase{"UnitsWithoutHeightStandOutside",
                               false,
                               {{QStringLiteral("K-900 Микрофон"), 3, {}, LineRole::Source},
                                {unit(0), 1, {}, LineRole::Source},
                                {QStringLiteral("ZEP-60 ПО"), 1, {}, LineRole::Source},
                                {unit(1), 1, {}, LineRole::Amplifier}},
                               {"K-3710 Шкаф АКБ 12/12"},
                               0,
                               1,
                               3}),
    [](const ::testing::TestParamInfo<RackCase> &info) { return std::string(info.param.label); });

TEST(RackLayout, UnitsGoTopDownInTheProposalsOrderWithTheirConsumption)
{
    Requirements requirements;
    requirements.cabinet = true;
    const RackLayout layout = layoutRacks(rackCatalogue(), requirements,
                                          proposalOf({{unit(4), 2, {}, LineRole::Amplifier},
                                                      {unit(2), 1, {}, LineRole::Selector},
                                                      cabinet("K-3700 Шкаф 24", 1)}));
    ASSERT_EQ(layout.placed.size(), 3);
    EXPECT_EQ(layout.placed[0].top, 0);
    EXPECT_EQ(layout.placed[1].top, 4);
    EXPECT_EQ(layout.placed[2].top, 8);
    EXPECT_EQ(layout.placed[2].unit.designation, unit(2));
    EXPECT_EQ(layout.placed[2].unit.line, 1);
    EXPECT_DOUBLE_EQ(layout.racks[0].used, 10);
    EXPECT_DOUBLE_EQ(layout.racks[0].powerDraw, 2 * 40 + 20);
}

} // namespace
} // namespace orvika::test
