#pragma once

#include "catalogue/designation.h"
#include "documents/picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QString>

// Text in the pictures: fonts sized in picture units, so a picture measures the same on the screen,
// in a PDF, a PNG or an SVG; and labels shortened to fit, whose full text an SVG keeps as a title.
namespace orvika {

QFont pictureFont(double pixels, bool bold = false);

// The text as it fits width, shortened with "…" when it does not; a shortened one is noted.
QString fitted(const QString &text, const QFont &font, double width, QList<ShortenedText> *shortened);

} // namespace orvika
