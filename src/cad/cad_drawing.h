#pragma once

#include "pictures/picture_scene.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QSizeF>
#include <QString>

// A sheet as a CAD program takes it: lines, fills, circles and texts in millimetres from the sheet's
// top left corner, each on a named layer. Made from the same layout the painter draws.
namespace orvika {

struct CadLine
{
    QPolygonF pointsMm;
    bool closed = false;
    SceneLayer layer = SceneLayer::Units;
    double weightMm = 0.25;
    bool dashed = false;
    QColor colour = Qt::black;
};

// A filled triangle or quadrilateral: an arrow's head.
struct CadFill
{
    QPolygonF pointsMm;
    SceneLayer layer = SceneLayer::Links;
    QColor colour = Qt::black;
};

struct CadCircle
{
    QPointF centreMm;
    double radiusMm = 0;
    SceneLayer layer = SceneLayer::Links;
    QColor colour = Qt::black;
};

struct CadText
{
    QString text;           // lines parted by '\n'
    QPointF atMm;           // the point the alignment names
    double heightMm = 2.5;  // of the capitals
    double widthFactor = 1; // below 1 when the whole text is pressed into the picture's room
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignBaseline;
    double wrapWidthMm = 0; // above 0: several lines, wrapped to that width
    SceneLayer layer = SceneLayer::Text;
    QColor colour = Qt::black;
};

struct CadDrawing
{
    QSizeF sheetMm;
    QList<CadLine> lines;
    QList<CadFill> fills;
    QList<CadCircle> circles;
    QList<CadText> texts;
};

// The name a layer has in a CAD program.
inline const char *layerName(SceneLayer layer)
{
    switch (layer) {
    case SceneLayer::Frame:
        return "frame";
    case SceneLayer::Racks:
        return "racks";
    case SceneLayer::Units:
        return "units";
    case SceneLayer::Links:
        return "links";
    case SceneLayer::Control:
        return "control";
    case SceneLayer::Text:
        return "text";
    case SceneLayer::Room:
        return "room";
    case SceneLayer::Coverage:
        return "coverage";
    case SceneLayer::Dimensions:
        return "dimensions";
    }
    return "0";
}

} // namespace orvika
