#include "pictures/picture.h"

#include "documents/program_module.h"
#include "files/text_file.h"

#include <QBuffer>
#include <QPainter>

namespace orvika {
namespace {

using MakeSvg = void (*)(const Picture *, QByteArray *);

MakeSvg svgMaker()
{
    static const auto maker =
        reinterpret_cast<MakeSvg>(programModuleFunction(QStringLiteral("orvika_svg"), "orvikaPictureSvg"));
    return maker;
}

const QString SvgModuleMissing = QStringLiteral("не найден модуль записи SVG (orvika_svg)");

} // namespace

QByteArray pictureSvg(const Picture &picture)
{
    QByteArray svg;
    if (const MakeSvg make = svgMaker())
        make(&picture, &svg);
    return svg;
}

QImage pictureImage(const Picture &picture, double scale)
{
    QImage image((picture.size * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    picture.paint(painter, nullptr);
    return image;
}

std::optional<QString> writePictureSvg(const QString &path, const Picture &picture)
{
    if (!svgMaker())
        return SvgModuleMissing;
    return writeFileAtomically(path, pictureSvg(picture));
}

std::optional<QString> writePicturePng(const QString &path, const Picture &picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!pictureImage(picture, 2).save(&buffer, "PNG"))
        return QStringLiteral("не удалось составить изображение");
    return writeFileAtomically(path, buffer.data());
}

} // namespace orvika
