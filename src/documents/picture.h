#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

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

struct PictureScene;

struct Picture
{
    QString title;
    QSizeF size;
    std::function<void(QPainter &, QList<ShortenedText> *)> paint;
    std::shared_ptr<const PictureScene> scene; // what paint draws, laid out; for a CAD drawing
};

// Paints the picture scaled to fit the rectangle, centred across it, from its top.
void paintPictureFitted(QPainter &painter, const Picture &picture, const QRectF &area);

} // namespace orvika
