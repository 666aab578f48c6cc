#include "pictures/block_diagram.h"

#include "calc/compute_total_power.h"
#include "calc/reasons.h"
#include "catalogue/catalogue_line.h"
#include "catalogue/software_entry.h"
#include "pictures/picture_scene.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace orvika {
namespace {

constexpr double Margin = 20;
constexpr double CaptionHeight = 56; // the caption and the legend
constexpr double HeadingHeight = 24; // above a column
constexpr double BoxHeight = 52;     // the model, then the name in two lines
constexpr double RowGap = 14;
constexpr double Pitch = BoxHeight + RowGap;
constexpr double UnitWidth = 210;
constexpr double ZoneWidth = 150;
constexpr double ColumnGap = 72;    // the signal runs down its middle
constexpr double ControlInset = 14; // a control lane, this far right of the column it serves
constexpr double ChannelTop = 20;   // below the columns, where the control links run across
constexpr double ChannelStep = 12;
constexpr double ControlRowGap = 20;
constexpr double ControlGap = 24; // between the boxes of the row beneath
constexpr double TextSize = 12;
constexpr double NameSize = 11;
constexpr double Padding = 6;
constexpr double ArrowLength = 8;
constexpr double ArrowHalfWidth = 4;
constexpr double JoinRadius = 2.5;

const QColor UnitFill(0xe8, 0xee, 0xf6);
const QColor ZoneFill(0xee, 0xf4, 0xe4);
const QColor CabinetFill(0xf6, 0xf6, 0xf6);
const QColor ControlInk(0x2a, 0x4d, 0x8f);

constexpr std::array BodyColumns = {DiagramColumn::Sources,       DiagramColumn::Interfaces,
                                    DiagramColumn::Preamplifiers, DiagramColumn::Selectors,
                                    DiagramColumn::Amplifiers,    DiagramColumn::Redundancy,
                                    DiagramColumn::Zones};

// A figure for each column, the row beneath included.
using PerColumn = std::array<int, BodyColumns.size() + 1>;

int indexOf(DiagramColumn column)
{
    return int(column);
}

DiagramColumn columnOf(LineRole role)
{
    switch (role) {
    case LineRole::Source:
        return DiagramColumn::Sources;
    case LineRole::ConsoleAdapter:
    case LineRole::SourceInterface:
        return DiagramColumn::Interfaces;
    case LineRole::Preamplifier:
        return DiagramColumn::Preamplifiers;
    case LineRole::Selector:
        return DiagramColumn::Selectors;
    case LineRole::Amplifier:
    case LineRole::ReserveAmplifier:
        return DiagramColumn::Amplifiers;
    case LineRole::RedundancyUnit:
        return DiagramColumn::Redundancy;
    default:
        return DiagramColumn::Controls;
    }
}

// A console is recognised by its picker list or by the RM code of its catalogue line.
bool isConsole(const Catalogue &catalogue, const QString &designation)
{
    if (isSoftwareEntry(designation))
        return false;
    if (catalogue.consoles.contains(designation))
        return true;
    for (const QString &line : catalogue.lines) {
        const std::optional<QStringView> name = catalogue_line::textBefore(line, u'#');
        if (name && *name == designation)
            return (catalogue_line::codesIn(line) & catalogue_line::RM) != 0;
    }
    return false;
}

// Which interface each source goes through: consoles through the unit that connects them, a player
// through the interface the calculation added right after it.
QHash<int, int> interfacesOfSources(const Catalogue &catalogue, const Proposal &proposal)
{
    QHash<int, int> served;
    const QList<ProposedItem> &items = proposal.items;
    int adapter = -1;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].role == LineRole::ConsoleAdapter && adapter < 0)
            adapter = i;
        if (items[i].role == LineRole::SourceInterface && i > 0 && items[i - 1].role == LineRole::Source)
            served.insert(i - 1, i);
    }
    if (adapter >= 0) {
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].role == LineRole::Source && !served.contains(i) &&
                isConsole(catalogue, items[i].designation))
                served.insert(i, adapter);
        }
    }
    return served;
}

