#include "offer_documents/offer_table.h"

#include <algorithm>

namespace orvika {
namespace {

constexpr double PaddingXMm = 1.2;
constexpr double PaddingYMm = 0.9;
constexpr double RuleMm = 0.2;
// The least a figure is brought down to; a figure wider still is broken over lines.
constexpr double SmallestFigurePt = 5;
constexpr double FigureStepPt = 0.25;
const QColor SectionShade(232, 232, 232);
const QColor HeaderShade(245, 245, 245);

} // namespace

OfferTable::OfferTable(PageFlow &flow, const QList<double> &columnMm, const QList<TableCell> &header,
                       double points)
    : m_flow(flow), m_header(header), m_font(documentFont(points)), m_bold(documentFont(points, true)),
      m_padding(flow.mm(PaddingXMm))
{
    double total = 0;
    for (const double width : columnMm)
        total += width;
    for (const double width : columnMm)
        m_widths.append(flow.width() * width / total);
    m_headerLaid = layOut(m_header, m_bold);
}

double OfferTable::columnLeft(qsizetype column) const
{
    double x = 0;
    for (qsizetype i = 0; i < column; ++i)
        x += m_widths.at(i);
    return x;
}

QFont OfferTable::fontOf(RowLook look) const
{
    return look == RowLook::Plain ? m_font : m_bold;
}

OfferTable::Laid OfferTable::layOut(const QList<TableCell> &cells, const QFont &font) const
{
    Laid laid;
    qsizetype column = 0;
    for (const TableCell &cell : cells) {
        double width = 0;
        for (int i = 0; i < cell.span && column < m_widths.size(); ++i, ++column)
            width += m_widths.at(column);
        QFont cellFont = font;
        WrappedText text = m_flow.wrap(font, width - 2 * m_padding, cell.text);
        if (cell.figure && text.lines.size() > 1) {
            WrappedText smaller = text;
            while (smaller.lines.size() > 1 && cellFont.pointSizeF() > SmallestFigurePt) {
                cellFont.setPointSizeF(cellFont.pointSizeF() - FigureStepPt);
                smaller = m_flow.wrap(cellFont, width - 2 * m_padding, cell.text);
            }
            // Drawn on the row's first line, its baseline lowered to the middle of that line.
            if (smaller.lines.size() == 1) {
                text.lines = smaller.lines;
                text.widths = smaller.widths;
                text.ascent = smaller.ascent + (text.lineHeight - smaller.lineHeight) / 2;
            } else {
                cellFont = font;
            }
        }
        laid.texts.append(text);
        laid.fonts.append(cellFont);
        laid.lineCount = std::max(laid.lineCount, laid.texts.last().lines.size());
    }
    return laid;
}

double OfferTable::heightOf(const Laid &laid, qsizetype lines) const
{
    const double line = laid.texts.isEmpty() ? 0 : laid.texts.first().lineHeight;
    return lines * line + 2 * m_flow.mm(PaddingYMm);
}

double OfferTable::rowHeight(const QList<TableCell> &cells, RowLook look) const
{
    const Laid laid = layOut(cells, fontOf(look));
    return heightOf(laid, laid.lineCount);
}

double OfferTable::leastHeight(const QList<TableCell> &cells, RowLook look) const
{
    const Laid laid = layOut(cells, fontOf(look));
    const double whole = heightOf(laid, laid.lineCount);
    if (whole + heightOf(m_headerLaid, m_headerLaid.lineCount) <= m_flow.bodyBottom())
        return whole;
    return heightOf(laid, 2);
}

void OfferTable::placeHeader()
{
    placePart(m_header, m_headerLaid, RowLook::Plain, 0, m_headerLaid.lineCount, m_headerLaid.lineCount,
              true);
    m_headerPage = m_flow.pages().size();
}

void OfferTable::placePart(const QList<TableCell> &cells, const Laid &laid, RowLook look, qsizetype from,
                           qsizetype count, qsizetype lines, bool middle)
{
    const double top = m_flow.y();
    const double height = heightOf(laid, lines);
    const bool header = &cells == &m_header;
    if (look == RowLook::Section || header)
        m_flow.shade(QRectF(0, top, m_flow.width(), height), header ? HeaderShade : SectionShade);
    double x = 0;
    qsizetype column = 0;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        double width = 0;
        for (int j = 0; j < cells.at(i).span && column < m_widths.size(); ++j, ++column)
            width += m_widths.at(column);
        const WrappedText &text = laid.texts.at(i);
        // The header's captions stand in the middle of their row, whatever their lines.
        const double shift = middle ? (lines - text.lines.size()) * text.lineHeight / 2 : 0;
        m_flow.placeLines(text, laid.fonts.at(i), x + m_padding, width - 2 * m_padding,
                          top + m_flow.mm(PaddingYMm) + shift, cells.at(i).alignment, from, count);
        m_flow.rule(QLineF(x, top, x, top + height), RuleMm);
        x += width;
    }
    m_flow.rule(QLineF(x, top, x, top + height), RuleMm);
    m_flow.rule(QLineF(0, top, x, top), RuleMm);
    m_flow.rule(QLineF(0, top + height, x, top + height), RuleMm);
    m_flow.advance(height);
}

void OfferTable::row(const QList<TableCell> &cells, RowLook look, double keepWith)
{
    const Laid laid = layOut(cells, fontOf(look));
    const double header = heightOf(m_headerLaid, m_headerLaid.lineCount);
    const double whole = heightOf(laid, laid.lineCount);
    auto headerHere = [&] { return m_headerPage == m_flow.pages().size(); };
    // A row goes whole to the next page when a page holds it; a page never ends with the header alone.
    if (whole + header <= m_flow.bodyBottom())
        m_flow.makeRoom(whole + keepWith + (headerHere() ? 0 : header));
    else
        m_flow.makeRoom(heightOf(laid, 2) + (headerHere() ? 0 : header));
    if (!headerHere())
        placeHeader();
    const double line = m_flow.lineHeight(fontOf(look));
    for (qsizetype from = 0; from < laid.lineCount;) {
        const qsizetype fit = qsizetype((m_flow.room() - 2 * m_flow.mm(PaddingYMm)) / line + 1e-6);
        const qsizetype count = std::clamp<qsizetype>(fit, 1, laid.lineCount - from);
        placePart(cells, laid, look, from, count, count, false);
        from += count;
        if (from < laid.lineCount) {
            m_flow.newPage();
            placeHeader();
        }
    }
}

} // namespace orvika
