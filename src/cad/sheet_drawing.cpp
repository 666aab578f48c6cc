#include "cad/sheet_drawing.h"

#include "cad/drawing_text.h"
#include "project_documents/sheet_form.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>

namespace orvika {
namespace {

// A label is brought down to no less than this share of its size to fit its box; a one-line label
// too long for its box is rather pressed narrower, to no less than this share of its width.
constexpr double SmallestLabelShare = 0.5;
constexpr double SmallestNarrowing = 0.75;
// A title block's text is not brought down below what its printout is.
constexpr double SmallestCellTextMm = 1.5;

// The sheet's texts are measured as the PDF lays them out, at its resolution.
const QPaintDevice &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(1200 / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

// The point of the box the alignment names.
QPointF anchorOf(const QRectF &box, Qt::Alignment alignment)
{
    const double x = alignment & Qt::AlignRight     ? box.right()
                     : alignment & Qt::AlignHCenter ? box.center().x()
                                                    : box.left();
    const double y = alignment & Qt::AlignBottom    ? box.bottom()
                     : alignment & Qt::AlignVCenter ? box.center().y()
                                                    : box.top();
    return {x, y};
}

Qt::Alignment alignmentOf(int flags)
{
    const Qt::Alignment horizontal = Qt::Alignment(flags) & Qt::AlignHorizontal_Mask;
    const Qt::Alignment vertical = Qt::Alignment(flags) & Qt::AlignVertical_Mask;
    return (horizontal ? horizontal : Qt::AlignLeft) | (vertical ? vertical : Qt::AlignTop);
}

// A one-line text pressed narrower when it is wider than its room.
double narrowing(const QString &text, double heightMm, double roomMm)
{
    const double width = lineWidth(text) * heightMm;
    return width > roomMm && width > 0 ? roomMm / width : 1.0;
}

// A multiline text in lines of its own, brought down as far as smallestMm until they fit the box: a
// CAD program may not break it at its width as the drawing means.
void breakIntoLines(CadText &text, const QSizeF &boxMm, double smallestMm)
{
    const FittedLines fitted = fitLines(text.text, boxMm.width(), boxMm.height(), text.heightMm,
                                        std::min(smallestMm, text.heightMm));
    text.text = fitted.lines.join(u'\n');
    text.heightMm = fitted.heightMm;
    text.wrapWidthMm = boxMm.width();
}

void addFrame(CadDrawing &drawing, const DrawingSheet &sheet)
{
    drawing.lines.append({QPolygonF(sheet.frameMm).mid(0, 4), true, SceneLayer::Frame, ThickLineMm});
    const QPointF at = sheet.titleBlockMm.topLeft();
    for (const FormCell &cell : sheet.titleBlock.cells) {
        drawing.lines.append({QPolygonF(cell.rectMm.translated(at)).mid(0, 4), true, SceneLayer::Frame,
                              cell.outline == LineWeight::Thick ? ThickLineMm : ThinLineMm});
        if (cell.text.isEmpty())
            continue;
        const QRectF box = cellTextBoxMm(cell, at);
        const TextStyle style = fittedTextStyle(referenceDevice(), box, cell.text, cell.style);
        const Qt::Alignment alignment = alignmentOf(int(style.alignment));
        CadText text{cell.text, anchorOf(box, alignment), style.heightMm, 1, alignment, 0, SceneLayer::Frame};
        if (style.wrap)
            breakIntoLines(text, box.size(), SmallestCellTextMm);
        else
            text.widthFactor = narrowing(cell.text, style.heightMm, box.width());
        drawing.texts.append(text);
    }
}

// The picture's parts, from picture units to millimetres on the sheet.
class SceneConverter
{
public:
    SceneConverter(CadDrawing &drawing, const PictureScene &scene, const QPointF &originMm, double mmPerUnit)
        : m_drawing(drawing), m_origin(originMm), m_scale(mmPerUnit)
    {
        for (const QFont &font : scene.fonts)
            m_capitals.append(QFontMetricsF(font).capHeight());
    }

    void add(const SceneShape &shape)
    {
        const bool outlined = shape.pen.style() != Qt::NoPen;
        const QColor colour = outlined ? shape.pen.color() : shape.brush.color();
        const CadLine line{{},    false, shape.layer, weightOf(shape.pen), shape.pen.style() == Qt::DashLine,
                           colour};
        switch (shape.kind) {
        case SceneShape::Kind::Rect:
            // A filled box without an outline (a rail) is drawn by its outline.
            if (outlined || shape.brush.style() != Qt::NoBrush)
                addLine(line, QPolygonF(shape.rect).mid(0, 4), true);
            break;
        case SceneShape::Kind::Polyline:
            addLine(line, shape.points, false);
            break;
        case SceneShape::Kind::Polygon:
            if (shape.brush.style() != Qt::NoBrush)
                m_drawing.fills.append({mm(shape.points), shape.layer, colour});
            else
                addLine(line, shape.points, true);
            break;
        case SceneShape::Kind::Dot:
            m_drawing.circles.append(
                {mm(shape.rect.center()), shape.rect.width() / 2 * m_scale, shape.layer, colour});
            break;
        }
    }

    void add(const SceneText &text)
    {
        if (text.inLabel || text.whole.isEmpty())
            return;
        CadText cad;
        cad.text = text.whole;
        cad.heightMm = m_capitals.at(text.font) * m_scale;
        cad.colour = text.colour;
        if (!text.atBaseline()) {
            cad.alignment = alignmentOf(text.flags);
            cad.atMm = mm(anchorOf(text.box, cad.alignment));
        } else {
            cad.atMm = mm(text.box.topLeft());
        }
        if (!text.atBaseline() && ((text.flags & Qt::TextWordWrap) || text.whole.contains(u'\n')))
            breakIntoLines(cad, text.box.size() * m_scale, cad.heightMm * SmallestLabelShare);
        else
            cad.widthFactor = narrowing(text.whole, cad.heightMm, text.box.width() * m_scale);
        m_drawing.texts.append(cad);
    }

    // Wrapped to the box and brought down, as far as the share allows, until its lines fit it; or on
    // one line pressed narrower, when that is enough.
    void add(const SceneLabel &label)
    {
        const QSizeF box = label.box.size() * m_scale;
        const double heightMm = m_capitals.at(label.font) * m_scale;
        CadText cad{label.text, mm(anchorOf(label.box, label.alignment)), heightMm, 1, label.alignment};
        const double length = lineWidth(label.text) * heightMm;
        const bool fits = fitLines(label.text, box.width(), box.height(), heightMm, heightMm).fits;
        if (!fits && !label.text.contains(u'\n') && length * SmallestNarrowing <= box.width()) {
            cad.widthFactor = std::min(1.0, box.width() / length);
            m_drawing.texts.append(cad);
            return;
        }
        breakIntoLines(cad, box, heightMm * SmallestLabelShare);
        m_drawing.texts.append(cad);
    }

private:
    QPointF mm(const QPointF &point) const { return m_origin + point * m_scale; }

    QPolygonF mm(const QPolygonF &points) const
    {
        QPolygonF converted;
        converted.reserve(points.size());
        for (const QPointF &point : points)
            converted.append(mm(point));
        return converted;
    }

    void addLine(CadLine line, const QPolygonF &points, bool closed)
    {
        line.pointsMm = mm(points);
        line.closed = closed;
        m_drawing.lines.append(line);
    }

    // The drafting weight nearest the pen on paper, never thinner than a thin line.
    double weightOf(const QPen &pen) const
    {
        return std::max(ThinLineMm, std::round(pen.widthF() * m_scale * 20) / 20);
    }

    CadDrawing &m_drawing;
    QPointF m_origin;
    double m_scale;
    QList<double> m_capitals;
};

} // namespace

CadDrawing sheetDrawing(const DrawingSheet &sheet, const Picture &picture)
{
    CadDrawing drawing;
    drawing.sheetMm = sheet.sizeMm;
    addFrame(drawing, sheet);
    if (!picture.scene || sheet.pictureMm.isEmpty())
        return drawing;
    SceneConverter converter(drawing, *picture.scene, sheet.pictureMm.topLeft(), sheet.mmPerUnit);
    for (const SceneItem &item : picture.scene->items)
        std::visit([&converter](const auto &part) { converter.add(part); }, item);
    return drawing;
}

} // namespace orvika
