#pragma once

#include <QRect>
#include <QtMath>

namespace orvika {

// Positions and sizes of the windows are designed in twips (1/1440 inch); on screen they follow
// the screen's logical resolution, so at 96 dpi 15 twips make one pixel.
class Twips
{
public:
    explicit Twips(int dotsPerInchX = 96, int dotsPerInchY = 96) : m_dpiX(dotsPerInchX), m_dpiY(dotsPerInchY)
    {
    }

    int x(int twips) const { return qRound(twips * m_dpiX / 1440.0); }
    int y(int twips) const { return qRound(twips * m_dpiY / 1440.0); }

    QRect rect(int left, int top, int width, int height) const
    {
        // Edges are converted, not sizes, so neighbouring controls never overlap by rounding.
        const int l = x(left), t = y(top);
        return QRect(l, t, x(left + width) - l, y(top + height) - t);
    }

private:
    int m_dpiX;
    int m_dpiY;
};

} // namespace orvika
