#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

// A drawing of the proposal, ready for any paint device: its size in picture units (pixels at
// 100 %) and the one function that paints it from the origin. The documents give each picture a page.
namespace orvika {

// A label shortened to fit, with the text it stands for.
struct ShortenedText
{
    QString shown; // ends in "…"
    QString full;
};

struct Picture
{
    QString title;
    QSizeF size;
    std::function<void(QPainter &, QList<ShortenedText> *)> paint;
};

// Paints the picture scaled to fit the rectangle, centred across it, from its top.
void paintPictureFitted(QPainter &painter, const Picture &picture, const QRectF &area);

} // namespace orvika
