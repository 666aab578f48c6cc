#pragma once

#include "documents/picture.h"
#include "pictures/picture_text.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The pictures as files: SVG and PNG.
namespace orvika {

// The picture as SVG; every shortened label carries its full text as a <title>. Made by the module
// orvika_svg, loaded on first use; empty without it.
QByteArray pictureSvg(const Picture &picture);

// The picture as an image, scale pixels to the picture unit, on white.
QImage pictureImage(const Picture &picture, double scale);

// Both written whole or not at all; the reason when it failed.
std::optional<QString> writePictureSvg(const QString &path, const Picture &picture);
std::optional<QString> writePicturePng(const QString &path, const Picture &picture);

} // namespace orvika
