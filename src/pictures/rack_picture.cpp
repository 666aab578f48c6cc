#include "pictures/rack_picture.h"

#include "calc/reasons.h"
#include "documents/document_content.h"

#include <QPainter>
#include <algorithm>

namespace orvika {
namespace {

constexpr double Margin = 20;
constexpr double UnitHeight = 20;  // one rack unit
constexpr double RailWidth = 26;   // with the U numbers
constexpr double BayWidth = 250;   // between the rails
constexpr double RackGap = 36;
constexpr double HeaderHeight = 44; // the cabinet's designation, two lines
constexpr double FooterHeight = 60; // used, consumption, heat
constexpr double TextSize = 12;
constexpr double SideWidth = 330;   // the list of units outside the cabinets

const QColor Rail(0x55, 0x55, 0x55);
const QColor UnitFill(0xe8, 0xee, 0xf6);
const QColor Warning(0xb0, 0x00, 0x00);

double rackWidth()
{
    return 2 * RailWidth + BayWidth;
}

QString figure(double value)
{
    return reasons::number(value);
}

QStringList warningsOf(const RackLayout &layout)
{
    QStringList lines;
    for (const RackUnit &unit : layout.unplaced)
        lines.append(QStringLiteral("Не помещается в шкаф: %1 (%2 U)").arg(unit.designation, figure(unit.height)));
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

// A unit's box: its model in bold, then its name, shortened to the box.
void paintUnit(QPainter &painter, const QRectF &box, const QString &designation, QList<ShortenedText> *shortened)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(UnitFill);
    painter.drawRect(box);
    const QString model = modelOf(designation);
    const QString name = designation.mid(model.size()).trimmed();
    const QFont bold = pictureFont(TextSize, true);
    const QFont plain = pictureFont(TextSize);
    const QRectF text = box.adjusted(6, 0, -6, 0);
    painter.setFont(bold);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, model);
    const double modelWidth = QFontMetricsF(bold).horizontalAdvance(model + u' ');
    painter.setFont(plain);
    painter.drawText(text.adjusted(modelWidth, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     fitted(name, plain, text.width() - modelWidth, shortened));
}

void paintRack(QPainter &painter, const RackLayout &layout, int index, double left, double top,
               QList<ShortenedText> *shortened)
{
    const Rack &rack = layout.racks.at(index);
    const double height = rack.height * UnitHeight;
    const QFont plain = pictureFont(TextSize);
    const QFont bold = pictureFont(TextSize, true);

    // The designation above, "не выбран" when the calculation chose no cabinet.
    painter.setPen(Qt::black);
    painter.setFont(bold);
    const QString title = rack.designation.isEmpty() ? QStringLiteral("Шкаф %1 U").arg(figure(rack.height))
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
    painter.setFont(pictureFont(TextSize - 3));
    for (int u = 1; u <= int(rack.height); ++u) {
        const QRectF mark(left, top + height - u * UnitHeight, RailWidth, UnitHeight);
        painter.drawText(mark, Qt::AlignCenter, QString::number(u));
        painter.drawText(mark.translated(RailWidth + BayWidth, 0), Qt::AlignCenter, QString::number(u));
    }

    // The units, then the free space below them.
    const double bay = left + RailWidth;
    for (const PlacedUnit &placed : layout.placed) {
        if (placed.rack != index)
            continue;
        const QRectF box(bay, top + placed.top * UnitHeight, BayWidth, placed.unit.height * UnitHeight);
        paintUnit(painter, box, placed.unit.designation, shortened);
    }
    const double free = rack.height - rack.used;
    if (free > 0) {
        const QRectF space(bay, top + rack.used * UnitHeight, BayWidth, free * UnitHeight);
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(space);
        painter.setFont(plain);
        painter.setPen(Qt::darkGray);
        painter.drawText(space, Qt::AlignCenter, QStringLiteral("свободно %1 U").arg(figure(free)));
    }

    // Below: what it holds, draws and gives off.
    painter.setPen(Qt::black);
    painter.setFont(plain);
    const QStringList footer = {
        QStringLiteral("Занято %1 из %2 U").arg(figure(rack.used), figure(rack.height)),
        QStringLiteral("Потребление %1 Вт").arg(figure(rack.powerDraw)),
        QStringLiteral("Тепло %1 Вт, %2 BTU/ч").arg(figure(rack.powerDraw)).arg(heatBtuPerHour(rack.powerDraw))};
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
    const double height = std::max(top + tallestRack(layout) * UnitHeight + FooterHeight, top + outsideHeight) + Margin;
    const QSizeF size(Margin * 2 + racksWidth + unplacedWidth + (layout.outside.isEmpty() ? 0 : SideWidth), height);

    const auto paint = [layout, top](QPainter &painter, QList<ShortenedText> *shortened) {
        painter.setFont(pictureFont(TextSize + 4, true));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(Margin, Margin + TextSize + 4), QStringLiteral("Вид шкафа"));
        double y = Margin + 24;
        painter.setPen(Warning);
        painter.setFont(pictureFont(TextSize, true));
        for (const QString &warning : warningsOf(layout)) {
            y += TextSize + 6;
            painter.drawText(QPointF(Margin, y), warning);
        }

        double left = Margin;
        for (int i = 0; i < layout.racks.size(); ++i) {
            paintRack(painter, layout, i, left, top, shortened);
            left += rackWidth() + RackGap;
        }
        // Units that found no place, drawn beside the racks to their height.
        if (!layout.unplaced.isEmpty()) {
            double unitTop = top;
            for (const RackUnit &unit : layout.unplaced) {
                const QRectF box(left, unitTop, BayWidth, unit.height * UnitHeight);
                paintUnit(painter, box, unit.designation, shortened);
                painter.setPen(QPen(Warning, 2));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
                unitTop += unit.height * UnitHeight + 6;
            }
            left += BayWidth + RackGap;
        }
        if (!layout.outside.isEmpty()) {
            painter.setPen(Qt::black);
            painter.setFont(pictureFont(TextSize, true));
            double line = top + TextSize;
            painter.drawText(QPointF(left, line), QStringLiteral("Вне шкафа"));
            const QFont plain = pictureFont(TextSize);
            painter.setFont(plain);
            for (const OutsideUnit &unit : layout.outside) {
                line += TextSize + 6;
                const QString count = QStringLiteral(" × %1").arg(unit.quantity);
                const double countWidth = QFontMetricsF(plain).horizontalAdvance(count);
                painter.drawText(QPointF(left, line),
                                 fitted(unit.designation, plain, SideWidth - Margin - countWidth, shortened) + count);
            }
        }
    };
    return {QStringLiteral("Вид шкафа"), size, paint};
}

} // namespace orvika
