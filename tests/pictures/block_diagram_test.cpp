#include "../documents/document_fixtures.h"
#include "pictures/block_diagram.h"
#include "pictures/picture.h"
#include "pictures/picture_scene.h"
#include "svg_text.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <set>

// The block diagram of real calculations over the bundled catalogue: every line in its box, boxes
// apart, links clear of every box but their own two, the zones whole.
namespace orvika::test {
namespace {

// A zone-call panel, which the calculation replaces by its connection unit, a console that goes
// through that unit, and a message block that goes straight on; three zones of their own power.
Requirements smallInstallation()
{
    Requirements r;
    r.multiZone = true;
    r.zoneCount = 3;
    r.powerMode = PowerMode::PerZone;
    r.zoneLines = {QStringLiteral("Зона 1 - 100 Вт"), QStringLiteral("Зона 2 - 60 Вт"),
                   QStringLiteral("Зона 3 - 40 Вт")};
    r.zoneListCount = 3;
    r.sourceLines = {QStringLiteral("K-3120 Панель микрофонная вызова зон на 20 кнопок - 1 шт."),
                     QStringLiteral("K-3140 Консоль микрофонная выносная на 10 зон - 1 шт."),
                     QStringLiteral("K-3260 Блок речевых сообщений на 4 сообщения - 1 шт.")};
    r.micCount = 2;
    r.alarmBlockCount = 1;
    r.selectionTotals = {3, 30, 1};
    return r;
}

Requirements singleZone()
{
    Requirements r;
    r.powerMode = PowerMode::Total;
    r.totalPowerText = QStringLiteral("300");
    r.sourceLines = {QStringLiteral("K-3124 Микрофон ручной динамический - 1 шт.")};
    r.micCount = 1;
    r.selectionTotals = {1, 0, 0};
    return r;
}

struct Calculated
{
    Proposal proposal;
    BlockDiagram diagram;
};

Calculated calculated(const Requirements &requirements)
{
    static const Catalogue catalogue = bundledCatalogue();
    static const QStringList schemes = loadSchemeLibrary(DataDir).lines;
    Calculated result;
    result.proposal = calculate(catalogue, schemes, requirements);
    result.diagram = layoutBlockDiagram(catalogue, requirements, result.proposal);
    return result;
}

struct Installation
{
    const char *label;
    Requirements (*requirements)();
};

void PrintTo(const Installation &value, std::ostream *out)
{
    *out << value.label;
}

class BlockDiagramTest : public ::testing::TestWithParam<Installation>
{
protected:
    void SetUp() override
    {
        result = calculated(GetParam().requirements());
        ASSERT_TRUE(result.proposal.complete);
    }
    Calculated result;
};

// A segment crosses the inside of a box; running along its edge does not.
bool crosses(const QPointF &a, const QPointF &b, const QRectF &box)
{
    return std::min(a.x(), b.x()) < box.right() && std::max(a.x(), b.x()) > box.left() &&
           std::min(a.y(), b.y()) < box.bottom() && std::max(a.y(), b.y()) > box.top();
}

bool onEdge(const QPointF &point, const QRectF &box)
{
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
    const bool acrossX = point.x() >= box.left() && point.x() <= box.right();
    const bool acrossY = point.y() >= box.top() && point.y() <= box.bottom();
    return ((near(point.x(), box.left()) || near(point.x(), box.right())) && acrossY) ||
           ((near(point.y(), box.top()) || near(point.y(), box.bottom())) && acrossX);
}

TEST_P(BlockDiagramTest, EveryLineIsInExactlyOneBoxWithItsQuantity)
{
    const QList<ProposedItem> &items = result.proposal.items;
    QList<int> boxesOfLine(items.size(), 0);
    for (const DiagramBox &box : result.diagram.boxes) {
        if (box.isZones())
            continue;
        ASSERT_GE(box.line, 0);
        ASSERT_LT(box.line, items.size());
        ++boxesOfLine[box.line];
        EXPECT_EQ(box.designation, items[box.line].designation);
        EXPECT_EQ(box.model, modelOf(items[box.line].designation));
        EXPECT_EQ(box.quantity, items[box.line].quantity);
    }
    EXPECT_EQ(boxesOfLine, QList<int>(items.size(), 1));
}

TEST_P(BlockDiagramTest, BoxesStandApartInsideThePicture)
{
    const QList<DiagramBox> &boxes = result.diagram.boxes;
    const QRectF picture(QPointF(0, 0), result.diagram.size);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(picture.contains(boxes[i].rect)) << boxes[i].designation.toStdString();
        for (qsizetype j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].rect.intersects(boxes[j].rect))
                << boxes[i].designation.toStdString() << " / " << boxes[j].designation.toStdString();
    }
}

