// The project's card is an interface other programs write: whatever the file holds, reading it must
// not crash nor convert a number that does not fit, and what is read is a card the windows would take,
// so written again it reads back the same with nothing dropped. Its lines' figures, table and
// materials, its rooms' calculation, table and transfer into the lines, and its offer priced are then
// computed as every document does.
#include "lines/line_materials.h"
#include "lines/line_table.h"
#include "offer/offer_items.h"
#include "offer/offer_pricing.h"
#include "offer/offer_texts.h"
#include "project/project_card_file.h"
#include "sound_level/acoustics_csv.h"
#include "sound_level/room_table.h"
#include "sound_level/zone_totals.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace orvika;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ProjectCardRead read = projectCardFromJson(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (read.outcome != ProjectCardRead::Card)
        return 0;
    const ProjectCard &card = read.card;
    droppedValuesMessage(QStringLiteral("card.json"), read.dropped);
    for (const ZoneLine &line : card.lines.zones)
        lineTableRow(line, card.lines.settings);
    lineMaterials(card.lines, 8);
    const QList<RoomCalculation> calculations = calculateRooms(card.acoustics, sp3_13130_2009());
    for (qsizetype i = 0; i < calculations.size(); ++i)
        roomTableRow(card.acoustics.rooms.at(i), calculations.at(i));
    transferToLines(zoneTotals(card.acoustics, calculations), card.lines, 8);
    Requirements requirements;
    requirements.multiZone = true;
    requirements.zoneCount = 8;
    Proposal proposal;
    proposal.lines = {QStringLiteral("K-3520 Усилитель - 2 шт.")};
    PriceList list;
    list.entries = {{QStringLiteral("K-3520"), QString(), 4200000, QStringLiteral("USD"), 2}};
    const Offer offer = priceOffer(offerItems(requirements, proposal, card.lines, card.offer.works), card.offer,
                                   PriceIndex(list));
    missingPricesLine(offer);
    totalInWords(offer);

    const ProjectCardRead again = projectCardFromJson(projectCardJson(card));
    if (again.outcome != ProjectCardRead::Card || !again.dropped.isEmpty() || again.card != card)
        std::abort();
    return 0;
}
