#pragma once

#include "pictures/picture_text.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

// A drawing of the proposal, ready for any paint device: its size in picture units (pixels at
// 100 %) and the one function that paints it from the origin.
namespace orvika {

struct Picture
{
    QString title;
    QSizeF size;
    std::function<void(QPainter &, QList<ShortenedText> *)> paint;
};

// The picture as SVG; every shortened label carries its full text as a <title>.
QByteArray pictureSvg(const Picture &picture);

// The picture as an image, scale pixels to the picture unit, on white.
QImage pictureImage(const Picture &picture, double scale);

// Both written whole or not at all; the reason when it failed.
std::optional<QString> writePictureSvg(const QString &path, const Picture &picture);
std::optional<QString> writePicturePng(const QString &path, const Picture &picture);

// Paints the picture scaled to fit the rectangle, centred across it, from its top.
void paintPictureFitted(QPainter &painter, const Picture &picture, const QRectF &area);

} // namespace orvika