DiagramBox unitBox(const ProposedItem &item, int line, DiagramColumn column, int row)
{
    DiagramBox box;
    box.column = column;
    box.row = row;
    box.line = line;
    box.role = item.role;
    box.designation = item.designation;
    box.model = modelOf(item.designation); // none for a unit without a code: its name is all
    box.detail = unitName(item.designation);
    box.quantity = item.quantity;
    return box;
}

DiagramBox zoneBox(const QString &heading, const QString &detail, int first, int last, double power)
{
    DiagramBox box;
    box.column = DiagramColumn::Zones;
    box.designation = heading;
    box.model = heading;
    box.detail = detail;
    box.firstZone = first;
    box.lastZone = last;
    box.power = power;
    return box;
}

QString watts(double power)
{
    return russianNumber(power) + QStringLiteral(" Вт");
}

QString zonesHeading(int first, int last)
{
    if (first == last)
        return QStringLiteral("Зона %1").arg(first);
    return QStringLiteral("Зоны %1–%2").arg(first).arg(last);
}

// Each zone with its power while they fit a column, else groups of consecutive zones with their sum;
// the zones of a stated total as one box with the load; a single zone as the load alone.
QList<DiagramBox> zoneBoxes(const Requirements &requirements, const Proposal &proposal,
                            const QMap<int, QString> &zoneNames)
{
    QList<DiagramBox> boxes;
    const QStringList &lines = requirements.zoneLines;
    if (requirements.powerMode == PowerMode::PerZone && !lines.isEmpty()) {
        const int count = int(lines.size());
        const int group = (count + DiagramZoneLimit - 1) / DiagramZoneLimit;
        for (int first = 1; first <= count; first += group) {
            const int last = std::min(count, first + group - 1);
            double power = 0;
            for (int zone = first; zone <= last; ++zone)
                power += zoneLinePower(lines[zone - 1]);
            // A zone alone keeps the name it was listed under.
            const QString listed = lines[first - 1].section(QStringLiteral(" - "), 0, 0).trimmed();
            const QString heading = group == 1 && !listed.isEmpty() ? listed : zonesHeading(first, last);
            const QString name = group == 1 ? zoneNames.value(first).trimmed() : QString();
            if (!name.isEmpty())
                boxes.append(
                    zoneBox(name, heading + QStringLiteral(", ") + watts(power), first, last, power));
            else
                boxes.append(zoneBox(heading, watts(power), first, last, power));
        }
    } else if (requirements.multiZone && requirements.zoneCount > 1) {
        boxes.append(zoneBox(zonesHeading(1, requirements.zoneCount),
                             QStringLiteral("Нагрузка ") + watts(proposal.totalPower), 1,
                             requirements.zoneCount, proposal.totalPower));
    } else {
        boxes.append(
            zoneBox(QStringLiteral("Нагрузка"), watts(proposal.totalPower), 0, 0, proposal.totalPower));
    }
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i].row = i;
    return boxes;
}

// The units of the proposal in their columns and rows. The sources and their interfaces share rows:
// a source that goes straight on passes the interfaces' column along a row of its own.
QList<DiagramBox> unitBoxes(const Proposal &proposal, const QHash<int, int> &served)
{
    const QList<ProposedItem> &items = proposal.items;
    QList<DiagramBox> boxes;

    int sourceRow = 0;
    for (int i = 0; i < items.size(); ++i) {
        const DiagramColumn column = columnOf(items[i].role);
        if (column == DiagramColumn::Sources && !served.contains(i)) {
            boxes.append(unitBox(items[i], i, column, sourceRow++));
        } else if (column == DiagramColumn::Interfaces) {
            boxes.append(unitBox(items[i], i, column, sourceRow));
            int row = sourceRow;
            for (int s = 0; s < items.size(); ++s) {
                if (served.value(s, -1) == i)
                    boxes.append(unitBox(items[s], s, DiagramColumn::Sources, row++));
            }
            sourceRow = std::max(row, sourceRow + 1);
        }
    }

    // The other columns in the proposal's order, the main amplifiers above the reserve; the row beneath
    // grouped by what the units do.
    QList<int> rest;
    for (int i = 0; i < items.size(); ++i) {
        const DiagramColumn column = columnOf(items[i].role);
        if (column != DiagramColumn::Sources && column != DiagramColumn::Interfaces)
            rest.append(i);
    }
    const auto order = [&items](int i) {
        const LineRole role = items[i].role;
        const DiagramColumn column = columnOf(role);
        return std::tuple(indexOf(column), role == LineRole::ReserveAmplifier,
                          column == DiagramColumn::Controls ? int(role) : 0);
    };
    std::stable_sort(rest.begin(), rest.end(), [&order](int a, int b) { return order(a) < order(b); });
    PerColumn rows{};
    for (int i : rest) {
        const DiagramColumn column = columnOf(items[i].role);
        boxes.append(unitBox(items[i], i, column, rows[indexOf(column)]++));
    }
    return boxes;
}

