#include "calculations/calculation_sheets.h"

#include "project_documents/drafting_text.h"
#include "project_documents/sheet_form.h"
#include "project_documents/title_block.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <tuple>

namespace orvika {
namespace {

constexpr double HeadingMm = 4;
constexpr double ParagraphMm = 3;
constexpr double CellMm = 2.5;
constexpr double CaptionMm = 2.5;
constexpr double TextInsetMm = 5;    // paragraphs keep off the frame's sides
constexpr double TextGapMm = 4;      // between a text and the frame or the title block
constexpr double HeadingGapMm = 4;   // above a heading
constexpr double ParagraphGapMm = 2; // under a paragraph
constexpr double TableGapMm = 3;     // under a table
constexpr double SmallestRowMm = 7;
constexpr double CellInsetXMm = 1;
constexpr double CellInsetYMm = 1.5;
// A plan goes across the sheet, so that its legend prints over 2 mm high, at most this high, its caption
// under it.
constexpr double PlanMm = 140;
constexpr double PlanCaptionMm = 8;

const QRectF Frame = sheetFrameMm(CalculationSheetMm);

struct TextOp
{
    QRectF boxMm;
    QString text;
    TextStyle style;
    bool fit; // wider than its box: brought down to fit when painted
    // A line that fits: drawn from its baseline's left end (mm), without laying it out again.
    std::optional<QPointF> baselineMm;
};

struct LineOp
{
    QLineF mm;
    double widthMm;
};

struct PictureOp
{
    QRectF mm;
    const Picture *picture;
};

struct Sheet
{
    QList<TextOp> texts;
    QList<LineOp> lines;
    QList<PictureOp> pictures;
};

// A table runs from the frame down to the title block; a text keeps a gap from both.
double bodyBottomMm(qsizetype sheet)
{
    const double block = sheet == 0 ? FirstSheetTitleBlockHeightMm : FurtherSheetTitleBlockHeightMm;
    return Frame.bottom() - block;
}

double bodyTopMm()
{
    return Frame.top();
}

// Measures texts on the device they are painted on, each font's metrics made once: a building's tables
// repeat their words many times.
class Measure
{
public:
    explicit Measure(const QPaintDevice &device) : m_device(device), m_scale(device) {}

    struct Size
    {
        double heightMm;
        bool fits;
        bool oneLine = false;
        double widthMm = 0;
        double ascentMm = 0;
    };

    // A building's tables repeat their texts (a mounting, a noise, a loudspeaker) in every room: each is
    // measured once for its style and width.
    Size operator()(const TextStyle &style, double widthMm, const QString &text)
    {
        const Key key{styleKey(style), qRound64(widthMm * 1000), text};
        auto found = m_sizes.constFind(key);
        if (found == m_sizes.constEnd())
            found = m_sizes.insert(key, measure(style, widthMm, text));
        return *found;
    }

    // The style a text that does not fit its box is brought down to, found once for the text and the box.
    TextStyle fitted(const QRectF &boxMm, const QString &text, const TextStyle &style)
    {
        const Key key{styleKey(style) * 100000 + qRound64(boxMm.height() * 100),
                      qRound64(boxMm.width() * 1000), text};
        auto found = m_fitted.constFind(key);
        if (found == m_fitted.constEnd())
            found = m_fitted.insert(key, fittedTextStyle(m_device, boxMm, text, style));
        return *found;
    }

private:
    struct Key
    {
        qint64 style;
        qint64 width;
        QString text;

        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.style, key.width, key.text);
        }
    };

    static qint64 styleKey(const TextStyle &style)
    {
        return (qint64(style.heightMm * 100) * 2 + (style.underline ? 1 : 0)) * 64 +
               qint64(style.alignment) % 64 + (style.wrap ? 1 << 20 : 0);
    }

