#include "pictures/picture.h"

#include "catalogue/text_file.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace orvika {
namespace {

// "…>shown</text>" becomes "…><title>full</title>shown</text>", the first such text not yet titled.
void addTitles(QByteArray &svg, const QList<ShortenedText> &shortened)
{
    qsizetype from = 0;
    for (const ShortenedText &text : shortened) {
        const QByteArray shown = '>' + text.shown.toHtmlEscaped().toUtf8() + "</text>";
        const qsizetype at = svg.indexOf(shown, from);
        if (at < 0)
            continue;
        const QByteArray title = "<title>" + text.full.toHtmlEscaped().toUtf8() + "</title>";
        svg.insert(at + 1, title);
        from = at + title.size() + shown.size();
    }
}

} // namespace

QByteArray pictureSvg(const Picture &picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QList<ShortenedText> shortened;
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(picture.size.toSize());
        generator.setViewBox(QRectF(QPointF(0, 0), picture.size));
        generator.setTitle(picture.title);
        generator.setResolution(96);
        QPainter painter(&generator);
        picture.paint(painter, &shortened);
    }
    QByteArray svg = buffer.data();
    addTitles(svg, shortened);
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