// The polyline without repeated points.
QList<QPointF> simplified(const QList<QPointF> &points)
{
    QList<QPointF> path;
    for (const QPointF &point : points) {
        if (path.isEmpty() || path.last() != point)
            path.append(point);
    }
    return path;
}

// Out of the right side, down the middle of the gap before the target, into its left side.
QList<QPointF> signalPath(const QRectF &from, const QRectF &to)
{
    const double lane = to.left() - ColumnGap / 2;
    const double fromY = from.center().y();
    const double toY = to.center().y();
    return simplified({{from.right(), fromY}, {lane, fromY}, {lane, toY}, {to.left(), toY}});
}

// Up from the row beneath to its channel below the columns, across to a lane just right of the
// target's column, up that lane and into the target's right side, below where the signal leaves.
QList<QPointF> controlPath(const QRectF &from, const QRectF &to, double channel)
{
    const double lane = to.right() + ControlInset;
    const double toY = to.center().y() + BoxHeight / 4;
    const double fromX = from.center().x();
    return simplified(
        {{fromX, from.top()}, {fromX, channel}, {lane, channel}, {lane, toY}, {to.right(), toY}});
}

// The column the signal goes on to: the next one that holds a box. A source goes past the interfaces.
int nextColumn(DiagramColumn column, const PerColumn &counts)
{
    int next = indexOf(column) + 1;
    if (column == DiagramColumn::Sources)
        ++next;
    while (next < int(BodyColumns.size()) && counts[next] == 0)
        ++next;
    return next < int(BodyColumns.size()) ? next : -1;
}

// What a unit of the row beneath serves: line control and attenuators the selectors (the zones
// without them), the amplifier switch and the power units the amplifiers; the cabinets nothing.
DiagramColumn servedColumn(LineRole role, bool hasSelectors)
{
    switch (role) {
    case LineRole::ManualLineControl:
    case LineRole::AutomaticLineControl:
    case LineRole::AttenuatorControl:
        return hasSelectors ? DiagramColumn::Selectors : DiagramColumn::Zones;
    case LineRole::AmplifierSwitch:
    case LineRole::PowerOn:
    case LineRole::PowerDistribution:
    case LineRole::PowerReserve:
        return DiagramColumn::Amplifiers;
    default:
        return DiagramColumn::Controls;
    }
}

QString headingOf(DiagramColumn column, const Requirements &requirements, int zoneBoxCount)
{
    switch (column) {
    case DiagramColumn::Sources:
        return QStringLiteral("Источники");
    case DiagramColumn::Interfaces:
        return QStringLiteral("Подключение");
    case DiagramColumn::Preamplifiers:
        return QStringLiteral("Предусилители");
    case DiagramColumn::Selectors:
        return QStringLiteral("Селекторы зон");
    case DiagramColumn::Amplifiers:
        return requirements.multiChannel && requirements.channelCount > 1
                   ? QStringLiteral("Усилители, ") + reasons::channels(requirements.channelCount)
                   : QStringLiteral("Усилители");
    case DiagramColumn::Redundancy:
        return QStringLiteral("Резервирование");
    default:
        return zoneBoxCount > 1 || requirements.multiZone ? QStringLiteral("Зоны")
                                                          : QStringLiteral("Громкоговорители");
    }
}

QString captionOf(const Proposal &proposal)
{
    QString scheme = proposal.schemeChoice.trimmed();
    if (scheme.endsWith(u'.'))
        scheme.chop(1);
    const QString caption = QStringLiteral("Примерная блок-схема");
    return scheme.isEmpty() ? caption : caption + QStringLiteral(": ") + scheme;
}

