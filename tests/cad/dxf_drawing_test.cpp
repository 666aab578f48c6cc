#include "cad/dxf_read_back.h"
#include "pictures/block_diagram.h"
#include "pictures/proposal_pictures.h"
#include "pictures/rack_layout.h"
#include "project_documents/scheme_sheet.h"

#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

// The pictures as DXF drawings, read back by a CAD library (ezdxf, from Debian's own Python).
namespace orvika::test {
namespace {

// Spaces and line breaks alike, as a CAD program wraps the text.
QString words(const QString &text)
{
    return text.simplified();
}

QRectF boundsOf(const QJsonObject &polyline, const Drawing &drawing)
{
    QPolygonF points;
    for (const QJsonValue &point : polyline.value(u"points").toArray())
        points.append(drawing.onSheet(point));
    return points.boundingRect();
}

bool near(const QRectF &a, const QRectF &b)
{
    constexpr double Tolerance = 1e-3;
    return std::abs(a.left() - b.left()) < Tolerance && std::abs(a.top() - b.top()) < Tolerance &&
           std::abs(a.right() - b.right()) < Tolerance && std::abs(a.bottom() - b.bottom()) < Tolerance;
}

bool onEdge(const QPointF &point, const QRectF &box)
{
    constexpr double Tolerance = 1e-3;
    const bool withinX = point.x() > box.left() - Tolerance && point.x() < box.right() + Tolerance;
    const bool withinY = point.y() > box.top() - Tolerance && point.y() < box.bottom() + Tolerance;
    const bool onVertical =
        std::abs(point.x() - box.left()) < Tolerance || std::abs(point.x() - box.right()) < Tolerance;
    const bool onHorizontal =
        std::abs(point.y() - box.top()) < Tolerance || std::abs(point.y() - box.bottom()) < Tolerance;
    return withinX && withinY && (onVertical || onHorizontal);
}

class DxfDrawings : public ::testing::Test
{
protected:
    Catalogue catalogue = bundledCatalogue();
    Requirements requirements = everyOption();
    Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    ProjectCard card = filledCard();
};

TEST_F(DxfDrawings, TheDiagramOnItsSheetInMillimetresOnNamedLayers)
{
    const Picture picture = proposalDiagramPicture(catalogue, requirements, proposal);
    const Drawing drawing = readBack(diagramDrawing(picture, card));
    ASSERT_FALSE(drawing.whole.isEmpty()) << "ezdxf could not read the drawing";

    EXPECT_EQ(drawing.whole.value(u"units").toInt(), 4) << "millimetres";
    EXPECT_EQ(drawing.whole.value(u"encoding").toString(), QStringLiteral("cp1251"));
    const QJsonObject layers = drawing.whole.value(u"layers").toObject();
    for (const char *layer : {"frame", "units", "links", "control", "text"})
        EXPECT_TRUE(layers.contains(QLatin1String(layer))) << layer;
    EXPECT_EQ(layers.value(u"control").toString(), QStringLiteral("DASHED"));

    // The sheet of the structural scheme: its frame, and the card's texts in the title block, whole.
    EXPECT_NEAR(drawing.sheetHeight, 297, 1e-9);
    bool frame = false;
    for (const QJsonObject &line : drawing.entities("LWPOLYLINE", "frame"))
        frame = frame || near(boundsOf(line, drawing), QRectF(20, 5, 395, 287));
    EXPECT_TRUE(frame);
    QStringList texts;
    for (const QJsonObject &text : drawing.texts())
        texts.append(words(text.value(u"text").toString()));
    for (const QString &expected : {card.designation, card.object, card.organisation, StructuralSchemeName})
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();

    // Every box of the layout, where the sheet puts it, with one text inside it: its model and quantity,
    // and its whole designation.
    const BlockDiagram layout = layoutBlockDiagram(catalogue, requirements, proposal);
    const DrawingSheet sheet = structuralSchemeSheet(picture, card);
    const auto onSheet = [&sheet](const QRectF &rect) {
        return QRectF(sheet.pictureMm.topLeft() + rect.topLeft() * sheet.mmPerUnit,
                      rect.size() * sheet.mmPerUnit);
    };
    QList<QRectF> boxes;
    for (const QJsonObject &line : drawing.entities("LWPOLYLINE", "units")) {
        EXPECT_TRUE(line.value(u"closed").toBool());
        boxes.append(boundsOf(line, drawing));
    }
    ASSERT_EQ(boxes.size(), layout.boxes.size());
    const QList<QJsonObject> labels = drawing.entities("MTEXT", "text");
    for (const DiagramBox &box : layout.boxes) {
        const QRectF expected = onSheet(box.rect);
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const QRectF &b) {
            return near(b, expected);
        })) << box.designation.toStdString();
        QStringList inside;
        for (const QJsonObject &label : labels)
            if (expected.contains(drawing.onSheet(label.value(u"at"))))
                inside.append(words(label.value(u"text").toString()));
        ASSERT_EQ(inside.size(), 1) << box.designation.toStdString();
        if (box.isZones())
            continue;
        EXPECT_TRUE(inside[0].startsWith(box.model + QStringLiteral(", %1 шт. ").arg(box.quantity)))
            << inside[0].toStdString();
        EXPECT_TRUE(inside[0].endsWith(words(box.detail))) << inside[0].toStdString();
    }

    // Every link runs from the edge of one box to the edge of another; the legend's samples aside.
    int links = 0;
    for (const char *layer : {"links", "control"}) {
        for (const QJsonObject &line : drawing.entities("LWPOLYLINE", layer)) {
            const QJsonArray points = line.value(u"points").toArray();
            const QPointF first = drawing.onSheet(points.first());
            const QPointF last = drawing.onSheet(points.last());
            if (first.y() < boxes.first().top() && points.size() == 2)
                continue; // the legend, above the columns
            ++links;
            EXPECT_TRUE(
                std::any_of(boxes.begin(), boxes.end(), [&](const QRectF &b) { return onEdge(first, b); }));
            EXPECT_TRUE(
                std::any_of(boxes.begin(), boxes.end(), [&](const QRectF &b) { return onEdge(last, b); }));
        }
    }
    EXPECT_EQ(links, layout.links.size());
}

