#include "pictures/rack_picture.h"

#include "documents/document_content.h"
#include "files/number_text.h"
#include "pictures/picture_scene.h"

#include <QFontMetricsF>
#include <QHash>
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
                         .arg(unit.designation, russianNumber(unit.height)));
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
        label.nameAt = label.model.isEmpty() ? 0 : boldMetrics.horizontalAdvance(label.model + u' ');
        QList<ShortenedText> cut;
        label.name = fitted(unitName(designation), plain, BayWidth - 12 - label.nameAt, &cut);
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
    int title;
    int bold;
    int plain;
    int small;
    double boldCentre;
    double smallCentre;
    QList<double> numberWidths; // of "1", "2", ... on the rails

    RackFonts(PictureScene &scene, int highestNumber)
        : title(scene.addFont(pictureFont(TextSize + 4, true))),
          bold(scene.addFont(pictureFont(TextSize, true))), plain(scene.addFont(pictureFont(TextSize))),
          small(scene.addFont(pictureFont(TextSize - 3))), boldCentre(centring(scene.fonts.at(bold))),
          smallCentre(centring(scene.fonts.at(small)))
    {
        const QFontMetricsF metrics(scene.fonts.at(small));
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
// in an SVG).
struct UnitBox
{
    QRectF box;
    const QString *designation;
};

void addUnits(PictureScene &scene, const RackFonts &fonts, const QList<UnitBox> &units,
              const UnitLabels &labels)
{
    const QPen outline(Qt::black, 1);
    for (const UnitBox &unit : units)
        scene.addRect(unit.box, outline, UnitFill, SceneLayer::Units);
    for (const UnitBox &unit : units) {
        const UnitLabel &label = labels[*unit.designation];
        if (label.model.isEmpty())
            continue;
        scene.addTextAt(label.model, label.model, fonts.bold,
                        QPointF(unit.box.left() + 6, unit.box.center().y() + fonts.boldCentre), label.nameAt,
                        Qt::black, true);
    }
    for (const UnitBox &unit : units) {
        const UnitLabel &label = labels[*unit.designation];
        scene.addTextAt(label.name, label.cut ? *unit.designation : label.name, fonts.plain,
                        QPointF(unit.box.left() + 6 + label.nameAt, unit.box.center().y() + fonts.boldCentre),
                        BayWidth - 12 - label.nameAt, Qt::black, true);
    }
    for (const UnitBox &unit : units)
        scene.addLabel(unit.box.adjusted(6, 0, -6, 0), unit.designation->trimmed(), fonts.plain,
                       Qt::AlignLeft | Qt::AlignVCenter);
}

void addRack(PictureScene &scene, const RackFonts &fonts, const RackLayout &layout, const UnitLabels &labels,
             int index, double left, double top)
{
    const Rack &rack = layout.racks.at(index);
    const double height = rack.height * UnitHeight;

    // The designation above, "не выбран" when the calculation chose no cabinet.
    const QString title = rack.designation.isEmpty()
                              ? QStringLiteral("Шкаф %1 U").arg(russianNumber(rack.height))
                              : rack.designation;
    const QString suffix = rack.chosen ? QString() : QStringLiteral(" (не выбран)");
    const QRectF titleBox(left, top - HeaderHeight, rackWidth(), HeaderHeight - 4);
    scene.addText(scene.fitted(title, fonts.bold, rackWidth() * 2 - 8) + suffix, title + suffix, fonts.bold,
                  titleBox, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap);

    // The rails with the U numbers, counted from the bottom.
    scene.addRect(QRectF(left, top, RailWidth, height), Qt::NoPen, Rail, SceneLayer::Racks);
    scene.addRect(QRectF(left + RailWidth + BayWidth, top, RailWidth, height), Qt::NoPen, Rail,
                  SceneLayer::Racks);
    for (int u = 1; u <= int(rack.height) && u <= fonts.numberWidths.size(); ++u) {
        const QString number = QString::number(u);
        const double width = fonts.numberWidths[u - 1];
        const QPointF at(left + (RailWidth - width) / 2,
                         top + height - (u - 0.5) * UnitHeight + fonts.smallCentre);
        scene.addTextAt(number, number, fonts.small, at, width, Qt::white);
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
    addUnits(scene, fonts, units, labels);
    const double free = rack.height - rack.used;
    if (free > 0) {
        const QRectF space(bay, top + rack.used * UnitHeight, BayWidth, free * UnitHeight);
        scene.addRect(space, QPen(Qt::gray, 1, Qt::DashLine), Qt::NoBrush, SceneLayer::Racks);
        const QString text = QStringLiteral("свободно %1 U").arg(russianNumber(free));
        scene.addText(text, text, fonts.plain, space, Qt::AlignCenter, Qt::darkGray);
    }

    // Below: what it holds, draws and gives off.
    const QString footer =
        QStringList{
            QStringLiteral("Занято %1 из %2 U").arg(russianNumber(rack.used), russianNumber(rack.height)),
            QStringLiteral("Потребление %1 Вт").arg(russianNumber(rack.powerDraw)),
            QStringLiteral("Тепло %1 Вт, %2 BTU/ч")
                .arg(russianNumber(rack.powerDraw))
                .arg(heatBtuPerHour(rack.powerDraw))}
            .join(u'\n');
    scene.addText(footer, footer, fonts.plain, QRectF(left, top + height + 6, rackWidth(), FooterHeight),
                  Qt::AlignLeft | Qt::AlignTop);
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

    PictureScene scene;
    const RackFonts fonts(scene, int(tallestRack(layout)));
    const UnitLabels labels = measureLabels(layout);
    const QString heading = QStringLiteral("Вид шкафа");
    scene.addTextAt(heading, heading, fonts.title, QPointF(Margin, Margin + TextSize + 4), size.width());
    double y = Margin + 24;
    for (const QString &warning : warningsOf(layout)) {
        y += TextSize + 6;
        scene.addTextAt(warning, warning, fonts.bold, QPointF(Margin, y), size.width() - Margin, Warning);
    }

    double left = Margin;
    for (int i = 0; i < layout.racks.size(); ++i) {
        addRack(scene, fonts, layout, labels, i, left, top);
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
        addUnits(scene, fonts, units, labels);
        for (const UnitBox &unit : units)
            scene.addRect(unit.box, QPen(Warning, 2), Qt::NoBrush, SceneLayer::Units);
        left += BayWidth + RackGap;
    }
    if (!layout.outside.isEmpty()) {
        double line = top + TextSize;
        const QString heading = QStringLiteral("Вне шкафа");
        scene.addTextAt(heading, heading, fonts.bold, QPointF(left, line), SideWidth);
        const QFontMetricsF metrics(scene.fonts.at(fonts.plain));
        for (const OutsideUnit &unit : layout.outside) {
            line += TextSize + 6;
            const QString count = QStringLiteral("× %1").arg(unit.quantity);
            const double countWidth = metrics.horizontalAdvance(count + u' ');
            const double nameWidth = SideWidth - Margin - countWidth;
            const QString name = scene.fitted(unit.designation, fonts.plain, nameWidth);
            scene.addTextAt(name, unit.designation, fonts.plain, QPointF(left, line), nameWidth);
            scene.addTextAt(count, count, fonts.plain,
                            QPointF(left + metrics.horizontalAdvance(name + u' '), line), countWidth);
        }
    }
    return scenePicture(QStringLiteral("Вид шкафа"), size, std::move(scene));
}

} // namespace orvika