TEST_P(BlockDiagramTest, LinksRunSquareFromEdgeToEdgeClearOfOtherBoxes)
{
    const QList<DiagramBox> &boxes = result.diagram.boxes;
    const QRectF picture(QPointF(0, 0), result.diagram.size);
    ASSERT_FALSE(result.diagram.links.isEmpty());
    for (const DiagramLink &link : result.diagram.links) {
        const std::string name =
            boxes[link.from].designation.toStdString() + " → " + boxes[link.to].designation.toStdString();
        ASSERT_GE(link.path.size(), 2) << name;
        EXPECT_TRUE(onEdge(link.path.first(), boxes[link.from].rect)) << name;
        EXPECT_TRUE(onEdge(link.path.last(), boxes[link.to].rect)) << name;
        for (qsizetype s = 1; s < link.path.size(); ++s) {
            const QPointF a = link.path[s - 1];
            const QPointF b = link.path[s];
            EXPECT_TRUE(a.x() == b.x() || a.y() == b.y()) << name << " segment " << s;
            EXPECT_TRUE(picture.contains(b)) << name;
            for (qsizetype other = 0; other < boxes.size(); ++other) {
                if (other != link.from && other != link.to) {
                    EXPECT_FALSE(crosses(a, b, boxes[other].rect))
                        << name << " crosses " << boxes[other].designation.toStdString();
                }
            }
        }
    }
}

TEST_P(BlockDiagramTest, CaptionNamesTheScheme)
{
    QString scheme = result.proposal.schemeChoice;
    ASSERT_FALSE(scheme.isEmpty());
    scheme.chop(1); // the trailing full stop
    EXPECT_EQ(result.diagram.caption, QStringLiteral("Примерная блок-схема: ") + scheme);
}

