#include "pictures/picture_text.h"

namespace orvika {

QFont pictureFont(double pixels, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    return font;
}

QString fitted(const QString &text, const QFont &font, double width, QList<ShortenedText> *shortened)
{
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    if (shortened && shown != text)
        shortened->append({shown, text});
    return shown;
}

} // namespace orvika
