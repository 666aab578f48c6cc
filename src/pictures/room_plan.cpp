#include "pictures/room_plan.h"

#include "files/number_text.h"
#include "pictures/picture_scene.h"
#include "pictures/picture_text.h"
#include "sound_level/room_table.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>

namespace orvika {
namespace {

constexpr double Margin = 20;
// The room with its coverage is drawn as large as fits this box, whatever its size: a plan is read,
// not measured, and its scale bar gives the scale.
constexpr double DrawnWidth = 900;
constexpr double DrawnHeight = 600;
// Room round the walls for the dimension lines and their figures.
constexpr double LeftBand = 110;
constexpr double RightBand = 90;
constexpr double TopBand = 44;
constexpr double BottomBand = 44;
constexpr double DimensionOffset = 24; // from the wall to its dimension line
constexpr double Tick = 4;             // half a dimension line's slash
constexpr double TextSize = 12;
constexpr double CaptionSize = 16;
constexpr double HeaderHeight = 52; // the caption and the loudspeaker's line
constexpr double LegendStep = 22;
constexpr double LegendText = 40; // from the sample to its words
constexpr double SpeakerRadius = 5;
constexpr double CrossHalf = 6;
constexpr double ScaleBarLongest = 240;
constexpr double ScaleBarHeight = 6;

const QColor CoverageInk(0x1f, 0x5f, 0xbf);
const QColor CoverageFill(0x1f, 0x5f, 0xbf, 24);
const QColor WorstInk(0xb0, 0x00, 0x00);

QString metres(double value)
{
    return russianFixed(value, 2) + QStringLiteral(" м");
}

// Of the lengths 1, 2 and 5 times a power of ten, the longest whose bar fits.
double scaleBarMetres(double scale)
{
    constexpr std::array Steps = {0.1,  0.2,  0.5,   1.0,   2.0,   5.0,   10.0,
                                  20.0, 50.0, 100.0, 200.0, 500.0, 1000.0};
    double chosen = Steps.front();
    for (double step : Steps)
        if (step * scale <= ScaleBarLongest)
            chosen = step;
    return chosen;
}

class PlanBuilder
{
public:
    PlanBuilder(const Room &room, const RoomResult &result, const LoudspeakerData &loudspeaker)
        : m_room(room), m_result(result), m_layout(result.layout), m_loudspeaker(loudspeaker),
          m_caption(m_scene.addFont(pictureFont(CaptionSize, true))),
          m_bold(m_scene.addFont(pictureFont(TextSize, true))),
          m_plain(m_scene.addFont(pictureFont(TextSize)))
    {
        // The room with its coverage, which may reach past the walls, fits the box.
        const QRectF extent = coverageExtent();
        // A room without a size (never calculated) keeps its texts at least.
        if (extent.width() > 0 && extent.height() > 0)
            m_scale = std::min(DrawnWidth / extent.width(), DrawnHeight / extent.height());
        const QPointF extentAt(Margin + LeftBand, Margin + HeaderHeight + TopBand);
        m_drawn = QRectF(extentAt, extent.size() * m_scale);
        m_walls = QRectF(extentAt - extent.topLeft() * m_scale, QSizeF(room.length, room.width) * m_scale);
        m_width = std::max(m_drawn.right() + RightBand + Margin, 2 * Margin + LeftBand + DrawnWidth);
    }

    Picture build()
    {
        addHeader();
        addCoverage();
        m_scene.addRect(m_walls, QPen(Qt::black, 2.5), Qt::NoBrush, SceneLayer::Room);
        for (const RoomPoint &speaker : m_layout.loudspeakers)
            m_scene.addDot(at(speaker), SpeakerRadius, Qt::black, SceneLayer::Units);
        addPitches();
        addRoomSize();
        addWorstPoint();
        const double bottom = addLegend(m_drawn.bottom() + BottomBand);
        return scenePicture(roomPlanTitle(m_room), QSizeF(m_width, bottom + Margin), std::move(m_scene));
    }

private:
    QPointF at(double x, double y) const { return m_walls.topLeft() + QPointF(x, y) * m_scale; }
    QPointF at(const RoomPoint &point) const { return at(point.x, point.y); }

