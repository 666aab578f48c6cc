#include "pictures/rack_layout.h"

#include "catalogue/unit_figures.h"

#include <algorithm>
#include <numeric>

namespace orvika {
namespace {

std::optional<CabinetRecord> cabinetNamed(const Catalogue &catalogue, const QString &designation)
{
    for (const QList<CabinetRecord> *cabinets : {&catalogue.cabinets60, &catalogue.cabinets80}) {
        for (const CabinetRecord &cabinet : *cabinets) {
            if (cabinet.name == designation)
                return cabinet;
        }
    }
    return std::nullopt;
}

QList<Rack> chosenRacks(const Catalogue &catalogue, const Proposal &proposal)
{
    QList<Rack> racks;
    for (const ProposedItem &item : proposal.items) {
        if (item.role != LineRole::Cabinet)
            continue;
        const std::optional<CabinetRecord> cabinet = cabinetNamed(catalogue, item.designation);
        for (std::int32_t n = 0; n < item.quantity; ++n)
            racks.append({item.designation, cabinet ? double(cabinet->height) : 0, true});
    }
    return racks;
}

// Without a chosen cabinet: the smallest of the catalogue that holds all, else one just high enough.
Rack rackForAll(const Catalogue &catalogue, double height)
{
    std::optional<CabinetRecord> best;
    for (const QList<CabinetRecord> *cabinets : {&catalogue.cabinets60, &catalogue.cabinets80}) {
        for (const CabinetRecord &cabinet : *cabinets) {
            if (cabinet.height >= height && (!best || cabinet.height < best->height))
                best = cabinet;
        }
    }
    if (best)
        return {best->name, double(best->height), false};
    return {QString(), height, false};
}

} // namespace

RackLayout layoutRacks(const Catalogue &catalogue, const Requirements &requirements, const Proposal &proposal)
{
    RackLayout layout;
    QList<RackUnit> units;
    for (qsizetype i = 0; i < proposal.items.size(); ++i) {
        const ProposedItem &item = proposal.items.at(i);
        if (item.role == LineRole::Cabinet || item.quantity <= 0)
            continue;
        const UnitFigures figures = unitFigures(catalogue, item.designation);
        const double height = figures.heightUnits.value_or(0);
        if (height <= 0) {
            layout.outside.append({item.designation, item.quantity});
            continue;
        }
        for (std::int32_t n = 0; n < item.quantity; ++n)
            units.append({item.designation, height, figures.powerDraw.value_or(0), int(i)});
    }

    if (requirements.cabinet)
        layout.racks = chosenRacks(catalogue, proposal);
    if (layout.racks.isEmpty()) {
        const double all =
            std::accumulate(units.begin(), units.end(), 0.0,
                            [](double sum, const RackUnit &unit) { return sum + unit.height; });
        layout.racks.append(rackForAll(catalogue, all));
    }

    for (const RackUnit &unit : units) {
        const auto room = std::find_if(layout.racks.begin(), layout.racks.end(), [&unit](const Rack &rack) {
            return rack.height - rack.used >= unit.height;
        });
        if (room == layout.racks.end()) {
            layout.unplaced.append(unit);
            continue;
        }
        layout.placed.append({unit, int(room - layout.racks.begin()), room->used});
        room->used += unit.height;
        room->powerDraw += unit.powerDraw;
    }
    return layout;
}

} // namespace orvika