// The signal: every box on to every box of the next column, a source with an interface to it alone.
void addSignalLinks(BlockDiagram &diagram, const QHash<int, int> &served, const PerColumn &counts)
{
    QHash<int, int> boxOfLine;
    for (int b = 0; b < diagram.boxes.size(); ++b) {
        if (!diagram.boxes[b].isZones())
            boxOfLine.insert(diagram.boxes[b].line, b);
    }
    for (int b = 0; b < diagram.boxes.size(); ++b) {
        const DiagramBox &from = diagram.boxes[b];
        if (from.column == DiagramColumn::Controls)
            continue;
        if (from.column == DiagramColumn::Sources && served.contains(from.line)) {
            const int to = boxOfLine.value(served.value(from.line));
            diagram.links.append({b, to, signalPath(from.rect, diagram.boxes[to].rect), false});
            continue;
        }
        const int next = nextColumn(from.column, counts);
        for (int to = 0; next >= 0 && to < diagram.boxes.size(); ++to) {
            if (indexOf(diagram.boxes[to].column) == next)
                diagram.links.append({b, to, signalPath(from.rect, diagram.boxes[to].rect), false});
        }
    }
}

// The row beneath the columns, with a channel above it for each column it serves.
void placeControlRow(BlockDiagram &diagram, const PerColumn &counts, double bodyBottom)
{
    const bool hasSelectors = counts[indexOf(DiagramColumn::Selectors)] > 0;
    QList<DiagramColumn> channels;
    for (const DiagramBox &box : diagram.boxes) {
        const DiagramColumn target = servedColumn(box.role, hasSelectors);
        if (box.column == DiagramColumn::Controls && target != DiagramColumn::Controls &&
            counts[indexOf(target)] > 0 && !channels.contains(target))
            channels.append(target);
    }
    const double top = bodyBottom + ChannelTop + channels.size() * ChannelStep + ControlRowGap;
    for (int b = 0; b < diagram.boxes.size(); ++b) {
        DiagramBox &box = diagram.boxes[b];
        if (box.column != DiagramColumn::Controls)
            continue;
        box.rect = QRectF(Margin + box.row * (UnitWidth + ControlGap), top, UnitWidth, BoxHeight);
        const DiagramColumn target = servedColumn(box.role, hasSelectors);
        const double channel = bodyBottom + ChannelTop + channels.indexOf(target) * ChannelStep;
        for (int to = 0; target != DiagramColumn::Controls && to < diagram.boxes.size(); ++to) {
            if (diagram.boxes[to].column == target)
                diagram.links.append({b, to, controlPath(box.rect, diagram.boxes[to].rect, channel), true});
        }
    }
}

// Large enough for every box, every lane and the caption.
QSizeF sizeOf(const BlockDiagram &diagram)
{
    double right = Margin + QFontMetricsF(pictureFont(TextSize + 4, true)).horizontalAdvance(diagram.caption);
    double bottom = 0;
    for (const DiagramBox &box : diagram.boxes) {
        right = std::max(right, box.rect.right());
        bottom = std::max(bottom, box.rect.bottom());
    }
    for (const DiagramLink &link : diagram.links) {
        for (const QPointF &point : link.path)
            right = std::max(right, point.x());
    }
    return QSizeF(std::ceil(right + Margin), std::ceil(bottom + Margin));
}

} // namespace

