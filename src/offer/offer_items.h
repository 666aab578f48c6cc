#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "lines/loudspeaker_lines.h"
#include "offer/offer.h"

#include <QList>

// What an installation offers, section by section, before any price: the proposed units as the bill lists
// them, the loudspeakers and the cable of the lines (the cable by the metre with its reserve), and the works
// the user entered.
namespace orvika {

QList<OfferItem> offerItems(const Requirements &requirements, const Proposal &proposal,
                            const LoudspeakerLines &lines, const QList<OfferWork> &works);

} // namespace orvika
