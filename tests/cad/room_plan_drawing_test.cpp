#include "cad/dxf_read_back.h"
#include "cad/room_plan_drawing.h"
#include "pictures/room_plan_fixtures.h"
#include "project_documents/drawing_sheet.h"

#include <algorithm>
#include <gtest/gtest.h>

// A room's plan as a DXF drawing, read back by a CAD library: its walls, loudspeakers, coverage and
// texts on their layers, where the sheet puts the picture. One reading per room: each costs a Python.
namespace orvika::test {
namespace {

class RoomPlanDrawing : public ::testing::TestWithParam<PlanCase>
{
};

TEST_P(RoomPlanDrawing, OnItsSheetWithEveryPartOnItsLayer)
{
    const PlanCase &plan = GetParam();
    const RoomResult result = resultOf(plan.room);
    const Picture picture = roomPlanPicture(plan.room, result, speakerOf(plan.room));
    const ProjectCard card = filledCard();
    const Drawing drawing = readBack(roomPlanDrawing(picture, card));
    ASSERT_FALSE(drawing.whole.isEmpty()) << "ezdxf could not read the drawing";

    // An A3 landscape sheet named after the room.
    EXPECT_NEAR(drawing.sheetHeight, 297, 1e-9);
    const QJsonObject layers = drawing.whole.value(u"layers").toObject();
    for (const char *layer : {"frame", "room", "units", "coverage", "dimensions", "text"})
        EXPECT_TRUE(layers.contains(QLatin1String(layer))) << layer;
    QStringList frame, texts;
    for (const QJsonObject &text : drawing.texts())
        (text.value(u"layer").toString() == u"frame" ? frame : texts)
            .append(text.value(u"text").toString().simplified());
    EXPECT_TRUE(frame.contains(QStringLiteral("План помещения «%1»").arg(plan.room.name)));
    EXPECT_TRUE(frame.contains(card.designation));
    for (const QString &expected : plan.expected)
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();

    // The walls where the sheet puts the picture's, and in them a circle for each loudspeaker and, on
    // a ceiling, one of radius R round it.
    const DrawingSheet sheet =
        layoutDrawingSheet(picture.size, card, picture.title, SheetOrientation::Landscape);
    const QRectF walls = wallsOf(*picture.scene);
    const double mmPerMetre = walls.width() / plan.room.length * sheet.mmPerUnit;
    const QPointF corner = sheet.pictureMm.topLeft() + walls.topLeft() * sheet.mmPerUnit;
    const QRectF room(corner, QSizeF(plan.room.length, plan.room.width) * mmPerMetre);
    const QList<QJsonObject> outlines = drawing.entities("LWPOLYLINE", "room");
    ASSERT_EQ(outlines.size(), 1);
    QPolygonF outline;
    for (const QJsonValue &point : outlines[0].value(u"points").toArray())
        outline.append(drawing.onSheet(point));
    EXPECT_TRUE(nearPoint(outline.boundingRect().topLeft(), room.topLeft(), 1e-3));
    EXPECT_TRUE(nearPoint(outline.boundingRect().bottomRight(), room.bottomRight(), 1e-3));

    const auto circlesInRoom = [&](const char *layer) {
        QList<QJsonObject> found;
        for (const QJsonObject &circle : drawing.entities("CIRCLE", layer))
            if (room.adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawing.onSheet(circle.value(u"at"))))
                found.append(circle);
        return found;
    };
    const QList<QJsonObject> speakers = circlesInRoom("units");
    ASSERT_EQ(speakers.size(), plan.count);
    for (const RoomPoint &speaker : result.layout.loudspeakers)
        EXPECT_TRUE(std::any_of(speakers.begin(), speakers.end(),
                                [&](const QJsonObject &circle) {
                                    return nearPoint(drawing.onSheet(circle.value(u"at")),
                                                     corner + QPointF(speaker.x, speaker.y) * mmPerMetre,
                                                     1e-3);
                                }))
            << speaker.x << ", " << speaker.y;
    const QList<QJsonObject> coverage = circlesInRoom("coverage");
    ASSERT_EQ(coverage.size(), plan.room.mounting == Mounting::Ceiling ? plan.count : 0);
    for (const QJsonObject &circle : coverage)
        EXPECT_NEAR(circle.value(u"radius").toDouble(), result.layout.coverage * mmPerMetre, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(WorkedRooms, RoomPlanDrawing, ::testing::ValuesIn(planCases()), caseName);

} // namespace
} // namespace orvika::test
