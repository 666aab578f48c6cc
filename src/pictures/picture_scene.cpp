#include "pictures/picture_scene.h"

#include "pictures/picture_text.h"

#include <QPainter>

namespace orvika {

int PictureScene::addFont(const QFont &font)
{
    const qsizetype known = fonts.indexOf(font);
    if (known >= 0)
        return int(known);
    fonts.append(font);
    return int(fonts.size() - 1);
}

void PictureScene::addRect(const QRectF &rect, const QPen &pen, const QBrush &brush, SceneLayer layer)
{
    items.emplace_back(SceneShape{SceneShape::Kind::Rect, rect, {}, pen, brush, layer});
}

void PictureScene::addShape(SceneShape::Kind kind, const QPolygonF &points, const QPen &pen,
                            const QBrush &brush, SceneLayer layer)
{
    items.emplace_back(SceneShape{kind, {}, points, pen, brush, layer});
}

void PictureScene::addDot(const QPointF &centre, double radius, const QBrush &brush, SceneLayer layer)
{
    const QPointF corner(radius, radius);
    items.emplace_back(SceneShape{
        SceneShape::Kind::Dot, QRectF(centre - corner, centre + corner), {}, Qt::NoPen, brush, layer});
}

QString PictureScene::fitted(const QString &text, int font, double width) const
{
    return orvika::fitted(text, fonts.at(font), width, nullptr);
}

void PictureScene::addText(const QString &shown, const QString &whole, int font, const QRectF &box, int flags,
                           const QColor &colour, bool inLabel)
{
    items.emplace_back(SceneText{shown, whole, font, colour, box, flags, inLabel});
}

void PictureScene::addTextAt(const QString &shown, const QString &whole, int font, const QPointF &baseline,
                             double width, const QColor &colour, bool inLabel)
{
    items.emplace_back(SceneText{shown, whole, font, colour, QRectF(baseline, QSizeF(width, 0)), 0, inLabel});
}

void PictureScene::addLabel(const QRectF &box, const QString &text, int font, Qt::Alignment alignment)
{
    items.emplace_back(SceneLabel{box, text, font, alignment});
}

namespace {

// The painter's state, set only where a part needs another.
class ScenePainter
{
public:
    ScenePainter(QPainter &painter, const PictureScene &scene) : m_painter(painter), m_scene(scene) {}

    void paint(const SceneShape &shape)
    {
        setPen(shape.pen);
        setBrush(shape.brush);
        const QPolygonF &points = shape.points;
        switch (shape.kind) {
        case SceneShape::Kind::Rect:
            m_painter.drawRect(shape.rect);
            break;
        case SceneShape::Kind::Polyline:
            m_painter.drawPolyline(points);
            break;
        case SceneShape::Kind::Polygon:
            m_painter.drawPolygon(points);
            break;
        case SceneShape::Kind::Dot:
            m_painter.drawEllipse(shape.rect);
            break;
        }
    }

    void paint(const SceneText &text, QList<ShortenedText> *shortened)
    {
        // A text takes only the pen's colour, and any pen but none draws it.
        if (!m_penSet || m_pen.style() == Qt::NoPen || m_pen.color() != text.colour)
            setPen(QPen(text.colour));
        if (text.font != m_font) {
            m_font = text.font;
            m_painter.setFont(m_scene.fonts.at(text.font));
        }
        if (text.atBaseline())
            m_painter.drawText(text.box.topLeft(), text.shown);
        else
            m_painter.drawText(text.box, text.flags, text.shown);
        if (shortened && text.isShortened())
            shortened->append({text.shown, text.whole});
    }

private:
    void setPen(const QPen &pen)
    {
        if (!m_penSet || pen != m_pen) {
            m_pen = pen;
            m_penSet = true;
            m_painter.setPen(pen);
        }
    }

    void setBrush(const QBrush &brush)
    {
        if (!m_brushSet || brush != m_brush) {
            m_brush = brush;
            m_brushSet = true;
            m_painter.setBrush(brush);
        }
    }

    QPainter &m_painter;
    const PictureScene &m_scene;
    QPen m_pen;
    QBrush m_brush;
    bool m_penSet = false;
    bool m_brushSet = false;
    int m_font = -1;
};

} // namespace

void paintScene(QPainter &painter, const PictureScene &scene, QList<ShortenedText> *shortened)
{
    ScenePainter scenePainter(painter, scene);
    for (const SceneItem &item : scene.items) {
        if (const auto *shape = std::get_if<SceneShape>(&item))
            scenePainter.paint(*shape);
        else if (const auto *text = std::get_if<SceneText>(&item))
            scenePainter.paint(*text, shortened);
    }
}

Picture scenePicture(const QString &title, const QSizeF &size, PictureScene scene)
{
    auto shared = std::make_shared<const PictureScene>(std::move(scene));
    const auto paint = [shared](QPainter &painter, QList<ShortenedText> *shortened) {
        paintScene(painter, *shared, shortened);
    };
    return {title, size, paint, shared};
}

} // namespace orvika