TEST_F(DxfDrawings, EveryRackUnitHoldsItsWholeDesignation)
{
    const Picture picture = proposalRackPicture(catalogue, requirements, proposal);
    const Drawing drawing = readBack(rackDrawing(picture, card));
    ASSERT_FALSE(drawing.whole.isEmpty()) << "ezdxf could not read the drawing";

    // One text in each unit's box: its whole designation, in lines of its own where it is long.
    const RackLayout layout = layoutRacks(catalogue, requirements, proposal);
    QStringList expected;
    for (const PlacedUnit &placed : layout.placed)
        expected.append(words(placed.unit.designation));
    QStringList labels;
    const QList<QJsonObject> boxes = drawing.entities("LWPOLYLINE", "units");
    for (const QJsonObject &box : boxes) {
        const QRectF bounds = boundsOf(box, drawing);
        QStringList inside;
        for (const QJsonObject &text : drawing.texts())
            if (bounds.contains(drawing.onSheet(text.value(u"at"))))
                inside.append(words(text.value(u"text").toString()));
        EXPECT_EQ(inside.size(), 1) << inside.join(u'|').toStdString();
        labels += inside;
    }
    EXPECT_EQ(boxes.size(), layout.placed.size() + layout.unplaced.size());
    expected.sort();
    labels.sort();
    EXPECT_EQ(labels, expected);
    QStringList texts;
    for (const QJsonObject &text : drawing.texts())
        texts.append(words(text.value(u"text").toString()));
    EXPECT_TRUE(texts.contains(RackDrawingName));
    // Portrait when taller than wide.
    EXPECT_EQ(picture.size.height() > picture.size.width(), drawing.sheetHeight > 400);
}

TEST(DxfText, CyrillicInTheCodePageAndTheRestEscapedAndControlCharactersKept)
{
    CadDrawing cad;
    cad.sheetMm = QSizeF(420, 297);
    const QString cyrillic = QStringLiteral("Ёлка №5 «ёж» — съешь… щей, Ω 2,5 мм² 50%%");
    const QString braces = QStringLiteral("{C:\\\\путь}\nвторая строка");
    cad.texts = {{cyrillic, QPointF(10, 10)},
                 {braces, QPointF(10, 20), 2.5, 1, Qt::AlignLeft | Qt::AlignTop, 100}};
    const Drawing drawing = readBack(cad);
    ASSERT_EQ(drawing.texts().size(), 2);
    EXPECT_EQ(drawing.entities("TEXT").first().value(u"text").toString(),
              QString(cyrillic).replace(u'%', QStringLiteral("%%%")));
    EXPECT_EQ(drawing.entities("MTEXT").first().value(u"raw").toString(),
              QStringLiteral("\\{C:\\\\\\\\путь\\}\\Pвторая строка"));
    EXPECT_EQ(drawing.entities("MTEXT").first().value(u"text").toString(), braces);
}

// A drawing the file-size limit cuts short is reported, and nothing is left of it.
TEST(DxfFile, ADrawingCutShortIsReportedAndNotWritten)
{
    CadDrawing cad;
    cad.sheetMm = QSizeF(420, 297);
    for (int i = 0; i < 2000; ++i)
        cad.lines.append({QPolygonF({QPointF(i % 400, 10), QPointF(i % 400, 200)})});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("обрезан.dxf"));

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limit = before;
    limit.rlim_cur = 32 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::optional<QString> failure = writeDrawingDxf(path, cad);
    setrlimit(RLIMIT_FSIZE, &before);

    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(writeDrawingDxf(path, cad).has_value()) << "written whole without the limit";
}

} // namespace
} // namespace orvika::test
