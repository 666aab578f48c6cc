#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

// Where the proposed units stand in the cabinets: the rack elevation, before it is drawn.
namespace orvika {

// One piece of a rack-mounted unit.
struct RackUnit
{
    QString designation;
    double height = 0;    // rack units, from its catalogue line
    double powerDraw = 0; // W, from its catalogue line (0 when it gives none)
    int line = 0;         // its line in the proposal, from 0
};

struct Rack
{
    QString designation; // empty for a rack of exactly the units' height
    double height = 0;   // rack units
    bool chosen = false; // chosen by the calculation rather than drawn for the picture
    double used = 0;     // rack units taken
    double powerDraw = 0;
};

struct PlacedUnit
{
    RackUnit unit;
    int rack = 0;
    double top = 0; // rack units from the top of the rack to the unit's top
};

struct OutsideUnit
{
    QString designation;
    std::int32_t quantity = 0;
};

struct RackLayout
{
    QList<Rack> racks;
    QList<PlacedUnit> placed;   // in the proposal's order
    QList<RackUnit> unplaced;   // taller than every rack, or left without room
    QList<OutsideUnit> outside; // "Вне шкафа": units without a height
};

// The racks and the units of the proposal placed in them: the cabinets the calculation chose when
// the cabinet requirement is ticked, otherwise the smallest catalogue cabinet that holds every unit
// (or a rack of exactly their height). Units go top to bottom in the proposal's order, each into the
// first rack with room for it, never split.
RackLayout layoutRacks(const Catalogue &catalogue, const Requirements &requirements,
                       const Proposal &proposal);

} // namespace orvika