BlockDiagram layoutBlockDiagram(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal, const QMap<int, QString> &zoneNames)
{
    BlockDiagram diagram;
    diagram.caption = captionOf(proposal);
    const QHash<int, int> served = interfacesOfSources(catalogue, proposal);
    diagram.boxes = unitBoxes(proposal, served);
    const QList<DiagramBox> zones = zoneBoxes(requirements, proposal, zoneNames);
    diagram.boxes.append(zones);

    // Rows per column; the sources and their interfaces count together.
    PerColumn counts{};
    PerColumn rows{};
    for (const DiagramBox &box : diagram.boxes) {
        ++counts[indexOf(box.column)];
        rows[indexOf(box.column)] = std::max(rows[indexOf(box.column)], box.row + 1);
    }
    const int sources = indexOf(DiagramColumn::Sources);
    const int interfaces = indexOf(DiagramColumn::Interfaces);
    rows[sources] = rows[interfaces] = std::max(rows[sources], rows[interfaces]);
    const int bodyRows = *std::max_element(rows.begin(), rows.begin() + BodyColumns.size());

    // The columns that hold a box, side by side, each centred on the tallest.
    const double bodyTop = Margin + CaptionHeight + HeadingHeight;
    std::array<double, BodyColumns.size()> lefts{};
    std::array<double, BodyColumns.size()> widths{};
    double left = Margin;
    for (DiagramColumn column : BodyColumns) {
        const int c = indexOf(column);
        if (counts[c] == 0)
            continue;
        lefts[c] = left;
        widths[c] = column == DiagramColumn::Zones ? ZoneWidth : UnitWidth;
        left += widths[c] + ColumnGap;
        diagram.headings.append({headingOf(column, requirements, int(zones.size())),
                                 QRectF(lefts[c], bodyTop - HeadingHeight, widths[c], HeadingHeight - 6)});
    }
    for (DiagramBox &box : diagram.boxes) {
        const int c = indexOf(box.column);
        if (box.column != DiagramColumn::Controls)
            box.rect = QRectF(lefts[c], bodyTop + (bodyRows - rows[c]) * Pitch / 2 + box.row * Pitch,
                              widths[c], BoxHeight);
    }

    addSignalLinks(diagram, served, counts);
    placeControlRow(diagram, counts, bodyTop + bodyRows * Pitch - RowGap);
    diagram.size = sizeOf(diagram);
    return diagram;
}

namespace {

// The fonts of the diagram, each added to the scene once.
struct DiagramFonts
{
    int caption;
    int bold;
    int plain;

    explicit DiagramFonts(PictureScene &scene)
        : caption(scene.addFont(pictureFont(TextSize + 4, true))),
          bold(scene.addFont(pictureFont(TextSize, true))), plain(scene.addFont(pictureFont(NameSize)))
    {
    }
};

void addArrow(PictureScene &scene, const QList<QPointF> &path, const QColor &ink, SceneLayer layer)
{
    if (path.size() < 2)
        return;
    const QPointF tip = path.last();
    const QPointF before = path[path.size() - 2];
    const double length = std::hypot(tip.x() - before.x(), tip.y() - before.y());
    if (length <= 0)
        return;
    const QPointF along = (tip - before) / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * ArrowLength;
    scene.addShape(SceneShape::Kind::Polygon,
                   QPolygonF({tip, base + across * ArrowHalfWidth, base - across * ArrowHalfWidth}),
                   Qt::NoPen, ink, layer);
}

void addLink(PictureScene &scene, const DiagramLink &link)
{
    const QColor ink = link.control ? ControlInk : QColor(Qt::black);
    const SceneLayer layer = link.control ? SceneLayer::Control : SceneLayer::Links;
    scene.addShape(SceneShape::Kind::Polyline, QPolygonF(link.path),
                   QPen(ink, 1.2, link.control ? Qt::DashLine : Qt::SolidLine), Qt::NoBrush, layer);
    addArrow(scene, link.path, ink, layer);
    // Where a control link joins its channel, so crossing channels are not taken for joins.
    if (link.control && link.path.size() > 2)
        scene.addDot(link.path[1], JoinRadius, ink, layer);
}

// The name in two lines: the words that fit on the first, the rest shortened on the second.
struct NameLines
{
    QStringList lines;
    bool shortened = false;
};

NameLines nameLines(const QString &name, const QFont &font, double width)
{
    const QFontMetricsF metrics(font);
    const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    QString first;
    qsizetype taken = 0;
    for (; taken < words.size(); ++taken) {
        const QString longer = first.isEmpty() ? words[taken] : first + u' ' + words[taken];
        if (metrics.horizontalAdvance(longer) > width)
            break;
        first = longer;
    }
    const QString rest = words.mid(taken).join(u' ');
    const QString second = fitted(rest, font, width, nullptr);
    if (first.isEmpty())
        return {{second}, second != rest};
    return rest.isEmpty() ? NameLines{{first}} : NameLines{{first, second}, second != rest};
}

// The box, its model (or zones) in bold with the quantity at the right, the rest of its designation
// beneath. A shortened line stands for the whole designation.
void addBox(PictureScene &scene, const DiagramFonts &fonts, const DiagramBox &box)
{
    const bool cabinet = box.role == LineRole::Cabinet && !box.isZones();
    scene.addRect(box.rect,
                  QPen(cabinet ? Qt::darkGray : Qt::black, 1, cabinet ? Qt::DashLine : Qt::SolidLine),
                  box.isZones() ? ZoneFill : (cabinet ? CabinetFill : UnitFill), SceneLayer::Units);

    const QRectF text = box.rect.adjusted(Padding, 4, -Padding, -4);
    const QRectF heading(text.left(), text.top(), text.width(), TextSize + 4);
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    double modelWidth = text.width();
    QString label = box.model; // a CAD drawing's one text for the box: the model, its count, the name
    if (!box.isZones()) {
        const QString count = QStringLiteral("× %1").arg(box.quantity);
        scene.addText(count, count, fonts.bold, heading, Qt::AlignRight | Qt::AlignVCenter, Qt::black, true);
        modelWidth -= QFontMetricsF(scene.fonts.at(fonts.bold)).horizontalAdvance(count) + Padding;
        const QString pieces = QStringLiteral("%1 шт.").arg(box.quantity); // as drawings count them
        label = label.isEmpty() ? pieces : label + QStringLiteral(", ") + pieces;
    }
    if (!box.model.isEmpty()) {
        const QString model = scene.fitted(box.model, fonts.bold, modelWidth);
        scene.addText(model, box.model, fonts.bold, heading, left, Qt::black, true);
    }

    NameLines name;
    if (box.isZones()) {
        const QString shown = scene.fitted(box.detail, fonts.plain, text.width());
        name = {{shown}, shown != box.detail};
    } else {
        name = nameLines(box.detail, scene.fonts.at(fonts.plain), text.width());
    }
    const QStringList &lines = name.lines;
    double top = heading.bottom() + 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Only the last line can have been shortened; a unit's stands for its whole designation.
        const bool cut = name.shortened && i + 1 == lines.size();
        const QString whole = box.isZones() ? box.detail : box.designation;
        scene.addText(lines[i], cut ? whole : lines[i], fonts.plain,
                      QRectF(text.left(), top, text.width(), NameSize + 3), left, Qt::black, true);
        top += NameSize + 3;
    }
    scene.addLabel(text, label + u'\n' + box.detail, fonts.plain, Qt::AlignLeft | Qt::AlignTop);
}

