#include "pictures/rack_picture.h"

#include "calc/reasons.h"
#include "documents/document_content.h"

#include <QHash>
#include <QPainter>
#include <algorithm>

namespace orvika {
namespace {

constexpr double Margin = 20;
constexpr double UnitHeight = 20; // one rack unit
constexpr double RailWidth = 26;  // with the U numbers
constexpr double BayWidth = 300;  // between the rails
constexpr double RackGap = 36;
constexpr double HeaderHeight = 44; // the cabinet's designation, two lines
constexpr double FooterHeight = 60; // used, consumption, heat
constexpr double TextSize = 12;
constexpr double SideWidth = 330; // the list of units outside the cabinets

const QColor Rail(0x55, 0x55, 0x55);
const QColor UnitFill(0xe8, 0xee, 0xf6);
const QColor Warning(0xb0, 0x00, 0x00);

double rackWidth()
{
    return 2 * RailWidth + BayWidth;
}

QStringList warningsOf(const RackLayout &layout)
{
    QStringList lines;
    for (const RackUnit &unit : layout.unplaced)
        lines.append(QStringLiteral("Не помещается в шкаф: %1 (%2 U)")
                         .arg(unit.designation, reasons::number(unit.height)));
    return lines;
}

double tallestRack(const RackLayout &layout)
{
    double tallest = 0;
    for (const Rack &rack : layout.racks)
        tallest = std::max(tallest, rack.height);
    for (const RackUnit &unit : layout.unplaced)
        tallest = std::max(tallest, unit.height);
    return tallest;
}

double topOfRacks(const RackLayout &layout)
{
    return Margin + 24 + warningsOf(layout).size() * (TextSize + 6) + HeaderHeight;
}

// A unit's label, measured once for all its pieces: the model in bold, then the name shortened to
// the box. Texts are drawn at a point: laying out a line for each would cost most of the drawing.
struct UnitLabel
{
    QString model;
    QString name;      // as shown
    bool cut = false;  // shortened: the SVG keeps the designation as its title
    double nameAt = 0; // from the left of the text
};

using UnitLabels = QHash<QString, UnitLabel>;

UnitLabels measureLabels(const RackLayout &layout)
{
    const QFont bold = pictureFont(TextSize, true);
    const QFont plain = pictureFont(TextSize);
    const QFontMetricsF boldMetrics(bold);
    UnitLabels labels;
    const auto measure = [&](const QString &designation) {
        if (labels.contains(designation))
            return;
        UnitLabel label;
        label.model = modelOf(designation);
        label.nameAt = boldMetrics.horizontalAdvance(label.model + u' ');
        QList<ShortenedText> cut;
        label.name =
            fitted(designation.mid(label.model.size()).trimmed(), plain, BayWidth - 12 - label.nameAt, &cut);
        label.cut = !cut.isEmpty();
        labels.insert(designation, label);
    };
    for (const PlacedUnit &placed : layout.placed)
        measure(placed.unit.designation);
    for (const RackUnit &unit : layout.unplaced)
        measure(unit.designation);
    return labels;
}

// The fonts of one drawing, made and measured once: making a font for every text would cost more
// than drawing it.
struct RackFonts
{
    QFont title = pictureFont(TextSize + 4, true);
    QFont bold = pictureFont(TextSize, true);
    QFont plain = pictureFont(TextSize);
    QFont small = pictureFont(TextSize - 3);
    double boldCentre = centring(bold);
    double smallCentre = centring(small);
    QList<double> numberWidths; // of "1", "2", ... on the rails

    explicit RackFonts(int highestNumber)
    {
        const QFontMetricsF metrics(small);
        for (int n = 1; n <= highestNumber; ++n)
            numberWidths.append(metrics.horizontalAdvance(QString::number(n)));
    }

    // From a box's middle down to the baseline that centres a line of the font in it.
    static double centring(const QFont &font)
    {
        const QFontMetricsF metrics(font);
        return (metrics.ascent() - metrics.descent()) / 2;
    }
};

// Units in boxes of their height: all the boxes, then all the models, then all the names, so that the
// painter changes its pen and font three times rather than at every unit (each change is a new group
// in an SVG). Shortened names are noted in the order they are drawn.
struct UnitBox
{
    QRectF box;
    const QString *designation;
};

void paintUnits(QPainter &painter, const RackFonts &fonts, const QList<UnitBox> &units,
                const UnitLabels &labels, QList<ShortenedText> *shortened)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(UnitFill);
    for (const UnitBox &unit : units)
        painter.drawRect(unit.box);
    painter.setFont(fonts.bold);
    for (const UnitBox &unit : units)
        painter.drawText(QPointF(unit.box.left() + 6, unit.box.center().y() + fonts.boldCentre),
                         labels.value(*unit.designation).model);
    painter.setFont(fonts.plain);
    for (const UnitBox &unit : units) {
        const UnitLabel label = labels.value(*unit.designation);
        painter.drawText(
            QPointF(unit.box.left() + 6 + label.nameAt, unit.box.center().y() + fonts.boldCentre),
            label.name);
        if (shortened && label.cut)
            shortened->append({label.name, *unit.designation});
    }
}

void paintRack(QPainter &painter, const RackFonts &fonts, const RackLayout &layout, const UnitLabels &labels,
               int index, double left, double top, QList<ShortenedText> *shortened)
{
    const Rack &rack = layout.racks.at(index);
    const double height = rack.height * UnitHeight;
    const QFont &plain = fonts.plain;
    const QFont &bold = fonts.bold;

    // The designation above, "не выбран" when the calculation chose no cabinet.
    painter.setPen(Qt::black);
    painter.setFont(bold);
    const QString title = rack.designation.isEmpty()
                              ? QStringLiteral("Шкаф %1 U").arg(reasons::number(rack.height))
                              : rack.designation;
    const QRectF titleBox(left, top - HeaderHeight, rackWidth(), HeaderHeight - 4);
    const QString shownTitle = fitted(title, bold, rackWidth() * 2 - 8, shortened);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                     rack.chosen ? shownTitle : shownTitle + QStringLiteral(" (не выбран)"));

