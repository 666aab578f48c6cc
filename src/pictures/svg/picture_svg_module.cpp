// The module orvika_svg: the SVG generator, which only the SVG files of the pictures need, loaded
// when the first one is written.
#include "documents/picture.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// "…>shown</text>" becomes "…><title>full</title>shown</text>", the first such text not yet titled.
void addTitles(QByteArray &svg, const QList<orvika::ShortenedText> &shortened)
{
    qsizetype from = 0;
    for (const orvika::ShortenedText &text : shortened) {
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

// The picture as SVG; every shortened label carries its full text as a <title>.
extern "C" Q_DECL_EXPORT void orvikaPictureSvg(const orvika::Picture *picture, QByteArray *svg)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QList<orvika::ShortenedText> shortened;
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(picture->size.toSize());
        generator.setViewBox(QRectF(QPointF(0, 0), picture->size));
        generator.setTitle(picture->title);
        generator.setResolution(96);
        QPainter painter(&generator);
        picture->paint(painter, &shortened);
    }
    *svg = buffer.data();
    addTitles(*svg, shortened);
}
