#include "pictures/picture.h"
#include "room_plan_fixtures.h"
#include "svg_text.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// A room's plan as drawn: to scale, every loudspeaker with its coverage where the layout puts it, the
// worst point and the figures in words.
namespace orvika::test {
namespace {

class RoomPlan : public ::testing::TestWithParam<PlanCase>
{
protected:
    const PlanCase &plan = GetParam();
    RoomResult result = resultOf(plan.room);
    Picture picture = roomPlanPicture(plan.room, result, speakerOf(plan.room));
    const PictureScene &scene = *picture.scene;
    QRectF walls = wallsOf(scene);
    double scale = walls.width() / plan.room.length;

    QPointF at(double x, double y) const { return walls.topLeft() + QPointF(x, y) * scale; }
    QPointF at(const RoomPoint &point) const { return at(point.x, point.y); }

    // The parts on the layer and of the kind that lie within the walls (the legend's samples do not).
    QList<SceneShape> inside(SceneLayer layer, SceneShape::Kind kind) const
    {
        QList<SceneShape> found;
        const QRectF room = walls.adjusted(-1, -1, 1, 1);
        for (const SceneShape &shape : shapesOf(scene, layer, kind)) {
            const QPointF centre = kind == SceneShape::Kind::Dot || kind == SceneShape::Kind::Rect
                                       ? shape.rect.center()
                                       : shape.points.boundingRect().center();
            if (room.contains(centre))
                found.append(shape);
        }
        return found;
    }
};

TEST_P(RoomPlan, IsDrawnToScale)
{
    ASSERT_EQ(result.count(), plan.count);
    EXPECT_NEAR(scale, plan.scale, 1e-3);
    EXPECT_NEAR(walls.height(), plan.room.width * scale, 1e-9);
    EXPECT_GE(picture.size.width(), walls.right());
    EXPECT_GE(picture.size.height(), walls.bottom());
    EXPECT_EQ(picture.title, QStringLiteral("План помещения «%1»").arg(plan.room.name));
}

TEST_P(RoomPlan, EachLoudspeakerWhereTheLayoutPutsIt)
{
    const QList<SceneShape> speakers = inside(SceneLayer::Units, SceneShape::Kind::Dot);
    ASSERT_EQ(speakers.size(), plan.count);
    for (const RoomPoint &speaker : result.layout.loudspeakers)
        EXPECT_EQ(
            std::count_if(speakers.begin(), speakers.end(),
                          [&](const SceneShape &dot) { return nearPoint(dot.rect.center(), at(speaker)); }),
            1)
            << speaker.x << ", " << speaker.y;
}

TEST_P(RoomPlan, TheCoverageOfEachLoudspeaker)
{
    const RoomLayout &layout = result.layout;
    if (plan.room.mounting == Mounting::Ceiling) {
        const QList<SceneShape> circles = inside(SceneLayer::Coverage, SceneShape::Kind::Dot);
        ASSERT_EQ(circles.size(), plan.count);
        for (qsizetype i = 0; i < circles.size(); ++i) {
            EXPECT_NEAR(circles[i].rect.width() / 2, layout.coverage * scale, 1e-9);
            EXPECT_TRUE(nearPoint(circles[i].rect.center(), at(layout.loudspeakers[i])));
        }
        return;
    }
    // From each loudspeaker on its wall to ±y_max on the far line, cut at the end walls.
    const QList<SceneShape> sectors = inside(SceneLayer::Coverage, SceneShape::Kind::Polygon);
    ASSERT_EQ(sectors.size(), layout.farLineOutside ? 0 : plan.count);
    for (qsizetype i = 0; i < sectors.size(); ++i) {
        const RoomPoint &speaker = layout.loudspeakers[i];
        const double far = speaker.y == 0 ? layout.throwDistance : plan.room.width - layout.throwDistance;
        const QRectF expected =
            QRectF(at(speaker.x - layout.coverage, far), at(speaker.x + layout.coverage, speaker.y))
                .normalized();
        const QRectF drawn = sectors[i].points.boundingRect();
        EXPECT_TRUE(nearPoint(drawn.topLeft(), expected.topLeft(), 1e-6) &&
                    nearPoint(drawn.bottomRight(), expected.bottomRight(), 1e-6))
            << i;
        EXPECT_TRUE(std::any_of(sectors[i].points.begin(), sectors[i].points.end(),
                                [&](const QPointF &corner) { return nearPoint(corner, at(speaker)); }))
            << "the apex at the loudspeaker " << i;
    }
    // The far line, dashed, across the room.
    const QList<SceneShape> lines = inside(SceneLayer::Coverage, SceneShape::Kind::Polyline);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const SceneShape &line) {
        return line.pen.style() == Qt::DashLine &&
               nearPoint(line.points.first(), at(0, layout.throwDistance)) &&
               nearPoint(line.points.last(), at(plan.room.length, layout.throwDistance));
    }));
}

TEST_P(RoomPlan, AWorstPointCrossWithItsLevel)
{
    // Two strokes crossing where the layout says.
    const QPointF worst = at(result.layout.worstPoint);
    int strokes = 0;
    for (const SceneShape &line : inside(SceneLayer::Coverage, SceneShape::Kind::Polyline))
        if (line.points.size() == 2 && line.pen.style() == Qt::SolidLine &&
            nearPoint((line.points[0] + line.points[1]) / 2, worst))
            ++strokes;
    EXPECT_EQ(strokes, 2);
}

TEST_P(RoomPlan, SaysEverythingInWords)
{
    // A line of text is written in runs of one script each, so the runs are read back joined.
    const QString svg = visibleTexts(pictureSvg(picture)).join(QString());
    for (const QString &text : plan.expected)
        EXPECT_TRUE(svg.contains(text)) << text.toStdString();
    EXPECT_TRUE(svg.contains(QStringLiteral("Масштаб")));
}

INSTANTIATE_TEST_SUITE_P(WorkedRooms, RoomPlan, ::testing::ValuesIn(planCases()), caseName);

TEST(RoomPlanText, ALongNameIsShortenedAndKeptWhole)
{
    const Room room = with(planCases().first().room, [](Room &room) { room.name = QString(200, u'Щ'); });
    const Picture picture = roomPlanPicture(room, resultOf(room), CeilingSpeaker);
    const QByteArray svg = pictureSvg(picture);
    const QString caption = QStringLiteral("Зона 1, «%1»: 24 шт. × 0,75 Вт, потолок").arg(room.name);
    EXPECT_TRUE(labelTitles(svg).contains(caption));
    EXPECT_LE(picture.size.width(), 2000) << "the picture does not grow with the name";
}

TEST(RoomPlanText, ARoomWithoutASizeStillHasItsWords)
{
    // A grid without its loudspeakers too: nothing to measure between (the sanitizers' build reads
    // past the list otherwise).
    Room room;
    room.name = QStringLiteral("Пусто");
    RoomResult result;
    result.layout.columns = 3;
    result.layout.rows = 2;
    const Picture picture = roomPlanPicture(room, result, CeilingSpeaker);
    EXPECT_TRUE(std::isfinite(picture.size.width()) && std::isfinite(picture.size.height()));
    EXPECT_TRUE(visibleTexts(pictureSvg(picture)).join(QString()).contains(QStringLiteral("«Пусто»")));
}

} // namespace
} // namespace orvika::test
