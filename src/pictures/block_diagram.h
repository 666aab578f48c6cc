#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "pictures/picture.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>

// The signal-flow diagram of a proposal, laid out before it is painted: the units in columns along the
// signal, from the sources on the left to the zones on the right, and in a row beneath them the
// control, switching and power units, each linked to what it serves.
namespace orvika {

// The columns along the signal, left to right; the row beneath them comes last.
enum class DiagramColumn {
    Sources,    // microphones, message blocks, music sources, consoles, control software
    Interfaces, // the units that connect consoles and players
    Preamplifiers,
    Selectors,
    Amplifiers, // per channel, the reserve amplifier beneath them
    Redundancy, // the unit that switches the reserve amplifier in
    Zones,      // the loudspeaker lines, one by one, in groups or as the whole load
    Controls,   // the row beneath
};

struct DiagramBox
{
    DiagramColumn column = DiagramColumn::Sources;
    int row = 0; // from the top of its column; in the row beneath, from the left
    QRectF rect;
    int line = -1; // the proposed line it shows, from 0; -1 for a box of zones
    LineRole role = LineRole::Source;
    QString designation;       // the line's designation; for zones their heading
    QString model;             // in bold: the unit's model; for zones their heading ("Зоны 1–8")
    QString detail;            // beneath: the rest of the designation; for zones their power
    std::int32_t quantity = 0; // 0 for zones
    int firstZone = 0;         // the zones a box of zones stands for, from 1; both 0 for the load
    int lastZone = 0;          // of a single-zone installation
    double power = 0;          // W, of a box of zones

    bool isZones() const { return line < 0; }
};

struct DiagramLink
{
    int from = 0; // indices into the boxes
    int to = 0;
    QList<QPointF> path;  // orthogonal, from the edge of `from` to the edge of `to`, where the arrow points
    bool control = false; // from the row beneath: control, switching or power; drawn dashed
};

struct DiagramHeading
{
    QString text;
    QRectF rect;
};

struct BlockDiagram
{
    QList<DiagramBox> boxes;
    QList<DiagramLink> links;
    QList<DiagramHeading> headings; // above the columns
    QString caption;
    QSizeF size;
};

// More zones than this are drawn in boxes of consecutive zones.
inline constexpr int DiagramZoneLimit = 20;

// A zone drawn in a box of its own is headed by its name in zoneNames (1-based) when it has one, its
// number and power beneath.
BlockDiagram layoutBlockDiagram(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal, const QMap<int, QString> &zoneNames = {});

Picture blockDiagramPicture(const BlockDiagram &diagram);

} // namespace orvika