    Size measure(const TextStyle &style, double widthMm, const QString &text)
    {
        const QFontMetricsF &metrics = metricsOf(style);
        const double line = metrics.height();
        if (text.isEmpty())
            return {line / m_scale(1), true};
        // A text shorter than its box is one line: its advance is all there is to know.
        const double advance = metrics.horizontalAdvance(text);
        if (advance <= m_scale(widthMm) && !text.contains(u'\n'))
            return {line / m_scale(1), true, true, advance / m_scale(1), metrics.ascent() / m_scale(1)};
        const int flags = int(style.alignment) | (style.wrap ? int(Qt::TextWordWrap) : 0);
        const QRectF bounds = metrics.boundingRect(QRectF(0, 0, m_scale(widthMm), 1e9), flags, text);
        return {std::max(line, bounds.height()) / m_scale(1), bounds.width() <= m_scale(widthMm) + 0.5,
                bounds.height() <= line * 1.01, bounds.width() / m_scale(1), metrics.ascent() / m_scale(1)};
    }

    const QFontMetricsF &metricsOf(const TextStyle &style)
    {
        const int key = int(style.heightMm * 100) * 2 + (style.underline ? 1 : 0);
        auto found = m_metrics.find(key);
        if (found == m_metrics.end())
            found = m_metrics.insert(key, QFontMetricsF(draftingFont(style), &m_device));
        return *found;
    }

    const QPaintDevice &m_device;
    SheetScale m_scale;
    QHash<int, QFontMetricsF> m_metrics;
    QHash<Key, Size> m_sizes;
    QHash<Key, TextStyle> m_fitted;
};