    double textWidth(const QString &text, int font) const
    {
        return QFontMetricsF(m_scene.fonts.at(font)).horizontalAdvance(text);
    }

    // A text in a box, shortened to the box when it is longer.
    void addText(const QString &text, int font, const QRectF &box, int flags,
                 const QColor &colour = Qt::black)
    {
        m_scene.addText(m_scene.fitted(text, font, box.width()), text, font, box, flags, colour);
    }

    void addLine(const QPointF &from, const QPointF &to, const QPen &pen, SceneLayer layer)
    {
        m_scene.addShape(SceneShape::Kind::Polyline, QPolygonF({from, to}), pen, Qt::NoBrush, layer);
    }

    void addHeader()
    {
        const QString caption =
            QStringLiteral("Зона %1, «%2»: %3 шт. × %4 Вт, %5")
                .arg(QString::number(m_room.zone), m_room.name, QString::number(m_result.count()),
                     russianNumber(m_result.tap), mountingText(m_room.mounting));
        const double width = m_width - 2 * Margin;
        addText(caption, m_caption, QRectF(Margin, Margin, width, 22), Qt::AlignLeft | Qt::AlignVCenter);
        const QString speaker =
            QStringLiteral("Громкоговоритель %1: %2 дБ (1 Вт, 1 м), %3°; помещение %4 × %5 × %6 м; "
                           "мощность %7 Вт")
                .arg(m_loudspeaker.name, russianNumber(m_loudspeaker.sensitivity),
                     russianNumber(m_loudspeaker.angle), russianNumber(m_room.length),
                     russianNumber(m_room.width), russianNumber(m_room.height),
                     russianNumber(m_result.power));
        addText(speaker, m_plain, QRectF(Margin, Margin + 26, width, 18), Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The room and every loudspeaker's coverage, m.
    QRectF coverageExtent() const
    {
        QRectF extent(0, 0, m_room.length, m_room.width);
        const double reach = m_layout.coverage;
        for (qsizetype i = 0; i < m_layout.loudspeakers.size() && reach > 0; ++i) {
            const RoomPoint &speaker = m_layout.loudspeakers[i];
            if (m_room.mounting == Mounting::Ceiling)
                extent |= QRectF(speaker.x - reach, speaker.y - reach, 2 * reach, 2 * reach);
            else
                extent |=
                    QRectF(QPointF(speaker.x - reach, speaker.y), QPointF(speaker.x + reach, farLine(i)))
                        .normalized();
        }
        return extent;
    }

    // Outlined and lightly filled: a CAD drawing has the circle alone.
    void addCoverageCircle(const QPointF &centre, double radius)
    {
        const QPointF corner(radius, radius);
        m_scene.items.emplace_back(SceneShape{SceneShape::Kind::Dot,
                                              QRectF(centre - corner, centre + corner),
                                              {},
                                              QPen(CoverageInk, 1),
                                              CoverageFill,
                                              SceneLayer::Coverage});
    }

    // The far line of a wall's loudspeakers: at the listening height, the throw away from their wall.
    double farLine(qsizetype speaker) const
    {
        return speaker < m_layout.columns ? m_layout.throwDistance : m_room.width - m_layout.throwDistance;
    }

    void addCoverage()
    {
        const QPen ink(CoverageInk, 1);
        if (m_room.mounting == Mounting::Ceiling) {
            const double radius = m_layout.coverage * m_scale;
            if (radius <= 0)
                return;
            for (const RoomPoint &speaker : m_layout.loudspeakers)
                addCoverageCircle(at(speaker), radius);
            return;
        }
        // Two walls share the far line in the middle of the room.
        addLine(at(0, m_layout.throwDistance), at(m_room.length, m_layout.throwDistance),
                QPen(CoverageInk, 1, Qt::DashLine), SceneLayer::Coverage);
        if (m_layout.farLineOutside)
            return;
        for (qsizetype i = 0; i < m_layout.loudspeakers.size(); ++i) {
            const RoomPoint &speaker = m_layout.loudspeakers[i];
            const double far = farLine(i);
            const QPolygonF sector({at(speaker.x, speaker.y), at(speaker.x + m_layout.coverage, far),
                                    at(speaker.x - m_layout.coverage, far)});
            m_scene.addShape(SceneShape::Kind::Polygon, sector, ink, Qt::NoBrush, SceneLayer::Coverage);
        }
    }

    // A dimension line with the slashes at its ends.
    void addDimension(const QPointF &from, const QPointF &to)
    {
        const QPen pen(Qt::black, 0.8);
        addLine(from, to, pen, SceneLayer::Dimensions);
        for (const QPointF &end : {from, to})
            addLine(end + QPointF(-Tick, Tick), end + QPointF(Tick, -Tick), pen, SceneLayer::Dimensions);
    }

    void addExtension(const QPointF &from, const QPointF &to)
    {
        addLine(from, to, QPen(Qt::black, 0.5), SceneLayer::Dimensions);
    }

    // Between the first loudspeaker and its neighbour along the length, above the room; across, for a
    // ceiling grid, on its left.
    void addPitches()
    {
        const QList<RoomPoint> &speakers = m_layout.loudspeakers;
        // Guarded, as a layout of fewer loudspeakers than its grid has nothing to measure.
        if (m_layout.columns > 1 && speakers.size() > 1) {
            const QPointF a = at(speakers[0]);
            const QPointF b = at(speakers[1]);
            const double y = m_drawn.top() - DimensionOffset;
            addExtension(a, QPointF(a.x(), y - Tick));
            addExtension(b, QPointF(b.x(), y - Tick));
            addDimension(QPointF(a.x(), y), QPointF(b.x(), y));
            const QString letter =
                m_room.mounting == Mounting::Ceiling ? QStringLiteral("a") : QStringLiteral("s");
            const QString text = QStringLiteral("%1 = %2").arg(letter, metres(speakers[1].x - speakers[0].x));
            const double width = std::max(b.x() - a.x(), textWidth(text, m_plain) + 8);
            addText(text, m_plain, QRectF((a.x() + b.x() - width) / 2, y - 20, width, 18),
                    Qt::AlignHCenter | Qt::AlignBottom);
        }
        if (m_room.mounting == Mounting::Ceiling && m_layout.rows > 1 && speakers.size() > m_layout.columns) {
            const QPointF a = at(speakers[0]);
            const QPointF b = at(speakers[m_layout.columns]);
            const double x = m_drawn.left() - DimensionOffset;
            addExtension(a, QPointF(x - Tick, a.y()));
            addExtension(b, QPointF(x - Tick, b.y()));
            addDimension(QPointF(x, a.y()), QPointF(x, b.y()));
            const QString text =
                QStringLiteral("b = %1").arg(metres(speakers[m_layout.columns].y - speakers[0].y));
            addText(text, m_plain, QRectF(Margin, (a.y() + b.y()) / 2 - 9, x - 6 - Margin, 18),
                    Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    // The room's length below it, its width on its right.
    void addRoomSize()
    {
        const double y = m_drawn.bottom() + DimensionOffset;
        addExtension(m_walls.bottomLeft() + QPointF(0, Tick), QPointF(m_walls.left(), y + Tick));
        addExtension(m_walls.bottomRight() + QPointF(0, Tick), QPointF(m_walls.right(), y + Tick));
        addDimension(QPointF(m_walls.left(), y), QPointF(m_walls.right(), y));
        const QString length = metres(m_room.length);
        const double lengthWidth = std::max(m_walls.width(), textWidth(length, m_plain) + 8);
        addText(length, m_plain, QRectF(m_walls.center().x() - lengthWidth / 2, y - 18, lengthWidth, 17),
                Qt::AlignHCenter | Qt::AlignBottom);

        const double x = m_drawn.right() + DimensionOffset;
        addExtension(m_walls.topRight() + QPointF(Tick, 0), QPointF(x + Tick, m_walls.top()));
        addExtension(m_walls.bottomRight() + QPointF(Tick, 0), QPointF(x + Tick, m_walls.bottom()));
        addDimension(QPointF(x, m_walls.top()), QPointF(x, m_walls.bottom()));
        addText(metres(m_room.width), m_plain,
                QRectF(x + 6, m_walls.center().y() - 9, m_width - Margin - x - 6, 18),
                Qt::AlignLeft | Qt::AlignVCenter);
    }

    void addCross(const QPointF &centre, SceneLayer layer)
    {
        const QPen pen(WorstInk, 2);
        addLine(centre + QPointF(-CrossHalf, -CrossHalf), centre + QPointF(CrossHalf, CrossHalf), pen, layer);
        addLine(centre + QPointF(-CrossHalf, CrossHalf), centre + QPointF(CrossHalf, -CrossHalf), pen, layer);
    }

    // The cross and its level in a box beside it: of the four corners round the cross, the first whose
    // box stays within the walls and clear of the loudspeakers; above on the right when none is.
    void addWorstPoint()
    {
        const QPointF point = at(m_layout.worstPoint);
        addCross(point, SceneLayer::Coverage);
        const QString text = QStringLiteral("L = %1 дБА").arg(levelText(m_result.worst));
        const QSizeF size(textWidth(text, m_bold) + 8, 18);
        const double gap = CrossHalf + 2;
        const std::array corners = {point + QPointF(gap, -gap - size.height()), point + QPointF(gap, gap),
                                    point + QPointF(-gap - size.width(), -gap - size.height()),
                                    point + QPointF(-gap - size.width(), gap)};
        QRectF box(corners[0], size);
        for (const QPointF &corner : corners) {
            const QRectF candidate(corner, size);
            if (m_walls.contains(candidate) && clearOfLoudspeakers(candidate)) {
                box = candidate;
                break;
            }
        }
        m_scene.addRect(box, QPen(WorstInk, 0.8), Qt::white, SceneLayer::Coverage);
        addText(text, m_bold, box.adjusted(3, 0, -3, 0), Qt::AlignCenter, WorstInk);
    }

    bool clearOfLoudspeakers(const QRectF &box) const
    {
        const QRectF near = box.adjusted(-SpeakerRadius, -SpeakerRadius, SpeakerRadius, SpeakerRadius);
        return std::none_of(m_layout.loudspeakers.begin(), m_layout.loudspeakers.end(),
                            [&](const RoomPoint &speaker) { return near.contains(at(speaker)); });
    }

    // Each mark with a sample and its meaning in words, then the scale bar; the bottom of the last line.
    double addLegend(double top)
    {
        const double x = Margin;
        const double textLeft = x + LegendText;
        const double textWidth = m_width - Margin - textLeft;
        double y = top + LegendStep / 2;
        const auto row = [&](const QString &text, int font, const QColor &colour) {
            addText(text, font, QRectF(textLeft, y - 9, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                    colour);
            y += LegendStep;
        };
        const QPointF sample(x + 14, y);

        m_scene.addDot(sample, SpeakerRadius, Qt::black, SceneLayer::Units);
        row(speakersText(), m_plain, Qt::black);

        const QPointF coverage = sample + QPointF(0, LegendStep);
        if (m_layout.farLineOutside) {
            addLine(coverage - QPointF(14, 0), coverage + QPointF(14, 0), QPen(CoverageInk, 1, Qt::DashLine),
                    SceneLayer::Coverage);
            row(QStringLiteral("дальняя линия (%1 от стены, на высоте %2 м) вне зоны покрытия "
                               "громкоговорителя: показан один громкоговоритель на стену")
                    .arg(metres(m_layout.throwDistance), russianNumber(m_room.listening)),
                m_bold, WorstInk);
        } else {
            if (m_room.mounting == Mounting::Ceiling)
                addCoverageCircle(coverage, 8);
            else
                m_scene.addShape(SceneShape::Kind::Polygon,
                                 QPolygonF({coverage + QPointF(0, -8), coverage + QPointF(12, 8),
                                            coverage + QPointF(-12, 8)}),
                                 QPen(CoverageInk, 1), Qt::NoBrush, SceneLayer::Coverage);
            row(coverageText(), m_plain, Qt::black);
        }

        addCross(sample + QPointF(0, 2 * LegendStep), SceneLayer::Coverage);
        row(QStringLiteral("худшая точка: L = %1 дБА при требуемых %2 дБА")
                .arg(levelText(m_result.worst), levelText(m_result.required)),
            m_plain, Qt::black);

        return addScaleBar(y);
    }

    QString speakersText() const
    {
        if (m_room.mounting == Mounting::Ceiling)
            return QStringLiteral("громкоговоритель на потолке: %1 шт. (%2 × %3)")
                .arg(m_result.count())
                .arg(m_layout.columns)
                .arg(m_layout.rows);
        const QString top = russianNumber(m_room.wallSpeakerHeight());
        if (m_room.mounting == Mounting::Wall)
            return QStringLiteral("громкоговоритель на стене, верх на высоте %1 м: %2 шт.")
                .arg(top, QString::number(m_result.count()));
        return QStringLiteral(
                   "громкоговоритель на стене, верх на высоте %1 м: по %2 шт. на двух длинных стенах")
            .arg(top, QString::number(m_layout.columns));
    }

    QString coverageText() const
    {
        if (m_room.mounting == Mounting::Ceiling)
            return QStringLiteral("зона покрытия на высоте %1 м: радиус R = %2; шаг не более %3 (%4)")
                .arg(russianNumber(m_room.listening), metres(m_layout.coverage), metres(m_layout.pitch),
                     densityText(m_room.density) + QStringLiteral(" перекрытие"));
        return QStringLiteral("зона покрытия до дальней линии (%1 от стены, на высоте %2 м): ±%3 на ней; "
                              "шаг не более %4 (%5)")
            .arg(metres(m_layout.throwDistance), russianNumber(m_room.listening), metres(m_layout.coverage),
                 metres(m_layout.pitch), densityText(m_room.density) + QStringLiteral(" перекрытие"));
    }

    // "0" under its left end, "N м" under its right one; a black and a white half.
    double addScaleBar(double top)
    {
        const double length = scaleBarMetres(m_scale);
        const double bar = length * m_scale;
        const double label = textWidth(QStringLiteral("Масштаб"), m_plain) + 12;
        const double left = Margin + label;
        const double y = top;
        addText(QStringLiteral("Масштаб"), m_plain, QRectF(Margin, y - 6, label, 18),
                Qt::AlignLeft | Qt::AlignVCenter);
        m_scene.addRect(QRectF(left, y, bar / 2, ScaleBarHeight), Qt::NoPen, Qt::black,
                        SceneLayer::Dimensions);
        m_scene.addRect(QRectF(left, y, bar, ScaleBarHeight), QPen(Qt::black, 0.8), Qt::NoBrush,
                        SceneLayer::Dimensions);
        const QString zero = QStringLiteral("0");
        const QString end = russianNumber(length) + QStringLiteral(" м");
        const double endWidth = textWidth(end, m_plain) + 4;
        addText(zero, m_plain, QRectF(left - 20, y + ScaleBarHeight + 2, 40, 16),
                Qt::AlignHCenter | Qt::AlignTop);
        addText(end, m_plain, QRectF(left + bar - endWidth / 2, y + ScaleBarHeight + 2, endWidth, 16),
                Qt::AlignHCenter | Qt::AlignTop);
        return y + ScaleBarHeight + 18;
    }

    const Room &m_room;
    const RoomResult &m_result;
    const RoomLayout &m_layout;
    const LoudspeakerData &m_loudspeaker;
    PictureScene m_scene;
    int m_caption;
    int m_bold;
    int m_plain;
    double m_scale = 1; // picture units per metre
    QRectF m_walls;     // the room in picture units
    QRectF m_drawn;     // the room with its coverage
    double m_width = 0;
};

} // namespace

QString roomPlanTitle(const Room &room)
{
    return QStringLiteral("План помещения «%1»").arg(room.name);
}

Picture roomPlanPicture(const Room &room, const RoomResult &result, const LoudspeakerData &loudspeaker)
{
    return PlanBuilder(room, result, loudspeaker).build();
}

} // namespace orvika
