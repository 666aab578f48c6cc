#include "documents/document_painter.h"

#include "documents/document_font.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>
#include <optional>

namespace orvika {
namespace {

constexpr double MarginMm = 15;
constexpr double CellPaddingMm = 0.8;

// №, Обозначение, Кол-во, Вт за шт., Вт всего, U за шт., U всего, Основание: 180 mm in all.
constexpr std::array<double, 8> ColumnMm = {8, 54, 13, 15, 17, 12, 13, 48};
constexpr std::array<Qt::Alignment::Int, 8> ColumnAlignment = {Qt::AlignRight, Qt::AlignLeft,  Qt::AlignRight,
                                                               Qt::AlignRight, Qt::AlignRight, Qt::AlignRight,
                                                               Qt::AlignRight, Qt::AlignLeft};

// The flow of the document down its pages. Without a painter it only measures, so that the page
// count is known before the first page is painted.
class Flow
{
public:
    Flow(QPagedPaintDevice &device, QPainter *painter, int pageCount)
        : m_device(device), m_painter(painter), m_pageCount(pageCount),
          m_dotsPerMm(device.logicalDpiY() / 25.4)
    {
        measureBody();
    }

    double mm(double value) const { return value * m_dotsPerMm; }
    double width() const { return m_body.width(); }
    int page() const { return m_page; }

    double lineHeight(const QFont &font) const { return QFontMetricsF(font, &m_device).height(); }

    // The height a text takes wrapped to a width.
    double textHeight(const QFont &font, double width, const QString &text) const
    {
        const QRectF bounds =
            QFontMetricsF(font, &m_device).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text);
        return std::max(bounds.height(), lineHeight(font));
    }

    // Starts a new page when the height does not fit below; true when it did.
    bool makeRoom(double height)
    {
        if (m_y + height <= m_body.bottom() || m_y == m_body.top())
            return false;
        breakPage();
        return true;
    }

    void breakPage(QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        endPage();
        if (m_painter) {
            // A new layout applies from the page begun right after it.
            if (m_device.pageLayout().orientation() != orientation)
                m_device.setPageOrientation(orientation);
            m_device.newPage();
        }
        ++m_page;
        measureBody();
    }

    void paragraph(const QFont &font, const QString &text, double spaceBefore = 0)
    {
        const double height = textHeight(font, width(), text);
        makeRoom(spaceBefore + height);
        if (m_y > m_body.top())
            m_y += spaceBefore;
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->drawText(QRectF(0, m_y, width(), height), Qt::TextWordWrap, text);
        }
        m_y += height;
    }

    // One bordered cell at x across the flow, its top at the current line, the text wrapped inside.
    void box(const QFont &font, double x, double width, double height, const QString &text,
             Qt::Alignment alignment)
    {
        if (!m_painter)
            return;
        m_painter->setFont(font);
        m_painter->setPen(QPen(Qt::black, mm(0.2)));
        const QRectF cell(x, m_y, width, height);
        m_painter->drawRect(cell);
        m_painter->drawText(
            cell.adjusted(mm(CellPaddingMm), mm(CellPaddingMm), -mm(CellPaddingMm), -mm(CellPaddingMm)),
            int(alignment | Qt::TextWordWrap), text);
    }

    void advance(double height) { m_y += height; }