TextStyle cellStyle(const ContentTable &table, qsizetype column, bool header)
{
    const bool middle = header || table.figures.value(column);
    return {CellMm, (middle ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop, true};
}

class Layout
{
public:
    explicit Layout(const QPaintDevice &device) : m_measure(device) { m_sheets.append(Sheet{}); }

    QList<Sheet> layOut(const CalculationContent &content)
    {
        const QList<ContentBlock> &blocks = content.blocks;
        for (qsizetype i = 0; i < blocks.size(); ++i) {
            const ContentBlock &block = blocks.at(i);
            switch (block.kind) {
            case ContentBlock::Kind::Heading:
                addHeading(block.text, keptWith(blocks, i + 1));
                break;
            case ContentBlock::Kind::Paragraph:
                addParagraph(block.text, leadsInto(blocks, i + 1) ? keptWith(blocks, i + 1) : 0);
                break;
            case ContentBlock::Kind::Table:
                addTable(block.table);
                break;
            case ContentBlock::Kind::Pictures:
                addPictures(block.pictures);
                break;
            }
        }
        return m_sheets;
    }

private:
    // Starts a new sheet unless the height fits under y; an empty sheet takes what comes.
    void makeRoom(double heightMm)
    {
        if (m_y + heightMm > bodyBottomMm(m_sheets.size() - 1) && m_y > bodyTopMm()) {
            m_sheets.append(Sheet{});
            m_y = bodyTopMm();
        }
    }

    Sheet &sheet() { return m_sheets.last(); }

    double paragraphHeight(const TextStyle &style, const QString &text)
    {
        return m_measure(style, Frame.width() - 2 * TextInsetMm, text).heightMm;
    }

    QList<double> rowHeights(const ContentTable &table, const QList<QStringList> &rows, bool header)
    {
        QList<double> heights;
        for (const QStringList &row : rows) {
            double text = 0;
            for (qsizetype column = 0; column < table.widthsMm.size(); ++column)
                text =
                    std::max(text, m_measure(cellStyle(table, column, header),
                                             table.widthsMm.at(column) - 2 * CellInsetXMm, row.value(column))
                                       .heightMm);
            heights.append(std::max(SmallestRowMm, text + 2 * CellInsetYMm));
        }
        return heights;
    }

    // What a heading keeps with it: the next block's first line, row or plans.
    double leastOf(const ContentBlock &block)
    {
        switch (block.kind) {
        case ContentBlock::Kind::Heading:
        case ContentBlock::Kind::Paragraph:
            return paragraphHeight(headingOr(block), block.text);
        case ContentBlock::Kind::Table: {
            double height = 0;
            for (double row : rowHeights(block.table, block.table.header, true))
                height += row;
            return height + (block.table.rows.isEmpty()
                                 ? 0
                                 : rowHeights(block.table, {block.table.rows.first()}, false).first());
        }
        case ContentBlock::Kind::Pictures:
            return block.pictures.isEmpty() ? 0 : planHeightMm(block.pictures.first()) + PlanCaptionMm;
        }
        return 0;
    }

    // A paragraph leads into a table or plans that follow it.
    static bool leadsInto(const QList<ContentBlock> &blocks, qsizetype index)
    {
        return index < blocks.size() && (blocks.at(index).kind == ContentBlock::Kind::Table ||
                                         blocks.at(index).kind == ContentBlock::Kind::Pictures);
    }

    // What goes over to a new sheet with the text before it: the block's start, and the start of what a
    // paragraph leads into.
    double keptWith(const QList<ContentBlock> &blocks, qsizetype index)
    {
        if (index >= blocks.size())
            return 0;
        double height = leastOf(blocks.at(index));
        if (blocks.at(index).kind == ContentBlock::Kind::Paragraph && leadsInto(blocks, index + 1))
            height += ParagraphGapMm + leastOf(blocks.at(index + 1));
        return height;
    }

    static TextStyle headingOr(const ContentBlock &block)
    {
        return block.kind == ContentBlock::Kind::Heading
                   ? TextStyle{HeadingMm, Qt::AlignLeft | Qt::AlignTop, true}
                   : TextStyle{ParagraphMm, Qt::AlignJustify | Qt::AlignTop, true};
    }

    void addText(const TextStyle &style, const QString &text, double gapAbove, double gapBelow, double keep)
    {
        const double height = paragraphHeight(style, text);
        m_y += m_y > bodyTopMm() ? gapAbove : TextGapMm;
        makeRoom(height + keep + TextGapMm);
        if (m_y == bodyTopMm())
            m_y += TextGapMm;
        sheet().texts.append(
            {QRectF(Frame.left() + TextInsetMm, m_y, Frame.width() - 2 * TextInsetMm, height),
             text,
             style,
             false,
             {}});
        m_y += height + gapBelow;
    }

    void addHeading(const QString &text, double keep)
    {
        addText({HeadingMm, Qt::AlignLeft | Qt::AlignTop, true}, text, HeadingGapMm, ParagraphGapMm, keep);
    }

    void addParagraph(const QString &text, double keep)
    {
        addText({ParagraphMm, Qt::AlignJustify | Qt::AlignTop, true}, text, 0, ParagraphGapMm, keep);
    }

    void placeRow(const ContentTable &table, const QStringList &row, double height, bool header)
    {
        double x = Frame.left();
        for (qsizetype column = 0; column < table.widthsMm.size(); ++column) {
            const double width = table.widthsMm.at(column);
            const QRectF box(x + CellInsetXMm, m_y + CellInsetYMm, width - 2 * CellInsetXMm,
                             height - CellInsetYMm);
            const TextStyle style = cellStyle(table, column, header);
            const QString text = row.value(column);
            if (!text.isEmpty()) {
                const Measure::Size size = m_measure(style, box.width(), text);
                std::optional<QPointF> baseline;
                if (size.fits && size.oneLine) {
                    const double free = box.width() - size.widthMm;
                    baseline = QPointF(box.left() + (style.alignment & Qt::AlignHCenter ? free / 2 : 0),
                                       box.top() + size.ascentMm);
                }
                // Brought down to fit here, once, rather than at every painting.
                sheet().texts.append(
                    {box, text, size.fits ? style : m_measure.fitted(box, text, style), false, baseline});
            }
            x += width;
        }
        m_y += height;
        sheet().lines.append(
            {QLineF(Frame.left(), m_y, Frame.right(), m_y), header ? ThickLineMm : ThinLineMm});
    }

    // The part of a table on one sheet: its outline and the lines between its columns.
    void closePart(const ContentTable &table, double top)
    {
        double x = Frame.left();
        for (qsizetype column = 0; column + 1 < table.widthsMm.size(); ++column) {
            x += table.widthsMm.at(column);
            sheet().lines.append({QLineF(x, top, x, m_y), ThinLineMm});
        }
        sheet().lines.append({QLineF(Frame.left(), top, Frame.right(), top), ThickLineMm});
        sheet().lines.append({QLineF(Frame.left(), m_y, Frame.right(), m_y), ThickLineMm});
    }

    void addTable(const ContentTable &table)
    {
        const QList<double> headerHeights = rowHeights(table, table.header, true);
        const QList<double> heights = rowHeights(table, table.rows, false);
        double header = 0;
        for (double height : headerHeights)
            header += height;
        auto startPart = [&] {
            const double top = m_y;
            for (qsizetype i = 0; i < table.header.size(); ++i)
                placeRow(table, table.header.at(i), headerHeights.at(i), true);
            return top;
        };
        makeRoom(header + heights.value(0));
        double top = startPart();
        for (qsizetype i = 0; i < table.rows.size(); ++i) {
            if (m_y + heights.at(i) > bodyBottomMm(m_sheets.size() - 1) && m_y > top + header) {
                closePart(table, top);
                m_sheets.append(Sheet{});
                m_y = bodyTopMm();
                top = startPart();
            }
            placeRow(table, table.rows.at(i), heights.at(i), false);
        }
        closePart(table, top);
        m_y += TableGapMm;
    }

    // As high as the plan is drawn across the sheet's width, at most PlanMm.
    static double planHeightMm(const Picture &picture)
    {
        const double width = Frame.width() - 4;
        if (picture.size.isEmpty())
            return PlanMm;
        return std::min(PlanMm, width * picture.size.height() / picture.size.width());
    }

    void addPictures(const QList<Picture> &pictures)
    {
        for (const Picture &picture : pictures) {
            const double height = planHeightMm(picture);
            makeRoom(height + PlanCaptionMm + TextGapMm);
            const double x = Frame.left() + 2;
            const double width = Frame.width() - 4;
            sheet().pictures.append({QRectF(x, m_y, width, height), &picture});
            const QRectF caption(x, m_y + height + 1, width, PlanCaptionMm - 1);
            const TextStyle style{CaptionMm, Qt::AlignHCenter | Qt::AlignTop, true};
            sheet().texts.append({caption, picture.title, style, true, {}});
            m_y += height + PlanCaptionMm + TextGapMm;
        }
    }

    Measure m_measure;
    QList<Sheet> m_sheets;
    double m_y = bodyTopMm();
};

// Sets a style's font only when it changes: a building's tables draw thousands of cells in one.
class TextPainter
{
public:
    explicit TextPainter(QPainter &painter) : m_painter(painter), m_scale(*painter.device()) {}

    void paint(const TextOp &text)
    {
        if (text.fit) {
            drawTextInBox(m_painter, text.boxMm, text.text, text.style);
            m_font.reset();
            return;
        }
        const std::pair<double, bool> font{text.style.heightMm, text.style.underline};
        if (m_font != font) {
            m_painter.setFont(draftingFont(text.style));
            m_painter.setPen(Qt::black);
            m_font = font;
        }
        if (text.baselineMm) {
            m_painter.drawText(m_scale(*text.baselineMm), text.text);
            return;
        }
        m_painter.drawText(m_scale(text.boxMm),
                           int(text.style.alignment) | (text.style.wrap ? int(Qt::TextWordWrap) : 0),
                           text.text);
    }

private:
    QPainter &m_painter;
    SheetScale m_scale;
    std::optional<std::pair<double, bool>> m_font;
};

void paintSheet(QPainter &painter, const CalculationContent &content, const Sheet &sheet, qsizetype index,
                qsizetype count)
{
    const SheetScale scale(*painter.device());
    paintSheetFrame(painter, Frame);
    for (const PictureOp &picture : sheet.pictures)
        paintPictureFitted(painter, *picture.picture, scale(picture.mm));
    for (const LineOp &line : sheet.lines) {
        setLinePen(painter, line.widthMm);
        painter.drawLine(scale(line.mm));
    }
    TextPainter texts(painter);
    for (const TextOp &text : sheet.texts)
        texts.paint(text);
    const DrawingForm titleBlock = index == 0
                                       ? firstSheetTitleBlock(content.card, CalculationsName, int(count))
                                       : furtherSheetTitleBlock(content.card, int(index + 1));
    paintDrawingForm(painter, titleBlock, titleBlockPlaceMm(titleBlock.sizeMm, Frame).topLeft());
}

} // namespace

int paintCalculationSheets(QPagedPaintDevice &device, const CalculationContent &content)
{
    const QList<Sheet> sheets = Layout(device).layOut(content);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintSheet(painter, content, sheets.at(i), i, sheets.size());
    }
    painter.end();
    return int(sheets.size());
}

} // namespace orvika