TEST_P(BlockDiagramTest, PaintsWithEveryModelVisibleInTheSvg)
{
    const Picture picture = blockDiagramPicture(result.diagram);
    EXPECT_EQ(picture.size, result.diagram.size);
    const QImage image = pictureImage(picture, 1);
    ASSERT_FALSE(image.isNull());
    QImage blank(image.size(), image.format());
    blank.fill(Qt::white);
    EXPECT_NE(image, blank);

    // A line of mixed scripts may come in runs, so the caption is read back joined.
    const QByteArray svg = pictureSvg(picture);
    const QStringList texts = visibleTexts(svg);
    EXPECT_TRUE(texts.join(QString()).contains(result.diagram.caption));
    for (const DiagramBox &box : result.diagram.boxes)
        EXPECT_TRUE(texts.contains(box.model)) << box.model.toStdString();
    // A shortened name keeps the whole designation.
    for (const QString &title : labelTitles(svg)) {
        EXPECT_TRUE(std::any_of(result.diagram.boxes.begin(), result.diagram.boxes.end(),
                                [&title](const DiagramBox &box) { return box.designation == title; }))
            << title.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Installations, BlockDiagramTest,
    ::testing::Values(Installation{"Small", smallInstallation}, Installation{"SingleZone", singleZone},
                      Installation{"EveryOption", everyOption}, Installation{"Largest", largestInstallation}),
    [](const ::testing::TestParamInfo<Installation> &info) { return std::string(info.param.label); });

// Where a control link joins its channel a dot is drawn, at the join: crossing channels are not joins.
TEST(BlockDiagramJoins, EveryJoinOfAControlLinkHasItsDot)
{
    const BlockDiagram diagram = calculated(largestInstallation()).diagram;
    QList<QPointF> joins;
    for (const DiagramLink &link : diagram.links) {
        if (link.control && link.path.size() > 2)
            joins.append(link.path[1]);
    }
    ASSERT_FALSE(joins.isEmpty());
    const Picture picture = blockDiagramPicture(diagram);
    QList<QPointF> dots;
    for (const SceneItem &item : picture.scene->items) {
        if (const auto *shape = std::get_if<SceneShape>(&item);
            shape && shape->kind == SceneShape::Kind::Dot) {
            EXPECT_GT(shape->rect.width(), 0);
            dots.append(shape->rect.center());
        }
    }
    EXPECT_EQ(dots, joins);
}

// Who feeds a unit: the models of the boxes whose links end at it, in order; "" names the zones.
struct FeedCase
{
    const char *label;
    Requirements (*requirements)();
    const char *into;
    const char *from;
};

void PrintTo(const FeedCase &value, std::ostream *out)
{
    *out << value.label;
}

class DiagramFeedTest : public ::testing::TestWithParam<FeedCase>
{
};

TEST_P(DiagramFeedTest, LinksGoWhereTheSignalAndTheControlGo)
{
    const FeedCase &c = GetParam();
    const BlockDiagram diagram = calculated(c.requirements()).diagram;
    const QString into = QString::fromUtf8(c.into);
    std::set<QString> from;
    for (const DiagramLink &link : diagram.links) {
        const DiagramBox &to = diagram.boxes[link.to];
        if (into.isEmpty() ? to.isZones() : !to.isZones() && to.model == into)
            from.insert(diagram.boxes[link.from].model);
    }
    EXPECT_EQ(QStringList(from.begin(), from.end()).join(u' '), QString::fromUtf8(c.from));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramFeedTest,
    ::testing::Values(
        FeedCase{"ConsoleThroughItsConnectionUnit", smallInstallation, "K-3125", "K-3140"},
        FeedCase{"PreamplifierTakesTheUnitAndTheOtherSources", smallInstallation, "K-3400", "K-3125 K-3260"},
        FeedCase{"PowerDistributionFeedsTheAmplifier", smallInstallation, "K-3508", "K-3110 K-3650"},
        FeedCase{"WithoutPreamplifierTheSourcesGoToTheSelectors", everyOption, "K-3110",
                 "K-3262 K-3286 K-3620 K-3630"},
        FeedCase{"ZonesStraightFromTheAmplifier", everyOption, "", "K-3520"},
        FeedCase{"PlayerThroughTheInterfaceThatFollowsIt", largestInstallation, "K-3285", "K-3280"},
        FeedCase{"SoftwareAndInterfacesToTheSelectors", largestInstallation, "K-3110",
                 "K-3125 K-3285 K-3620 K-3630 ZEP-60"},
        FeedCase{"MainAndReserveAmplifiersSwitchedAndPowered", largestInstallation, "K-3530",
                 "K-3110 K-3600 K-3640 K-3660"},
        FeedCase{"ReserveSwitchTakesEveryAmplifier", largestInstallation, "K-3240", "K-3520 K-3530"},
        FeedCase{"ZonesThroughTheReserveSwitch", largestInstallation, "", "K-3240"},
        FeedCase{"CabinetsServeNothing", largestInstallation, "K-3712", ""}),
    [](const ::testing::TestParamInfo<FeedCase> &info) { return std::string(info.param.label); });

// The zones alone: how they are drawn depends on the requirements and the total power only.
struct ZoneCase
{
    const char *label;
    PowerMode mode;
    bool multiZone;
    int zones; // listed zones of 10 W, 20 W, 30 W… in per-zone mode; the stated number otherwise
    int boxes;
    const char *first; // heading, then power, of the first box
    const char *firstPower;
    const char *last;
};

void PrintTo(const ZoneCase &value, std::ostream *out)
{
    *out << value.label;
}

class DiagramZonesTest : public ::testing::TestWithParam<ZoneCase>
{
};

TEST_P(DiagramZonesTest, ZonesAreWholeInOrderWithTheirPower)
{
    const ZoneCase &c = GetParam();
    Requirements requirements;
    requirements.powerMode = c.mode;
    requirements.multiZone = c.multiZone;
    requirements.zoneCount = c.zones;
    if (c.mode == PowerMode::PerZone) {
        for (int zone = 1; zone <= c.zones; ++zone)
            requirements.zoneLines.append(QStringLiteral("Зона %1 - %2 Вт").arg(zone).arg(zone * 10));
    }
    Proposal proposal;
    proposal.totalPower = 1000;
    const BlockDiagram diagram = layoutBlockDiagram(Catalogue{}, requirements, proposal);

    QList<DiagramBox> zones;
    for (const DiagramBox &box : diagram.boxes) {
        if (box.isZones())
            zones.append(box);
    }
    ASSERT_EQ(zones.size(), c.boxes);
    EXPECT_EQ(zones.first().model, QString::fromUtf8(c.first));
    EXPECT_EQ(zones.first().detail, QString::fromUtf8(c.firstPower));
    EXPECT_EQ(zones.last().model, QString::fromUtf8(c.last));

    // Consecutive, from the first zone to the last, none twice; a listed zone's power summed once.
    const bool single = !c.multiZone && c.mode != PowerMode::PerZone;
    int next = single ? 0 : 1;
    for (const DiagramBox &box : zones) {
        EXPECT_EQ(box.firstZone, next) << box.model.toStdString();
        EXPECT_GE(box.lastZone, box.firstZone);
        next = box.lastZone + 1;
        if (c.mode == PowerMode::PerZone) {
            EXPECT_DOUBLE_EQ(box.power,
                             5.0 * (box.lastZone * (box.lastZone + 1) - box.firstZone * (box.firstZone - 1)));
        }
    }
    EXPECT_EQ(next - 1, single ? 0 : c.zones);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramZonesTest,
    ::testing::Values(
        ZoneCase{"FewOneByOne", PowerMode::PerZone, true, 3, 3, "Зона 1", "10 Вт", "Зона 3"},
        ZoneCase{"AFullColumnStillOneByOne", PowerMode::PerZone, true, 20, 20, "Зона 1", "10 Вт", "Зона 20"},
        ZoneCase{"OneMoreInPairs", PowerMode::PerZone, true, 21, 11, "Зоны 1–2", "30 Вт", "Зона 21"},
        ZoneCase{"TheLargestInEights", PowerMode::PerZone, true, 160, 20, "Зоны 1–8", "360 Вт",
                 "Зоны 153–160"},
        ZoneCase{"AStatedTotalAsOneLoad", PowerMode::Total, true, 12, 1, "Зоны 1–12", "Нагрузка 1000 Вт",
                 "Зоны 1–12"},
        ZoneCase{"ASingleZoneAsTheLoad", PowerMode::Total, false, 1, 1, "Нагрузка", "1000 Вт", "Нагрузка"}),
    [](const ::testing::TestParamInfo<ZoneCase> &info) { return std::string(info.param.label); });

// A zone in a box of its own is headed by the name its loudspeaker line gives it, its number and
// power beneath; zones drawn together keep their numbers.
TEST(DiagramZoneNames, NameTheZonesDrawnAlone)
{
    const Requirements requirements = smallInstallation();
    const Proposal proposal = calculated(requirements).proposal;
    const BlockDiagram diagram =
        layoutBlockDiagram(bundledCatalogue(), requirements, proposal,
                           {{1, QStringLiteral("Холл, 1 этаж")}, {3, QStringLiteral(" ")}});
    QStringList zones;
    for (const DiagramBox &box : diagram.boxes) {
        if (box.column == DiagramColumn::Zones)
            zones.append(box.designation + u'|' + box.detail);
    }
    EXPECT_EQ(zones, QStringList({"Холл, 1 этаж|Зона 1, 100 Вт", "Зона 2|60 Вт", "Зона 3|40 Вт"}));
}

// The team's aim is 50 ms for the largest picture laid out and written as SVG; printed, not asserted,
// since a loaded machine would make it flaky.
TEST(BlockDiagramTiming, LargestLaidOutAndWrittenAsSvg)
{
    static const Catalogue catalogue = bundledCatalogue();
    const Requirements requirements = largestInstallation();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    QList<qint64> runs; // ns; the first one loads the fonts
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray svg =
            pictureSvg(blockDiagramPicture(layoutBlockDiagram(catalogue, requirements, proposal)));
        runs.append(timer.nsecsElapsed());
        ASSERT_FALSE(svg.isEmpty());
    }
    const qint64 best = *std::min_element(runs.begin(), runs.end());
    std::cout << "[ timing   ] 160 zones laid out and written as SVG: first " << runs.first() / 1000
              << " µs, best " << best / 1000 << " µs\n";
    RecordProperty("microseconds", int(best / 1000));
}

} // namespace
} // namespace orvika::test