// What the two kinds of line mean, beneath the caption.
void addLegend(PictureScene &scene, const DiagramFonts &fonts, double top)
{
    const QFontMetricsF metrics(scene.fonts.at(fonts.plain));
    const std::array<std::pair<bool, QString>, 2> kinds = {
        std::pair{false, QStringLiteral("сигнал")},
        std::pair{true, QStringLiteral("контроль, коммутация, питание")}};
    double left = Margin;
    const double y = top + NameSize / 2;
    for (const auto &[control, text] : kinds) {
        addLink(scene, {0, 0, {QPointF(left, y), QPointF(left + 36, y)}, control});
        const double width = metrics.horizontalAdvance(text);
        scene.addTextAt(text, text, fonts.plain, QPointF(left + 44, y + NameSize / 2 - 1), width);
        left += 44 + width + 24;
    }
}

} // namespace

Picture blockDiagramPicture(const BlockDiagram &diagram)
{
    PictureScene scene;
    const DiagramFonts fonts(scene);
    scene.addTextAt(diagram.caption, diagram.caption, fonts.caption, QPointF(Margin, Margin + TextSize + 4),
                    diagram.size.width() - 2 * Margin);
    addLegend(scene, fonts, Margin + 30);
    for (const DiagramHeading &heading : diagram.headings)
        scene.addText(scene.fitted(heading.text, fonts.bold, heading.rect.width()), heading.text, fonts.bold,
                      heading.rect, Qt::AlignLeft | Qt::AlignBottom);
    // The links beneath the boxes, so an arrow ends at the edge it points to.
    for (const DiagramLink &link : diagram.links)
        addLink(scene, link);
    for (const DiagramBox &box : diagram.boxes)
        addBox(scene, fonts, box);
    return scenePicture(QStringLiteral("Блок-схема"), diagram.size, std::move(scene));
}

} // namespace orvika
