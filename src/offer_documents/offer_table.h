#pragma once

#include "offer_documents/offer_page_flow.h"

#include <QFont>
#include <QList>
#include <QString>

// A bordered table in the offer's flow: cells may span columns, long texts wrap, a page begins with the
// table's header row, and a row taller than what is left of a page goes on over to the next.
namespace orvika {

struct TableCell
{
    QString text;
    int span = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
    // A figure is not broken over lines: its font is brought down until it fits.
    bool figure = false;
};

enum class RowLook {
    Plain,
    Section, // a section's title across the table, shaded
    Total,   // a subtotal, bold
};

class OfferTable
{
public:
    // The columns' widths in mm, shared out over the flow's width as they stand to one another.
    OfferTable(PageFlow &flow, const QList<double> &columnMm, const QList<TableCell> &header, double points);

    // keepWith: the height of the row that is to follow on the same page (a section's title keeps its
    // first line with it).
    void row(const QList<TableCell> &cells, RowLook look, double keepWith = 0);
    double rowHeight(const QList<TableCell> &cells, RowLook look) const;
    // What of the row must stand on the page it begins on: the whole row when a page holds it, else its
    // first two lines.
    double leastHeight(const QList<TableCell> &cells, RowLook look) const;

    // Where the columns begin and how wide they are, for what stands under the table.
    double columnLeft(qsizetype column) const;
    double columnWidth(qsizetype column) const { return m_widths.at(column); }
    double padding() const { return m_padding; }

private:
    struct Laid
    {
        QList<WrappedText> texts;
        QList<QFont> fonts;
        qsizetype lineCount = 0;
    };

    QFont fontOf(RowLook look) const;
    Laid layOut(const QList<TableCell> &cells, const QFont &font) const;
    double heightOf(const Laid &laid, qsizetype lines) const;
    void placeHeader();
    // Lines from..from+count of every cell, in a row of that many lines.
    void placePart(const QList<TableCell> &cells, const Laid &laid, RowLook look, qsizetype from,
                   qsizetype count, qsizetype lines, bool middle);

    PageFlow &m_flow;
    QList<double> m_widths;
    QList<TableCell> m_header;
    QFont m_font, m_bold;
    double m_padding;
    Laid m_headerLaid;
    qsizetype m_headerPage = -1;
};

} // namespace orvika
