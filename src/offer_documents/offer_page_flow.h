#pragma once

#include "documents/document_font.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPaintDevice;

// The offer's text flowing down A4 pages: laid out first, each page a list of what to draw, so that the
// page count is known when the pages are painted. Positions are in the device's units from the top left
// corner of the page's printable area.
namespace orvika {

struct PageText
{
    QPointF baseline; // the left end of the line's baseline
    QString text;
    QFont font;
};

struct PageRule
{
    QLineF line;
    double widthMm;
};

struct PageShade
{
    QRectF rect;
    QColor color;
};

struct OfferPage
{
    QList<PageShade> shades;
    QList<PageRule> rules;
    QList<PageText> texts;
};

// A text broken into the lines a width holds: at the words, and inside a word only when the word alone
// is wider than the width (a long model code).
struct WrappedText
{
    QStringList lines;
    QList<double> widths; // each line's own width
    double lineHeight = 0;
    double ascent = 0;

    double height() const { return lines.size() * lineHeight; }
};

class PageFlow
{
public:
    // The bottom of every page keeps footerMm free for the page's number.
    PageFlow(const QPaintDevice &device, double footerMm);

    double mm(double value) const { return value * m_dotsPerMm; }
    double width() const { return m_width; }
    double y() const { return m_y; }
    double bodyBottom() const { return m_bodyBottom; }
    double room() const { return m_bodyBottom - m_y; }
    bool atTop() const { return m_y <= 0; }

    WrappedText wrap(const QFont &font, double width, const QString &text) const;
    double lineHeight(const QFont &font) const;

    void newPage();
    // Starts a new page unless the height fits below or the page is still empty.
    void makeRoom(double height);
    void advance(double height) { m_y += height; }

    // The lines at x within width, aligned left, right or in the middle; their first line's top at y.
    void placeLines(const WrappedText &text, const QFont &font, double x, double width, double top,
                    Qt::Alignment alignment, qsizetype from = 0, qsizetype count = -1);
    // A paragraph across the flow (or at x, that wide), spaceBefore above it unless it starts a page; a long
    // one goes over to the next page leaving no lone line behind or ahead, a short one goes over whole, and
    // so does one that would not leave keepWith below it.
    void paragraph(const QFont &font, const QString &text, Qt::Alignment alignment = Qt::AlignLeft,
                   double spaceBefore = 0, double keepWith = 0, double x = 0, double width = -1);

    void rule(const QLineF &line, double widthMm) { m_pages.last().rules.append({line, widthMm}); }
    void shade(const QRectF &rect, const QColor &color) { m_pages.last().shades.append({rect, color}); }
    void text(const QPointF &baseline, const QString &text, const QFont &font)
    {
        m_pages.last().texts.append({baseline, text, font});
    }

    const QList<OfferPage> &pages() const { return m_pages; }

private:
    const QPaintDevice &m_device;
    double m_dotsPerMm;
    double m_width;
    double m_bodyBottom;
    double m_y = 0;
    QList<OfferPage> m_pages;
};

} // namespace orvika