    // The rails with the U numbers, counted from the bottom.
    painter.setBrush(Rail);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(left, top, RailWidth, height));
    painter.drawRect(QRectF(left + RailWidth + BayWidth, top, RailWidth, height));
    painter.setPen(Qt::white);
    painter.setFont(fonts.small);
    for (int u = 1; u <= int(rack.height) && u <= fonts.numberWidths.size(); ++u) {
        const QString number = QString::number(u);
        const QPointF at(left + (RailWidth - fonts.numberWidths[u - 1]) / 2,
                         top + height - (u - 0.5) * UnitHeight + fonts.smallCentre);
        painter.drawText(at, number);
    }

    // The units, then the free space below them.
    const double bay = left + RailWidth;
    QList<UnitBox> units;
    for (const PlacedUnit &placed : layout.placed) {
        if (placed.rack == index)
            units.append(
                {QRectF(bay, top + placed.top * UnitHeight, BayWidth, placed.unit.height * UnitHeight),
                 &placed.unit.designation});
    }
    paintUnits(painter, fonts, units, labels, shortened);
    const double free = rack.height - rack.used;
    if (free > 0) {
        const QRectF space(bay, top + rack.used * UnitHeight, BayWidth, free * UnitHeight);
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(space);
        painter.setFont(plain);
        painter.setPen(Qt::darkGray);
        painter.drawText(space, Qt::AlignCenter, QStringLiteral("свободно %1 U").arg(reasons::number(free)));
    }

    // Below: what it holds, draws and gives off.
    painter.setPen(Qt::black);
    painter.setFont(plain);
    const QStringList footer = {
        QStringLiteral("Занято %1 из %2 U").arg(reasons::number(rack.used), reasons::number(rack.height)),
        QStringLiteral("Потребление %1 Вт").arg(reasons::number(rack.powerDraw)),
        QStringLiteral("Тепло %1 Вт, %2 BTU/ч")
            .arg(reasons::number(rack.powerDraw))
            .arg(heatBtuPerHour(rack.powerDraw))};
    painter.drawText(QRectF(left, top + height + 6, rackWidth(), FooterHeight), Qt::AlignLeft | Qt::AlignTop,
                     footer.join(u'\n'));
}

} // namespace

Picture rackPicture(const RackLayout &layout)
{
    const double racksWidth = layout.racks.size() * (rackWidth() + RackGap);
    const double unplacedWidth = layout.unplaced.isEmpty() ? 0 : BayWidth + RackGap;
    const double top = topOfRacks(layout);
    const double outsideHeight = (layout.outside.size() + 1) * (TextSize + 6);
    const double height =
        std::max(top + tallestRack(layout) * UnitHeight + FooterHeight, top + outsideHeight) + Margin;
    const QSizeF size(Margin * 2 + racksWidth + unplacedWidth + (layout.outside.isEmpty() ? 0 : SideWidth),
                      height);

    const auto paint = [layout, top, labels = measureLabels(layout)](QPainter &painter,
                                                                     QList<ShortenedText> *shortened) {
        const RackFonts fonts(int(tallestRack(layout)));
        painter.setFont(fonts.title);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(Margin, Margin + TextSize + 4), QStringLiteral("Вид шкафа"));
        double y = Margin + 24;
        painter.setPen(Warning);
        painter.setFont(fonts.bold);
        for (const QString &warning : warningsOf(layout)) {
            y += TextSize + 6;
            painter.drawText(QPointF(Margin, y), warning);
        }

        double left = Margin;
        for (int i = 0; i < layout.racks.size(); ++i) {
            paintRack(painter, fonts, layout, labels, i, left, top, shortened);
            left += rackWidth() + RackGap;
        }
        // Units that found no place, drawn beside the racks to their height.
        if (!layout.unplaced.isEmpty()) {
            double unitTop = top;
            QList<UnitBox> units;
            for (const RackUnit &unit : layout.unplaced) {
                units.append({QRectF(left, unitTop, BayWidth, unit.height * UnitHeight), &unit.designation});
                unitTop += unit.height * UnitHeight + 6;
            }
            paintUnits(painter, fonts, units, labels, shortened);
            painter.setPen(QPen(Warning, 2));
            painter.setBrush(Qt::NoBrush);
            for (const UnitBox &unit : units)
                painter.drawRect(unit.box);
            left += BayWidth + RackGap;
        }
        if (!layout.outside.isEmpty()) {
            painter.setPen(Qt::black);
            painter.setFont(fonts.bold);
            double line = top + TextSize;
            painter.drawText(QPointF(left, line), QStringLiteral("Вне шкафа"));
            const QFont &plain = fonts.plain;
            painter.setFont(plain);
            const QFontMetricsF metrics(plain);
            for (const OutsideUnit &unit : layout.outside) {
                line += TextSize + 6;
                const QString count = QStringLiteral("× %1").arg(unit.quantity);
                const double countWidth = metrics.horizontalAdvance(count + u' ');
                const QString name =
                    fitted(unit.designation, plain, SideWidth - Margin - countWidth, shortened);
                painter.drawText(QPointF(left, line), name);
                painter.drawText(QPointF(left + metrics.horizontalAdvance(name + u' '), line), count);
            }
        }
    };
    return {QStringLiteral("Вид шкафа"), size, paint};
}

} // namespace orvika