    // One row of cells; the widths in device units.
    void cells(const QFont &font, const QList<double> &widths, const QStringList &texts,
               const QList<Qt::Alignment> &alignments, double height)
    {
        double x = 0;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            box(font, x, widths[i], height, texts[i], alignments[i] | Qt::AlignTop);
            x += widths[i];
        }
        m_y += height;
    }

    double cellHeight(const QFont &font, const QList<double> &widths, const QStringList &texts) const
    {
        double height = 0;
        for (qsizetype i = 0; i < widths.size(); ++i)
            height = std::max(height, textHeight(font, widths[i] - 2 * mm(CellPaddingMm), texts[i]));
        return height + 2 * mm(CellPaddingMm);
    }

    // A page of its own for a picture: its title, then the picture as large as the page allows. A
    // picture wider than tall is drawn across a landscape page, where it is drawn larger.
    void picturePage(const Picture &picture)
    {
        if (m_y > m_body.top())
            breakPage(picture.size.width() > picture.size.height() ? QPageLayout::Landscape
                                                                   : QPageLayout::Portrait);
        paragraph(documentFont(10.5, true), picture.title);
        m_y += mm(3);
        if (m_painter)
            paintPictureFitted(*m_painter, picture, QRectF(0, m_y, width(), m_body.bottom() - m_y));
        m_y = m_body.bottom();
    }

    void endPage()
    {
        if (!m_painter)
            return;
        const QFont font = documentFont(8);
        m_painter->setFont(font);
        const QString number = QStringLiteral("Стр. %1 из %2").arg(m_page).arg(m_pageCount);
        m_painter->drawText(QRectF(0, m_body.bottom(), width(), m_device.height() - m_body.bottom()),
                            Qt::AlignRight | Qt::AlignBottom, number);
    }

private:
    // The page's room above the page number, the flow at its top.
    void measureBody()
    {
        const double footer = lineHeight(documentFont(8)) * 2;
        m_body = QRectF(0, 0, m_device.width(), m_device.height() - footer);
        m_y = m_body.top();
    }

    QPagedPaintDevice &m_device;
    QPainter *m_painter;
    int m_pageCount;
    double m_dotsPerMm;
    QRectF m_body;
    double m_y = 0;
    int m_page = 1;
};

class EquipmentTable
{
public:
    explicit EquipmentTable(Flow &flow) : m_flow(flow)
    {
        for (double width : ColumnMm)
            m_widths.append(flow.mm(width) * flow.width() / flow.mm(180));
        for (Qt::Alignment::Int alignment : ColumnAlignment)
            m_alignments.append(Qt::Alignment(alignment));
    }

    // Two header rows: the figures' groups over "за шт." and "всего"; the other titles span both.
    void header()
    {
        const QFont font = headerFont();
        const double top = groupHeight();
        const double bottom = partHeight();
        double x = 0;
        for (qsizetype i = 0; i < m_widths.size(); ++i) {
            const Column column = columnOf(i);
            if (column.group.isEmpty()) {
                m_flow.box(font, x, m_widths[i], top + bottom, column.title, Qt::AlignCenter);
            } else {
                if (column.groupStart)
                    m_flow.box(font, x, m_widths[i] + m_widths[i + 1], top, column.group, Qt::AlignCenter);
                m_flow.advance(top);
                m_flow.box(font, x, m_widths[i], bottom, column.title, Qt::AlignCenter);
                m_flow.advance(-top);
            }
            x += m_widths[i];
        }
        m_flow.advance(top + bottom);
    }

    double headerHeight() const { return groupHeight() + partHeight(); }

    void row(const DocumentRow &line)
    {
        const QFont font = documentFont(7.5);
        const QStringList texts = {QString::number(line.position), line.designation,
                                   QString::number(line.quantity), figureText(line.unitPowerDraw),
                                   figureText(line.powerDraw()),   figureText(line.unitHeightUnits),
                                   figureText(line.heightUnits()), line.reason};
        const double height = m_flow.cellHeight(font, m_widths, texts);
        // A page never ends with the header alone, and every page of the table starts with it.
        if (m_flow.makeRoom(height + (m_headerShown ? 0 : headerHeight())) || !m_headerShown) {
            header();
            m_headerShown = true;
        }
        m_flow.cells(font, m_widths, texts, m_alignments, height);
    }

private:
    struct Column
    {
        QString title;
        QString group; // the figure columns' group title, empty for the others
        bool groupStart = false;
    };

