#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPaintDevice;
class QPainter;

// The text of the sheets. As on drawings, a text's size is the height of its capitals in mm.
namespace orvika {

struct TextStyle
{
    double heightMm = 2.5;
    Qt::Alignment alignment = Qt::AlignCenter;
    bool wrap = false;
    bool underline = false;
};

QFont draftingFont(const TextStyle &style);

// The height a text takes in a box of the width given (mm), wrapped when the style says so; at
// least one line.
double textHeightMm(const QPaintDevice &device, const TextStyle &style, double widthMm, const QString &text);

// The style with its size brought down as far as it has to be for the text to fit the box (mm) on
// the device.
TextStyle fittedTextStyle(const QPaintDevice &device, const QRectF &boxMm, const QString &text,
                          const TextStyle &style);

// Draws a text in a box (mm) on the painter's device, its size brought down as far as it has to be
// for the text to fit the box.
void drawTextInBox(QPainter &painter, const QRectF &boxMm, const QString &text, const TextStyle &style);

} // namespace orvika
