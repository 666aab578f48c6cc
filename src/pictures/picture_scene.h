#pragma once

#include "documents/picture.h"

#include <QBrush>
#include <QFont>
#include <QList>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

// A picture laid out once as a list of what is drawn, in picture units and in painting order. The
// painter draws it on any device; a CAD drawing is made from the same list, so the two cannot show
// different arrangements.
namespace orvika {

// The layers of a CAD drawing the parts go on; a room's plan has its walls, its coverage and its
// dimensions on layers of their own.
enum class SceneLayer { Frame, Racks, Units, Links, Control, Text, Room, Coverage, Dimensions };

struct SceneShape
{
    enum class Kind { Rect, Polyline, Polygon, Dot };
    Kind kind = Kind::Rect;
    QRectF rect;      // a rectangle; a dot's bounds
    QPolygonF points; // a polyline's or a polygon's
    QPen pen;
    QBrush brush;
    SceneLayer layer = SceneLayer::Units;
};

// A text drawn in a box with alignment flags, or from the left end of its baseline.
struct SceneText
{
    QString shown; // as drawn: shortened with "…" when the whole did not fit
    QString whole;
    int font = 0; // into PictureScene::fonts
    QColor colour = Qt::black;
    QRectF box;           // at a baseline: from the baseline's left end, as wide as the text may be
    int flags = 0;        // Qt::AlignmentFlag and Qt::TextWordWrap; 0 for a text at a baseline
    bool inLabel = false; // part of a unit's label: a CAD drawing has the label's whole text instead

    bool atBaseline() const { return flags == 0; }
    bool isShortened() const { return shown != whole; }
};

// The one text a CAD drawing gives a unit's box: its model, its quantity where the picture shows one,
// and its whole designation, wrapped to the box. The painter draws the label's parts instead.
struct SceneLabel
{
    QRectF box; // the text's room inside the unit's box
    QString text;
    int font = 0;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

using SceneItem = std::variant<SceneShape, SceneText, SceneLabel>;

struct PictureScene
{
    QList<QFont> fonts;
    std::vector<SceneItem> items;

    int addFont(const QFont &font);
    void addRect(const QRectF &rect, const QPen &pen, const QBrush &brush, SceneLayer layer);
    void addShape(SceneShape::Kind kind, const QPolygonF &points, const QPen &pen, const QBrush &brush,
                  SceneLayer layer);
    void addDot(const QPointF &centre, double radius, const QBrush &brush, SceneLayer layer);
    // The text as it fits width in the font, shortened with "…" when it does not.
    QString fitted(const QString &text, int font, double width) const;
    // Shown and whole differ when the text was shortened to fit.
    void addText(const QString &shown, const QString &whole, int font, const QRectF &box, int flags,
                 const QColor &colour = Qt::black, bool inLabel = false);
    void addTextAt(const QString &shown, const QString &whole, int font, const QPointF &baseline,
                   double width, const QColor &colour = Qt::black, bool inLabel = false);
    void addLabel(const QRectF &box, const QString &text, int font, Qt::Alignment alignment);
};

// Draws the scene, changing pen, brush and font only where the next part needs another (an SVG
// opens a new group at every change). Shortened texts are noted in the order they are drawn.
void paintScene(QPainter &painter, const PictureScene &scene, QList<ShortenedText> *shortened);

// The picture that paints the scene.
Picture scenePicture(const QString &title, const QSizeF &size, PictureScene scene);

} // namespace orvika
