#include "offer_documents/offer_sheets.h"

#include "offer/offer_texts.h"
#include "offer_documents/offer_page_flow.h"
#include "offer_documents/offer_table.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <optional>

namespace orvika {
namespace {

constexpr double LeftMm = 20;
constexpr double RightMm = 10;
constexpr double TopMm = 15;
constexpr double BottomMm = 10;
constexpr double FooterMm = 8;

constexpr double TextPt = 9.5;
constexpr double TablePt = 8;
constexpr double NotePt = 8;

// №, Наименование, Модель, Ед., Кол., Цена, Сумма: 180 mm.
const QList<double> ColumnMm = {9, 62, 26, 15, 14, 27, 27}; // "компл." fits its column
constexpr qsizetype SumColumn = 6;

QList<TableCell> headerCells()
{
    QList<TableCell> cells;
    for (const char *caption : {"№", "Наименование", "Модель", "Ед.", "Кол.", "Цена, руб.", "Сумма, руб."})
        cells.append({QString::fromUtf8(caption), 1, Qt::AlignHCenter});
    return cells;
}

QList<TableCell> lineCells(const OfferLine &line)
{
    return {{QString::number(line.position), 1, Qt::AlignHCenter, true},
            {line.item.name, 1, Qt::AlignLeft},
            {line.item.model, 1, Qt::AlignLeft},
            {line.item.unit, 1, Qt::AlignHCenter},
            {quantityCell(line), 1, Qt::AlignRight, true},
            {priceCell(line), 1, Qt::AlignRight, true},
            {sumCell(line), 1, Qt::AlignRight, true}};
}

void flowHeading(PageFlow &flow, const ProjectCard &card)
{
    const QFont text = documentFont(TextPt);
    if (!card.organisation.trimmed().isEmpty()) {
        flow.paragraph(documentFont(11, true), card.organisation.trimmed());
        flow.advance(flow.mm(1.5));
        flow.rule(QLineF(0, flow.y(), flow.width(), flow.y()), 0.4);
        flow.advance(flow.mm(3));
    }
    // To whom, on the right, as a letter is addressed.
    if (!card.customer.trimmed().isEmpty())
        flow.paragraph(text, QStringLiteral("Заказчик: ") + card.customer.trimmed(), Qt::AlignLeft, 0, 0,
                       flow.width() / 2, flow.width() / 2);
    flow.paragraph(documentFont(13, true), offerTitle(card.offer), Qt::AlignHCenter, flow.mm(7));
    flow.advance(flow.mm(3));
    if (!card.object.trimmed().isEmpty())
        flow.paragraph(text, QStringLiteral("Объект: ") + card.object.trimmed(), Qt::AlignLeft, flow.mm(1));
    if (!card.address.trimmed().isEmpty())
        flow.paragraph(text, QStringLiteral("Адрес: ") + card.address.trimmed(), Qt::AlignLeft, flow.mm(1));
    flow.advance(flow.mm(4));
}

// The lines section by section, each section under its title and over its subtotal; only the sections that
// have lines.
void flowTable(OfferTable &table, const Offer &offer)
{
    for (const OfferSection section :
         {OfferSection::Equipment, OfferSection::Materials, OfferSection::Works}) {
        QList<const OfferLine *> lines;
        for (const OfferLine &line : offer.lines)
            if (line.item.section == section)
                lines.append(&line);
        if (lines.isEmpty())
            continue;
        table.row({{offerSectionTitle(section), int(ColumnMm.size()), Qt::AlignLeft}}, RowLook::Section,
                  table.leastHeight(lineCells(*lines.first()), RowLook::Plain));
        for (const OfferLine *line : lines)
            table.row(lineCells(*line), RowLook::Plain);
        for (const OfferSubtotal &subtotal : offer.subtotals)
            if (subtotal.section == section)
                table.row({{subtotalLineText(section), int(SumColumn), Qt::AlignRight},
                           {moneyText(subtotal.subtotal), 1, Qt::AlignRight, true}},
                          RowLook::Total);
    }
}

// Итого, the VAT and the total under the sum column, kept together.
void flowTotals(PageFlow &flow, const OfferTable &table, const Offer &offer)
{
    const QFont plain = documentFont(TextPt);
    const QFont bold = documentFont(TextPt, true);
    struct Row
    {
        QString label;
        QString sum;
        bool bold;
    };
    QList<Row> rows = {{QStringLiteral("Итого:"), moneyText(offer.totals.subtotal), true}};
    // Without VAT the line says so and has no sum.
    if (offer.vat.mode == VatMode::None)
        rows.append({vatLineText(offer.vat), QString(), false});
    else
        rows.append({vatLineText(offer.vat) + u':', moneyText(offer.totals.vat), false});
    rows.append({totalLineText(offer.vat) + u':', moneyText(offer.totals.total), true});

    // The figures end where the sum column's do; one wider than that column reaches under the price's,
    // and the labels keep to the left of the widest.
    const double right = table.columnLeft(SumColumn) + table.columnWidth(SumColumn) - table.padding();
    double sumWidth = table.columnWidth(SumColumn) - 2 * table.padding();
    for (const Row &row : rows)
        sumWidth = std::max(sumWidth, flow.wrap(bold, flow.width(), row.sum).widths.value(0));
    sumWidth = std::min(sumWidth, right - table.columnLeft(SumColumn - 1) - table.padding());
    const double sumLeft = right - sumWidth;
    const double labelWidth = sumLeft - 2 * table.padding();
    const double gap = flow.mm(1);
    double height = 0;
    QList<std::pair<WrappedText, WrappedText>> laid;
    for (const Row &row : rows) {
        const QFont &font = row.bold ? bold : plain;
        laid.append({flow.wrap(font, labelWidth, row.label), flow.wrap(font, sumWidth, row.sum)});
        height += std::max(laid.last().first.height(), laid.last().second.height()) + gap;
    }
    flow.advance(flow.mm(2));
    flow.makeRoom(height);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QFont &font = rows.at(i).bold ? bold : plain;
        flow.placeLines(laid.at(i).first, font, 0, labelWidth, flow.y(), Qt::AlignRight);
        flow.placeLines(laid.at(i).second, font, sumLeft, sumWidth, flow.y(), Qt::AlignRight);
        flow.advance(std::max(laid.at(i).first.height(), laid.at(i).second.height()) + gap);
    }
}

void flowWords(PageFlow &flow, const Offer &offer, const OfferSettings &settings)
{
    const QFont text = documentFont(TextPt);
    const QString missing = missingPricesLine(offer);
    if (!missing.isEmpty())
        flow.paragraph(documentFont(TextPt, true), missing, Qt::AlignLeft, flow.mm(3));
    // The count and the total in words read as one sentence: never a page apart.
    const QFont words = documentFont(TextPt, true);
    flow.paragraph(text, countLine(offer), Qt::AlignLeft, flow.mm(3),
                   flow.mm(0.5) + flow.wrap(words, flow.width(), totalInWords(offer)).height());
    flow.paragraph(words, totalInWords(offer), Qt::AlignLeft, flow.mm(0.5));
    flow.paragraph(documentFont(NotePt), roundingNote(offer.vat), Qt::AlignLeft, flow.mm(3));
    const QString validity = validityLine(settings);
    if (!validity.isEmpty())
        flow.paragraph(text, validity, Qt::AlignLeft, flow.mm(3));
}

// "Исполнитель", the organisation, a line to sign on with "(подпись)" under it, and the name.
void flowSignature(PageFlow &flow, const ProjectCard &card)
{
    const QFont text = documentFont(TextPt);
    const QFont caption = documentFont(6.5);
    const double left = flow.width() * 0.45;
    const double lineLeft = left + flow.mm(3);
    const double lineRight = lineLeft + flow.mm(45);
    const double nameLeft = lineRight + flow.mm(3);
    const WrappedText who = flow.wrap(text, left, QStringLiteral("Исполнитель:"));
    const WrappedText organisation = flow.wrap(text, left, card.organisation.trimmed());
    const WrappedText name = flow.wrap(text, flow.width() - nameLeft, card.people.developer.trimmed());
    const WrappedText signHere = flow.wrap(caption, lineRight - lineLeft, QStringLiteral("(подпись)"));
    const double body = std::max(organisation.height(), name.height());
    const double height = flow.mm(10) + who.height() + body + signHere.height() + flow.mm(2);
    flow.advance(flow.mm(10));
    flow.makeRoom(height - flow.mm(10));
    flow.placeLines(who, text, 0, left, flow.y(), Qt::AlignLeft);
    flow.advance(who.height() + flow.mm(2));
    const double top = flow.y();
    flow.placeLines(organisation, text, 0, left, top, Qt::AlignLeft);
    // The line to sign on stands on the baseline of the organisation's last line, the name beside it.
    const double lastBaseline =
        top + std::max<qsizetype>(0, organisation.lines.size() - 1) * organisation.lineHeight +
        organisation.ascent;
    const double baseline = std::max(lastBaseline, top + name.ascent) + flow.mm(0.8);
    flow.rule(QLineF(lineLeft, baseline, lineRight, baseline), 0.2);
    flow.placeLines(name, text, nameLeft, flow.width() - nameLeft, baseline - flow.mm(0.8) - name.ascent,
                    Qt::AlignLeft);
    flow.placeLines(signHere, caption, lineLeft, lineRight - lineLeft, baseline + flow.mm(0.5),
                    Qt::AlignHCenter);
    flow.advance(std::max(body, baseline - top + flow.mm(0.5) + signHere.height()));
}

QList<OfferPage> layOutOffer(const QPaintDevice &device, const ProjectCard &card, const Offer &offer)
{
    PageFlow flow(device, FooterMm);
    flowHeading(flow, card);
    OfferTable table(flow, ColumnMm, headerCells(), TablePt);
    flowTable(table, offer);
    flowTotals(flow, table, offer);
    flowWords(flow, offer, card.offer);
    flowSignature(flow, card);
    return flow.pages();
}

void paintPage(QPainter &painter, const OfferPage &page)
{
    const double dotsPerMm = painter.device()->logicalDpiY() / 25.4;
    painter.setPen(Qt::NoPen);
    for (const PageShade &shade : page.shades)
        painter.fillRect(shade.rect, shade.color);
    for (const PageRule &rule : page.rules) {
        painter.setPen(QPen(Qt::black, rule.widthMm * dotsPerMm, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(rule.line);
    }
    painter.setPen(Qt::black);
    std::optional<QFont> font;
    for (const PageText &text : page.texts) {
        if (font != text.font) {
            painter.setFont(text.font);
            font = text.font;
        }
        painter.drawText(text.baseline, text.text);
    }
}

// The offer's title on the left and "Стр. N из M" on the right, at the foot of the page.
void paintFooter(QPainter &painter, const OfferSettings &settings, int page, int count)
{
    const QPaintDevice &device = *painter.device();
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const QRectF foot(0, device.height() - FooterMm * dotsPerMm, device.width(), FooterMm * dotsPerMm);
    const QFont font = documentFont(7.5);
    const QFontMetricsF metrics(font, &device);
    const QString number = QStringLiteral("Стр. %1 из %2").arg(page).arg(count);
    // A title as long as the line is cut short before the page's number.
    const QString title =
        metrics.elidedText(offerTitle(settings), Qt::ElideRight,
                           foot.width() - metrics.horizontalAdvance(number) - 5 * dotsPerMm);
    painter.setFont(font);
    painter.setPen(QColor(80, 80, 80));
    painter.drawText(foot, int(Qt::AlignLeft | Qt::AlignBottom), title);
    painter.drawText(foot, int(Qt::AlignRight | Qt::AlignBottom), number);
}

} // namespace

void prepareOfferPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(LeftMm, TopMm, RightMm, BottomMm), QPageLayout::Millimeter));
}

int paintOfferPages(QPagedPaintDevice &device, const ProjectCard &card, const Offer &offer)
{
    const QList<OfferPage> pages = layOutOffer(device, card, offer);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, pages.at(i));
        paintFooter(painter, card.offer, int(i + 1), int(pages.size()));
    }
    painter.end();
    return int(pages.size());
}

} // namespace orvika
