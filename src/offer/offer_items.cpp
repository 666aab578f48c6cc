#include "offer/offer_items.h"

#include "calc/calculation_state.h"
#include "catalogue/designation.h"
#include "lines/line_materials.h"
#include "lines/line_table.h"

namespace orvika {

namespace {

const QString Pieces = QStringLiteral("шт.");
const QString Metres = QStringLiteral("м");

OfferItem unitItem(OfferSection section, const QString &designation, Quantity quantity)
{
    OfferItem item;
    item.section = section;
    item.model = modelOf(designation);
    item.name = unitName(designation);
    item.unit = Pieces;
    item.quantity = quantity;
    return item;
}

// A cable is priced by its name, which a list writes with or without "Кабель" and "мм²".
OfferItem cableItem(const LineMaterial &cable)
{
    OfferItem item;
    item.section = OfferSection::Materials;
    item.name = cable.billName();
    item.unit = Metres;
    item.quantity = quantityFrom(cable.quantity).value_or(Quantity{});
    item.listNames.append(item.name);
    if (cable.section && !cable.designation.isEmpty()) {
        const QString mark = QStringLiteral("%1 2×%2").arg(cable.designation, lineNumber(*cable.section));
        item.listNames.append(mark);
        item.listNames.append(mark + QStringLiteral(" мм²"));
        item.listNames.append(QStringLiteral("Кабель ") + mark);
    }
    return item;
}

} // namespace

QList<OfferItem> offerItems(const Requirements &requirements, const Proposal &proposal,
                            const LoudspeakerLines &lines, const QList<OfferWork> &works)
{
    QList<OfferItem> items;
    for (qsizetype i = 0; i < proposal.lines.size(); ++i) {
        const ProposedItem proposed = proposedItem(proposal, i);
        items.append(
            unitItem(OfferSection::Equipment, proposed.designation, Quantity::whole(proposed.quantity)));
    }
    for (const LineMaterial &material : lineMaterials(lines, lineZoneCount(requirements))) {
        if (material.kind == LineMaterial::Cable) {
            items.append(cableItem(material));
            continue;
        }
        OfferItem loudspeaker = unitItem(OfferSection::Materials, material.designation,
                                         quantityFrom(material.quantity).value_or(Quantity{}));
        if (loudspeaker.model.isEmpty())
            loudspeaker.name = material.designation.trimmed();
        items.append(loudspeaker);
    }
    for (const OfferWork &work : works) {
        OfferItem item;
        item.section = OfferSection::Works;
        item.name = work.name;
        item.unit = work.unit;
        item.quantity = work.quantity;
        item.workPrice = work.price;
        items.append(item);
    }
    return items;
}

} // namespace orvika
