#include "offer_documents/offer_page_flow.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>

namespace orvika {

PageFlow::PageFlow(const QPaintDevice &device, double footerMm)
    : m_device(device), m_dotsPerMm(device.logicalDpiY() / 25.4), m_width(device.width()),
      m_bodyBottom(device.height() - mm(footerMm))
{
    m_pages.append(OfferPage{});
}

double PageFlow::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, &m_device).lineSpacing();
}

WrappedText PageFlow::wrap(const QFont &font, double width, const QString &text) const
{
    const QFontMetricsF metrics(font, &m_device);
    WrappedText wrapped;
    wrapped.lineHeight = metrics.lineSpacing();
    wrapped.ascent = metrics.ascent();
    // Each line the user broke is a paragraph of its own.
    for (const QString &paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString part = paragraph.mid(line.textStart(), line.textLength()).trimmed();
            wrapped.lines.append(part);
            wrapped.widths.append(metrics.horizontalAdvance(part));
        }
        layout.endLayout();
        if (layout.lineCount() == 0) {
            wrapped.lines.append(QString());
            wrapped.widths.append(0);
        }
    }
    return wrapped;
}

void PageFlow::newPage()
{
    m_pages.append(OfferPage{});
    m_y = 0;
}

void PageFlow::makeRoom(double height)
{
    if (!atTop() && m_y + height > m_bodyBottom)
        newPage();
}

void PageFlow::placeLines(const WrappedText &text, const QFont &font, double x, double width, double top,
                          Qt::Alignment alignment, qsizetype from, qsizetype count)
{
    const qsizetype end = count < 0 ? text.lines.size() : std::min(text.lines.size(), from + count);
    for (qsizetype i = from; i < end; ++i) {
        double left = x;
        if (alignment & Qt::AlignRight)
            left = x + width - text.widths.at(i);
        else if (alignment & Qt::AlignHCenter)
            left = x + (width - text.widths.at(i)) / 2;
        if (!text.lines.at(i).isEmpty())
            this->text(QPointF(left, top + (i - from) * text.lineHeight + text.ascent), text.lines.at(i),
                       font);
    }
}

void PageFlow::paragraph(const QFont &font, const QString &text, Qt::Alignment alignment, double spaceBefore,
                         double keepWith, double x, double width)
{
    if (width < 0)
        width = m_width;
    const WrappedText wrapped = wrap(font, width, text);
    if (!atTop())
        m_y += spaceBefore;
    // A short paragraph is not split; a long one is, but never leaving a lone line on either page.
    const qsizetype count = wrapped.lines.size();
    const double whole = wrapped.height() + keepWith;
    if (m_y + whole > m_bodyBottom && !atTop()) {
        const qsizetype fit = qsizetype((m_bodyBottom - m_y) / wrapped.lineHeight);
        if (count < 4 || fit < 2 || count - fit < 2)
            newPage();
    }
    // A paragraph longer than a page goes on over as many as it takes.
    for (qsizetype from = 0; from < count;) {
        const qsizetype fit = std::max<qsizetype>(1, qsizetype((m_bodyBottom - m_y) / wrapped.lineHeight));
        const qsizetype placed = std::min(fit, count - from);
        placeLines(wrapped, font, x, width, m_y, alignment, from, placed);
        m_y += placed * wrapped.lineHeight;
        from += placed;
        if (from < count)
            newPage();
    }
}

} // namespace orvika