    static Column columnOf(qsizetype index)
    {
        static const QString power = QStringLiteral("Потребление, Вт");
        static const QString height = QStringLiteral("Высота, U");
        static const QString each = QStringLiteral("за шт.");
        static const QString all = QStringLiteral("всего");
        switch (index) {
        case 0:
            return {QStringLiteral("№"), {}};
        case 1:
            return {QStringLiteral("Обозначение"), {}};
        case 2:
            return {QStringLiteral("Кол-во"), {}};
        case 3:
            return {each, power, true};
        case 4:
            return {all, power};
        case 5:
            return {each, height, true};
        case 6:
            return {all, height};
        default:
            return {QStringLiteral("Основание"), {}};
        }
    }

    static QFont headerFont() { return documentFont(7.5, true); }

    double groupHeight() const
    {
        return m_flow.cellHeight(headerFont(), {m_widths[3] + m_widths[4]}, {columnOf(3).group});
    }

    double partHeight() const { return m_flow.cellHeight(headerFont(), {m_widths[3]}, {columnOf(3).title}); }

    Flow &m_flow;
    QList<double> m_widths;
    QList<Qt::Alignment> m_alignments;
    bool m_headerShown = false;
};

// A plain table of captioned columns whose header is repeated on every page it takes.
class PlainTable
{
public:
    PlainTable(Flow &flow, const QStringList &captions, const QList<double> &columnMm, double points)
        : m_flow(flow), m_captions(captions), m_font(documentFont(points)),
          m_headerFont(documentFont(points, true))
    {
        double total = 0;
        for (double width : columnMm)
            total += width;
        for (double width : columnMm)
            m_widths.append(flow.width() * width / total);
        for (qsizetype i = 0; i < captions.size(); ++i)
            m_alignments.append(Qt::AlignLeft);
    }

    void row(const QStringList &texts)
    {
        const double height = m_flow.cellHeight(m_font, m_widths, texts);
        const double header = m_flow.cellHeight(m_headerFont, m_widths, m_captions);
        if (m_flow.makeRoom(height + (m_headerShown ? 0 : header)) || !m_headerShown) {
            QList<Qt::Alignment> centred(m_captions.size(), Qt::AlignHCenter);
            m_flow.cells(m_headerFont, m_widths, m_captions, centred, header);
            m_headerShown = true;
        }
        m_flow.cells(m_font, m_widths, texts, m_alignments, height);
    }

private:
    Flow &m_flow;
    QStringList m_captions;
    QFont m_font, m_headerFont;
    QList<double> m_widths;
    QList<Qt::Alignment> m_alignments;
    bool m_headerShown = false;
};

// The products and materials of the loudspeaker lines, after the proposed equipment.
void flowMaterials(Flow &flow, const DocumentContent &content, const QFont &heading, double gap)
{
    if (content.materials.isEmpty())
        return;
    flow.paragraph(heading, QStringLiteral("Изделия и материалы"), gap);
    PlainTable table(flow,
                     {QStringLiteral("№"), QStringLiteral("Обозначение"), QStringLiteral("Кол-во"),
                      QStringLiteral("Ед."), QStringLiteral("Примечание")},
                     {8, 80, 15, 10, 67}, 7.5);
    for (const MaterialRow &material : content.materials)
        table.row({QString::number(material.position), material.designation, figureText(material.quantity),
                   material.unit, material.note});
}

