#include "project_documents/drafting_text.h"

#include "project_documents/sheet_form.h"

#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QPainter>

namespace orvika {
namespace {

// DejaVu Sans, the stand-in for the drafting font: its capitals are 0.729 of its em.
const QString FontFamily = QStringLiteral("DejaVu Sans");
constexpr double CapitalsPerEm = 0.729;
constexpr double PointsPerMm = 72 / 25.4;
// The smallest text a cell is brought down to; smaller is not legible on a print.
constexpr double SmallestTextMm = 1.5;
constexpr double ShrinkStepMm = 0.25;

int flagsOf(const TextStyle &style)
{
    return int(style.alignment) | (style.wrap ? int(Qt::TextWordWrap) : 0);
}

QRectF boundsOf(const QPaintDevice &device, const QFont &font, const QRectF &box, int flags,
                const QString &text)
{
    // The device's metrics, so that the measure is the one the painter lays the text out with.
    return QFontMetricsF(font, &device).boundingRect(box, flags, text);
}

} // namespace

QFont draftingFont(const TextStyle &style)
{
    QFont font(FontFamily);
    font.setPointSizeF(style.heightMm / CapitalsPerEm * PointsPerMm);
    font.setUnderline(style.underline);
    return font;
}

double textHeightMm(const QPaintDevice &device, const TextStyle &style, double widthMm, const QString &text)
{
    const SheetScale scale(device);
    const QFont font = draftingFont(style);
    const double line = QFontMetricsF(font, &device).height();
    const QRectF box(0, 0, scale(widthMm), 1e9);
    return std::max(line, boundsOf(device, font, box, flagsOf(style), text).height()) / scale(1);
}

namespace {

TextStyle shrunkToFit(const QPaintDevice &device, const QRectF &boxMm, const QString &text,
                      const TextStyle &style)
{
    const QRectF box = SheetScale(device)(boxMm);
    const int flags = flagsOf(style);
    TextStyle fitted = style;
    while (fitted.heightMm > SmallestTextMm) {
        const QRectF bounds = boundsOf(device, draftingFont(fitted), box, flags, text);
        if (bounds.width() <= box.width() && bounds.height() <= box.height())
            break;
        fitted.heightMm = std::max(SmallestTextMm, fitted.heightMm - ShrinkStepMm);
    }
    return fitted;
}

// A title block repeats its cells on every sheet of a document: each cell's text is fitted once for the
// device's resolution, the box and the style.
struct FitKey
{
    int dotsPerInch;
    qint64 width, height, style; // hundredths of a mm; the style's height, alignment and flags
    QString text;

    friend bool operator==(const FitKey &, const FitKey &) = default;
    friend size_t qHash(const FitKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.dotsPerInch, key.width, key.height, key.style, key.text);
    }
};

} // namespace

TextStyle fittedTextStyle(const QPaintDevice &device, const QRectF &boxMm, const QString &text,
                          const TextStyle &style)
{
    static QMutex mutex;
    static QHash<FitKey, TextStyle> fitted;
    const FitKey key{device.logicalDpiY(), qRound64(boxMm.width() * 100), qRound64(boxMm.height() * 100),
                     (qRound64(style.heightMm * 100) * 512 + qint64(style.alignment) % 256) * 4 +
                         (style.wrap ? 2 : 0) + (style.underline ? 1 : 0),
                     text};
    {
        const QMutexLocker lock(&mutex);
        if (const auto found = fitted.constFind(key); found != fitted.constEnd())
            return *found;
    }
    const TextStyle made = shrunkToFit(device, boxMm, text, style);
    const QMutexLocker lock(&mutex);
    if (fitted.size() > 65536) // a long-running program's texts are not kept for ever
        fitted.clear();
    fitted.insert(key, made);
    return made;
}

void drawTextInBox(QPainter &painter, const QRectF &boxMm, const QString &text, const TextStyle &style)
{
    if (text.isEmpty())
        return;
    const QPaintDevice &device = *painter.device();
    painter.setFont(draftingFont(fittedTextStyle(device, boxMm, text, style)));
    painter.setPen(Qt::black);
    painter.drawText(SheetScale(device)(boxMm), flagsOf(style), text);
}

} // namespace orvika
