#include "documents/picture.h"

#include <QPainter>
#include <algorithm>

namespace orvika {

void paintPictureFitted(QPainter &painter, const Picture &picture, const QRectF &area)
{
    if (picture.size.isEmpty() || !picture.paint)
        return;
    const double scale = std::min(area.width() / picture.size.width(), area.height() / picture.size.height());
    painter.save();
    painter.translate(area.left() + (area.width() - picture.size.width() * scale) / 2, area.top());
    painter.scale(scale, scale);
    picture.paint(painter, nullptr);
    painter.restore();
}

} // namespace orvika