// The page "Линии громкоговорителей": the lines' table in the columns that fit the page.
void flowLines(Flow &flow, const DocumentContent &content)
{
    if (content.lineRows.isEmpty())
        return;
    flow.breakPage();
    flow.paragraph(documentFont(10.5, true), QStringLiteral("Линии громкоговорителей"));
    flow.paragraph(documentFont(8), content.lineSettings, flow.mm(1));
    flow.advance(flow.mm(3));
    // Of the window's columns: Зона, Название, Громкоговоритель, Кол-во, Мощность зоны, Длина,
    // Сечение, Марка кабеля, Сопротивление, Потери, Уровень, Мин. сечение, Вывод.
    static const QList<int> shown = {0, 1, 2, 4, 8, 5, 6, 7, 9, 10, 11, 12, 13};
    const QStringList captions = {
        QStringLiteral("Зона"),      QStringLiteral("Название"),    QStringLiteral("Громкоговоритель"),
        QStringLiteral("Кол-во"),    QStringLiteral("P зоны, Вт"),  QStringLiteral("Длина, м"),
        QStringLiteral("S, мм²"),    QStringLiteral("Кабель"),      QStringLiteral("R, Ом"),
        QStringLiteral("Потери, %"), QStringLiteral("Уровень, дБ"), QStringLiteral("Мин. S, мм²"),
        QStringLiteral("Вывод")};
    PlainTable table(flow, captions, {7, 19, 29, 8, 10, 10, 8, 16, 9, 12, 13, 11, 18}, 6.5);
    for (const QStringList &row : content.lineRows) {
        QStringList texts;
        for (int column : shown)
            texts.append(row.value(column));
        table.row(texts);
    }
}

// The whole document once; returns the pages it took.
int flowDocument(QPagedPaintDevice &device, QPainter *painter, int pageCount, const DocumentContent &content)
{
    Flow flow(device, painter, pageCount);
    const QFont body = documentFont(9);
    const QFont heading = documentFont(10.5, true);
    const double gap = flow.mm(4);

    flow.paragraph(documentFont(14, true), DocumentTitle);
    if (!content.object.isEmpty())
        flow.paragraph(body, QStringLiteral("Объект: ") + content.object, flow.mm(1));
    if (!content.customer.isEmpty())
        flow.paragraph(body, QStringLiteral("Заказчик: ") + content.customer, flow.mm(1));
    flow.paragraph(body, QStringLiteral("Дата: ") + content.date.toString(QStringLiteral("dd.MM.yyyy")),
                   flow.mm(1));

    flow.paragraph(heading, QStringLiteral("Требования к системе"), gap);
    if (content.requirements.isEmpty())
        flow.paragraph(body, QStringLiteral("не указаны"));
    for (const QString &line : content.requirements)
        flow.paragraph(body, line);

    flow.paragraph(heading, QStringLiteral("Выбранные звуковые источники"), gap);
    if (content.sources.isEmpty())
        flow.paragraph(body, QStringLiteral("Список звуковых источников - пуст"));
    for (const QString &line : content.sources)
        flow.paragraph(body, line);

    flow.paragraph(heading, QStringLiteral("Предлагаемое оборудование"), gap);
    EquipmentTable table(flow);
    for (const DocumentRow &line : content.rows)
        table.row(line);
    flowMaterials(flow, content, heading, gap);

    const Totals &totals = content.totals;
    flow.paragraph(heading, QStringLiteral("Итого"), gap);
    flow.paragraph(body, QStringLiteral("Потребляемая мощность: %1 Вт").arg(totals.powerDraw));
    flow.paragraph(
        body,
        QStringLiteral("Тепловыделение: %1 Вт, %2 BTU/ч").arg(totals.powerDraw).arg(content.heatBtuPerHour));
    flow.paragraph(body, QStringLiteral("Высота в шкафу: %1 U").arg(totals.heightUnits));
    flow.paragraph(body, QStringLiteral("Блоков: %1 шт.").arg(totals.blockCount));
    flow.paragraph(body, QStringLiteral("Примерная блок-схема: ") + content.schemeChoice, gap);
    flowLines(flow, content);
    for (const Picture &picture : content.pictures)
        flow.picturePage(picture);
    flow.endPage();
    return flow.page();
}

} // namespace

void prepareDocumentPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));
}

int paintDocument(QPagedPaintDevice &device, const DocumentContent &content)
{
    const int pages = flowDocument(device, nullptr, 0, content);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    flowDocument(device, &painter, pages, content);
    painter.end();
    return pages;
}

} // namespace orvika
