#include "cad/dxf_read_back.h"
#include "cad/room_plan_drawing.h"
#include "pictures/room_plan_fixtures.h"
#include "project_documents/drawing_sheet.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

// A room's plan as a DXF drawing, read back by a CAD library: its walls, loudspeakers, coverage and
// texts on their layers, where the sheet puts the picture.
namespace orvika::test {
namespace {

class RoomPlanDrawing : public ::testing::TestWithParam<PlanCase>
{
protected:
    const PlanCase &plan = GetParam();
    RoomResult result = resultOf(plan.room);
    Picture picture = roomPlanPicture(plan.room, result, speakerOf(plan.room));
    ProjectCard card = filledCard();
    Drawing drawing = readBack(roomPlanDrawing(picture, card));
    DrawingSheet sheet = layoutDrawingSheet(picture.size, card, picture.title, SheetOrientation::Landscape);
    QRectF walls = wallsOf(*picture.scene);
    double scale = walls.width() / plan.room.length;

    // A point of the room, mm on the sheet.
    QPointF onSheet(const RoomPoint &point) const
    {
        return sheet.pictureMm.topLeft() +
               (walls.topLeft() + QPointF(point.x, point.y) * scale) * sheet.mmPerUnit;
    }
    QRectF wallsOnSheet() const
    {
        return {sheet.pictureMm.topLeft() + walls.topLeft() * sheet.mmPerUnit,
                walls.size() * sheet.mmPerUnit};
    }

    // The circles of the layer within the walls, as (centre, radius) in mm on the sheet.
    QList<std::pair<QPointF, double>> circlesInside(const char *layer) const
    {
        QList<std::pair<QPointF, double>> found;
        const QRectF room = wallsOnSheet().adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const QJsonObject &circle : drawing.entities("CIRCLE", layer)) {
            const QPointF centre = drawing.onSheet(circle.value(u"at"));
            if (room.contains(centre))
                found.append({centre, circle.value(u"radius").toDouble()});
        }
        return found;
    }
};

TEST_P(RoomPlanDrawing, OnAnA3LandscapeSheetWithItsName)
{
    ASSERT_FALSE(drawing.whole.isEmpty()) << "ezdxf could not read the drawing";
    EXPECT_NEAR(drawing.sheetHeight, 297, 1e-9);
    const QJsonObject layers = drawing.whole.value(u"layers").toObject();
    for (const char *layer : {"frame", "room", "units", "coverage", "dimensions", "text"})
        EXPECT_TRUE(layers.contains(QLatin1String(layer))) << layer;
    QStringList frame;
    for (const QJsonObject &text : drawing.texts())
        if (text.value(u"layer").toString() == u"frame")
            frame.append(text.value(u"text").toString().simplified());
    EXPECT_TRUE(frame.contains(QStringLiteral("План помещения «%1»").arg(plan.room.name)))
        << frame.join(u'|').toStdString();
    EXPECT_TRUE(frame.contains(card.designation));
}

TEST_P(RoomPlanDrawing, TheWallsAndEachLoudspeakerWhereThePictureHasThem)
{
    ASSERT_FALSE(drawing.whole.isEmpty());
    const QList<QJsonObject> outlines = drawing.entities("LWPOLYLINE", "room");
    ASSERT_EQ(outlines.size(), 1);
    QPolygonF points;
    for (const QJsonValue &point : outlines[0].value(u"points").toArray())
        points.append(drawing.onSheet(point));
    EXPECT_TRUE(outlines[0].value(u"closed").toBool());
    EXPECT_TRUE(nearPoint(points.boundingRect().topLeft(), wallsOnSheet().topLeft(), 1e-3));
    EXPECT_TRUE(nearPoint(points.boundingRect().bottomRight(), wallsOnSheet().bottomRight(), 1e-3));

    const auto speakers = circlesInside("units");
    ASSERT_EQ(speakers.size(), plan.count);
    for (const RoomPoint &speaker : result.layout.loudspeakers)
        EXPECT_TRUE(
            std::any_of(speakers.begin(), speakers.end(),
                        [&](const auto &circle) { return nearPoint(circle.first, onSheet(speaker), 1e-3); }))
            << speaker.x << ", " << speaker.y;

    // The ceiling's coverage: a circle of R round each.
    const auto coverage = circlesInside("coverage");
    if (plan.room.mounting != Mounting::Ceiling) {
        EXPECT_TRUE(coverage.isEmpty());
        return;
    }
    ASSERT_EQ(coverage.size(), plan.count);
    for (const auto &circle : coverage)
        EXPECT_NEAR(circle.second, result.layout.coverage * scale * sheet.mmPerUnit, 1e-3);
}

TEST_P(RoomPlanDrawing, EveryTextWholeOnTheLayerText)
{
    ASSERT_FALSE(drawing.whole.isEmpty());
    QStringList texts;
    for (const QJsonObject &text : drawing.texts())
        if (text.value(u"layer").toString() == u"text")
            texts.append(text.value(u"text").toString().simplified());
    for (const QString &expected : plan.expected)
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
}

INSTANTIATE_TEST_SUITE_P(WorkedRooms, RoomPlanDrawing, ::testing::ValuesIn(planCases()),
                         [](const auto &info) {
                             QString name = QString::fromLatin1(info.param.title);
                             name.replace(u' ', u'_');
                             return name.toStdString();
                         });

TEST(RoomPlanDrawingText, ALongNameShortenedInThePictureIsWhole)
{
    const Room room = with(planCases().first().room, [](Room &room) { room.name = QString(200, u'Щ'); });
    const Picture picture = roomPlanPicture(room, resultOf(room), CeilingSpeaker);
    const Drawing drawing = readBack(roomPlanDrawing(picture, filledCard()));
    const QString caption = QStringLiteral("Зона 1, «%1»: 24 шт. × 0,75 Вт, потолок").arg(room.name);
    const QList<QJsonObject> texts = drawing.texts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const QJsonObject &text) {
        return text.value(u"text").toString() == caption && text.value(u"widthFactor").toDouble() < 1;
    }));
}

} // namespace
} // namespace orvika::test
